// How long composing the full report takes (its page count included), and
// writing it as RTF and to disk, and as PDF.
#include "gui_benchmarks.h"
#include "reports/document_layout.h"
#include "reports/full_report.h"
#include "reports/pdf_writer.h"
#include "reports/rtf_writer.h"
#include "reports/snapshot_from_archive.h"
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
    tipolab::composeFullReport(w, sampleSnapshot());
    return w;
}

void BM_ComposeReport(benchmark::State& state)
{
    const tipolab::ReportSnapshot snapshot = sampleSnapshot();
    for (auto _ : state) {
        tipolab::ReportWriter w;
        tipolab::composeFullReport(w, snapshot);
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

void BM_ReportToRtf(benchmark::State& state)
{
    const tipolab::ReportWriter w = composedReport();
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray rtf = tipolab::toRtf(w.document());
        bytes += rtf.size();
        benchmark::DoNotOptimize(rtf.data());
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_ReportToRtf)->Unit(benchmark::kMillisecond);

void BM_SaveReport(benchmark::State& state)
{
    const tipolab::ReportWriter w = composedReport();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("relazione.doc"));
    for (auto _ : state)
        benchmark::DoNotOptimize(w.save(path));
}
BENCHMARK(BM_SaveReport)->Unit(benchmark::kMillisecond);

void BM_ReportToPdf(benchmark::State& state)
{
    const tipolab::ReportWriter w = composedReport();
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray pdf = tipolab::toPdf(w.document());
        bytes += pdf.size();
        benchmark::DoNotOptimize(pdf.data());
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_ReportToPdf)->Unit(benchmark::kMillisecond);

void BM_SaveReportPdf(benchmark::State& state)
{
    const tipolab::ReportWriter w = composedReport();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("relazione.pdf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(tipolab::savePdf(w.document(), path));
}
BENCHMARK(BM_SaveReportPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return tipolab::bench::runGuiBenchmarks(argc, argv);
}
