// How long composing the full report takes (its page count included), and
// writing it as RTF and to disk, and as PDF.
#include "contents/full_report.h"
#include "contents/snapshot_from_archive.h"
#include "gui_benchmarks.h"
#include "layout/document_layout.h"
#include "output/document_files.h"
#include "output/pdf_writer.h"
#include "output/rtf_writer.h"
#include "state/archive_file.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

tipolab::ReportSnapshot sampleSnapshot()
{
    const tipolab::ArchiveLoad load =
        tipolab::loadArchiveFile(QStringLiteral(TIPOLAB_TEST_DATA_DIR "/Tipolab-dati-esempio"));
    return tipolab::snapshotFromArchive(*load.record, tipolab::InstallationData()).windows;
}

tipolab::ReportWriter composedReport()
{
    tipolab::ReportWriter w;
    tipolab::composeFullReport(w, sampleSnapshot(), tipolab::a4PageCounter());
    return w;
}

void BM_ComposeReport(benchmark::State& state)
{
    const tipolab::ReportSnapshot snapshot = sampleSnapshot();
    for (auto _ : state) {
        tipolab::ReportWriter w;
        tipolab::composeFullReport(w, snapshot, tipolab::a4PageCounter());
        benchmark::DoNotOptimize(w.document().blocks.data());
    }
}
BENCHMARK(BM_ComposeReport)->Unit(benchmark::kMillisecond);

void BM_PageCount(benchmark::State& state)
{
    const tipolab::ReportWriter w = composedReport();
    for (auto _ : state)
        benchmark::DoNotOptimize(tipolab::layoutPageCount(w.document()));
}
BENCHMARK(BM_PageCount)->Unit(benchmark::kMillisecond);

// The report of an archive whose seven title fields are each one word as long
// as the windows hold: a wide Latin letter (0), or letters of both writing
// directions in turn (1), the slowest the text layout breaks.
void BM_PageCountLongestFields(benchmark::State& state)
{
    const QString word = state.range(0) == 0
                             ? QString(tipolab::kLongestTitleField, u'M')
                             : QStringLiteral("W\u05d0").repeated(tipolab::kLongestTitleField / 2);
    tipolab::ArchiveRecord record =
        *tipolab::loadArchiveFile(QStringLiteral(TIPOLAB_TEST_DATA_DIR "/Tipolab-dati-esempio"))
             .record;
    for (std::string& field : record.title)
        field = word.toStdString();
    tipolab::ReportWriter w;
    tipolab::composeFullReport(
        w, tipolab::snapshotFromArchive(record, tipolab::InstallationData()).windows,
        [](const tipolab::ReportDocument&) { return 1; });
    for (auto _ : state)
        benchmark::DoNotOptimize(tipolab::layoutPageCount(w.document()));
}
BENCHMARK(BM_PageCountLongestFields)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The composed report made into a file's bytes by `encode`.
template <typename Encode> void encodeReport(benchmark::State& state, Encode encode)
{
    const tipolab::ReportWriter w = composedReport();
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray encoded = encode(w.document());
        bytes += encoded.size();
        benchmark::DoNotOptimize(encoded.data());
    }
    state.SetBytesProcessed(bytes);
}

// The composed report saved by `save` as the file `name`.
template <typename Save> void saveReport(benchmark::State& state, const char* name, Save save)
{
    const tipolab::ReportWriter w = composedReport();
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(name));
    for (auto _ : state)
        benchmark::DoNotOptimize(save(w, path));
}

void BM_ReportToRtf(benchmark::State& state)
{
    encodeReport(state, tipolab::toRtf);
}
BENCHMARK(BM_ReportToRtf)->Unit(benchmark::kMillisecond);

void BM_SaveReport(benchmark::State& state)
{
    saveReport(state, "relazione.doc", [](const tipolab::ReportWriter& w, const QString& path) {
        return tipolab::saveRtf(w.document(), path);
    });
}
BENCHMARK(BM_SaveReport)->Unit(benchmark::kMillisecond);

void BM_ReportToPdf(benchmark::State& state)
{
    encodeReport(state, tipolab::toPdf);
}
BENCHMARK(BM_ReportToPdf)->Unit(benchmark::kMillisecond);

void BM_SaveReportPdf(benchmark::State& state)
{
    saveReport(state, "relazione.pdf", [](const tipolab::ReportWriter& w, const QString& path) {
        return tipolab::savePdf(w.document(), path);
    });
}
BENCHMARK(BM_SaveReportPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return tipolab::bench::runGuiBenchmarks(argc, argv);
}
