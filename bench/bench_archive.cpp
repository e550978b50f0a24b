// How long reading, writing and evaluating one archive takes.
#include "state/archive_codec.h"
#include "state/archive_results.h"

#include <benchmark/benchmark.h>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string sampleBytes()
{
    std::ifstream in(TIPOLAB_TEST_DATA_DIR "/Tipolab-dati-esempio", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void BM_ReadArchive(benchmark::State& state)
{
    const std::string bytes = sampleBytes();
    for (auto _ : state)
        benchmark::DoNotOptimize(tipolab::readArchive(bytes));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ReadArchive);

void BM_WriteArchive(benchmark::State& state)
{
    const tipolab::ArchiveRecord record = *tipolab::readArchive(sampleBytes()).record;
    for (auto _ : state)
        benchmark::DoNotOptimize(tipolab::writeArchive(record));
}
BENCHMARK(BM_WriteArchive);

void BM_WriteArchiveUtf8(benchmark::State& state)
{
    tipolab::ArchiveRecord record = *tipolab::readArchive(sampleBytes()).record;
    record.title[tipolab::kPersonaField] = "\xC5\x81ukasz"; // not in code page 1252
    for (auto _ : state)
        benchmark::DoNotOptimize(tipolab::writeArchive(record));
}
BENCHMARK(BM_WriteArchiveUtf8);

// Open + "Risultati": display every type, check, rank.
void BM_EvaluateArchive(benchmark::State& state)
{
    const tipolab::ArchiveRecord record = *tipolab::readArchive(sampleBytes()).record;
    for (auto _ : state)
        benchmark::DoNotOptimize(tipolab::evaluateArchive(record));
}
BENCHMARK(BM_EvaluateArchive);

void BM_ComputeResults(benchmark::State& state)
{
    const tipolab::ArchiveResults evaluated =
        tipolab::evaluateArchive(*tipolab::readArchive(sampleBytes()).record);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            tipolab::computeResults(evaluated.data.types, evaluated.data.weighted));
}
BENCHMARK(BM_ComputeResults);

} // namespace

BENCHMARK_MAIN();
