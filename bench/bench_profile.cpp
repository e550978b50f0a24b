// How long the person's profile takes: its figures from the results, the
// chart as a PNG picture, and the profile sheet beside the results sheet
// (each composed and written as RTF); the professions that fit the profile:
// the ranking of every occupation, the table read whole and the sheet.
#include "gui_benchmarks.h"
#include "contents/professions_sheet.h"
#include "contents/profile_sheet.h"
#include "output/rtf_writer.h"
#include "contents/snapshot_from_archive.h"
#include "contents/window_sheets.h"
#include "state/archive_file.h"
#include "archive/archive_results.h"

#include <benchmark/benchmark.h>

namespace {

tipolab::ArchiveSnapshot sample()
{
    const tipolab::ArchiveLoad load =
        tipolab::loadArchiveFile(QStringLiteral(TIPOLAB_TEST_DATA_DIR "/Tipolab-dati-esempio"));
    return tipolab::snapshotFromArchive(*load.record, tipolab::InstallationData());
}

void BM_ComputeProfile(benchmark::State& state)
{
    const tipolab::ArchiveLoad load =
        tipolab::loadArchiveFile(QStringLiteral(TIPOLAB_TEST_DATA_DIR "/Tipolab-dati-esempio"));
    const tipolab::ArchiveResults evaluated = tipolab::evaluateArchive(*load.record);
    for (auto _ : state) {
        const tipolab::Profile p =
            tipolab::computeProfile(evaluated.results, evaluated.data.characteristics);
        benchmark::DoNotOptimize(p.spearman);
    }
}
BENCHMARK(BM_ComputeProfile)->Unit(benchmark::kMicrosecond);

void BM_ChartPicture(benchmark::State& state)
{
    const tipolab::ProfileSnapshot profile = sample().profile;
    qint64 bytes = 0;
    for (auto _ : state) {
        const tipolab::Picture picture =
            tipolab::chartPicture(tipolab::profileChart(profile),
                                  QSize(tipolab::kProfileChartWidth, tipolab::kProfileChartHeight));
        bytes += picture.png.size();
    }
    state.counters["png_bytes"] = double(bytes) / double(state.iterations());
}
BENCHMARK(BM_ChartPicture)->Unit(benchmark::kMillisecond);

// A sheet of the sample composed by `compose` and written as RTF.
template <typename Compose> void writeSheet(benchmark::State& state, Compose compose)
{
    const tipolab::ArchiveSnapshot s = sample();
    const tipolab::SheetHeading heading = tipolab::sheetHeading(s.windows.title.persona);
    for (auto _ : state) {
        tipolab::ReportWriter w;
        compose(w, heading, s);
        benchmark::DoNotOptimize(tipolab::toRtf(w.document()).data());
    }
}

void BM_ResultsSheet(benchmark::State& state)
{
    writeSheet(state, [](tipolab::ReportWriter& w, const tipolab::SheetHeading& heading,
                         const tipolab::ArchiveSnapshot& s) {
        tipolab::composeResultsSheet(w, heading, s.windows.results);
    });
}
BENCHMARK(BM_ResultsSheet)->Unit(benchmark::kMillisecond);

void BM_ProfileSheet(benchmark::State& state)
{
    writeSheet(state, [](tipolab::ReportWriter& w, const tipolab::SheetHeading& heading,
                         const tipolab::ArchiveSnapshot& s) {
        tipolab::composeProfileSheet(w, heading, s.profile);
    });
}
BENCHMARK(BM_ProfileSheet)->Unit(benchmark::kMillisecond);

tipolab::ProfessionsSnapshot sampleProfessions(const tipolab::ArchiveSnapshot& s)
{
    const tipolab::Profile& p = s.profile.profile;
    return tipolab::professionsSnapshot(p.synthetic, p.analytic, false, QLocale());
}

// All 923 occupations ranked against the sample's analytic profile.
void BM_RankOccupations(benchmark::State& state)
{
    const tipolab::Profile p = sample().profile.profile;
    for (auto _ : state)
        benchmark::DoNotOptimize(tipolab::rankOccupations(p.analytic).ranked.data());
}
BENCHMARK(BM_RankOccupations)->Unit(benchmark::kMicrosecond);

// The table read whole: every text and score of every occupation touched once.
void BM_ReadOccupationTable(benchmark::State& state)
{
    for (auto _ : state) {
        std::size_t sum = 0;
        for (const tipolab::Occupation& o : tipolab::occupations())
            sum += o.title.size() + o.description.size() + o.groupName.size() +
                   std::size_t(o.scores[0] + o.level);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ReadOccupationTable)->Unit(benchmark::kMicrosecond);

void BM_ProfessionsSheet(benchmark::State& state)
{
    writeSheet(state, [](tipolab::ReportWriter& w, const tipolab::SheetHeading& heading,
                         const tipolab::ArchiveSnapshot& s) {
        tipolab::composeProfessionsSheet(w, heading, sampleProfessions(s));
    });
}
BENCHMARK(BM_ProfessionsSheet)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return tipolab::bench::runGuiBenchmarks(argc, argv);
}
