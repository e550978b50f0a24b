// Any bytes as an archive, taken as far as a crafted file reaches: read, the
// results computed as the tool computes them, then the full report, the
// window sheets and the professions sheet composed and written as RTF. Whatever the file holds, every
// percentage stays within 0..100, each type has exactly one row, and every RTF
// is plain 7-bit text whose groups all close. The pages are counted by a
// quick stand-in: laying the report out on A4 takes far longer than all the
// rest together, and the layout reads only what the composition built.
#include "contents/full_report.h"
#include "contents/professions_sheet.h"
#include "output/rtf_writer.h"
#include "contents/snapshot_from_archive.h"
#include "contents/window_sheets.h"
#include "archive/archive_results.h"

#include <QGuiApplication>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

using namespace tipolab;

int pagesByBreaks(const ReportDocument& document)
{
    int pages = 1;
    for (const Block& block : document.blocks) {
        if (const auto* p = std::get_if<Paragraph>(&block)) {
            for (const TextRun& run : p->runs)
                pages += run.pageBreak ? 1 : 0;
        }
    }
    return pages;
}

void check(bool condition)
{
    if (!condition) std::abort();
}

void checkResults(const Results& results)
{
    std::array<int, kTypeCount + 1> rows{};
    for (int r = 0; r < kTypeCount; ++r) {
        const int t = results.typeOfRow[r];
        check(t >= 1 && t <= kTypeCount && ++rows[t] == 1);
        const TypeResult& v = results.row[r];
        for (double p : {v.sintAss, v.anaAss, v.sintRel, v.anaRel})
            check(std::isfinite(p) && p >= 0 && p <= 100);
    }
    check(results.prevailingType == results.typeOfRow[0]);
}

void checkRtf(const ReportWriter& w)
{
    const QByteArray rtf = toRtf(w.document());
    check(rtf.startsWith("{\\rtf1"));
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        check(c == '\n' || (c >= 0x20 && c < 0x7F));
        if (c == '\\')
            ++i; // an escaped brace or backslash, or the first letter of a word
        else if (c == '{')
            ++depth;
        else if (c == '}')
            check(--depth >= 0);
    }
    check(depth == 0);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // The tables' column widths are measured with the system's fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ArchiveReadResult read =
        readArchive(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!read.record) return 0;
    const ArchiveResults evaluated = evaluateArchive(*read.record);
    if (evaluated.missing.empty()) checkResults(evaluated.results);

    const ArchiveSnapshot archive =
        snapshotFromArchive(*read.record, InstallationData{}, QLocale::c());
    const ReportSnapshot& s = archive.windows;
    const SheetHeading heading = sheetHeading(s.title.persona);
    ReportWriter w;
    if (archive.missing.empty()) {
        composeFullReport(w, s, pagesByBreaks);
        checkRtf(w);
        composeResultsSheet(w, heading, s.results);
        checkRtf(w);
        // The professions of whatever profile the file gives, a flat one included.
        const Profile& p = archive.profile.profile;
        composeProfessionsSheet(w, heading,
                                professionsSnapshot(p.synthetic, p.analytic, false, QLocale::c()));
        checkRtf(w);
    }
    composeDataSheet(w, heading, s.data);
    checkRtf(w);
    composeTypesSheet(w, heading, s.types);
    checkRtf(w);
    return 0;
}
