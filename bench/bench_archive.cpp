// How long reading, writing and evaluating one archive takes, and a class of
// them: their results and their register.
#include "archive/archive_codec.h"
#include "state/archive_file.h"
#include "archive/archive_results.h"
#include "state/number_format.h"
#include "register/register_rows.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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

// A class at a time, as "tipolab-cli risultati --csv" takes it: every file of
// the folder read, checked and computed, and its numbers written.
void BM_ResultsOfManyArchives(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    const QString sample = QStringLiteral(TIPOLAB_TEST_DATA_DIR "/Tipolab-dati-esempio");
    QStringList files;
    for (int i = 0; i < count; ++i) {
        files << dir.filePath(QStringLiteral("Tipolab-dati-%1").arg(i));
        QFile::copy(sample, files.back());
    }
    const QLocale c = QLocale::c();
    qint64 bytes = 0;
    for (auto _ : state) {
        for (const QString& file : std::as_const(files)) {
            const tipolab::ArchiveLoad load = tipolab::loadArchiveFile(file);
            const tipolab::ArchiveResults evaluated = tipolab::evaluateArchive(*load.record);
            for (const tipolab::TypeResult& row : evaluated.results.row) {
                for (const double v : {row.sintAss, row.anaAss, row.sintRel, row.anaRel})
                    benchmark::DoNotOptimize(tipolab::format00(v, c));
            }
        }
        bytes += count * QFile(sample).size();
    }
    state.SetBytesProcessed(bytes);
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ResultsOfManyArchives)->Arg(1000)->Unit(benchmark::kMillisecond);

// The register of a folder of the same size: found, read, evaluated, with the
// codes, the warnings and the local norms.
void BM_RegisterOfAFolder(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    const QString sample = QStringLiteral(TIPOLAB_TEST_DATA_DIR "/Tipolab-dati-esempio");
    for (int i = 0; i < count; ++i)
        QFile::copy(sample, dir.filePath(QStringLiteral("Tipolab-dati-%1").arg(i)));
    for (auto _ : state) {
        const std::vector<tipolab::RegisterRow> rows =
            tipolab::readRegister(tipolab::registerFiles({dir.path()}));
        benchmark::DoNotOptimize(rows.data());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_RegisterOfAFolder)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
