#include "comparison_sheet.h"

#include "profile_sheet.h"
#include "report_tables.h"

namespace tipolab {
namespace {

const QString kEnd(kParagraphEnd);

} // namespace

void composeComparisonSheet(ReportWriter& w, const SheetHeading& heading,
                            const ComparisonSnapshot& s)
{
    writeChartSheetHead(w, heading, QStringLiteral("Confronto: "),
                        QStringLiteral("Confronto tra due valutazioni"));
    w.setParagraphSize(12);
    QString head = headingLine(s.before, true) + kEnd + headingLine(s.after, false);
    if (namesDiffer(s)) head += kEnd + namesWarning(s);
    w.setParagraphText(head + kEnd);

    appendSheetChart(w, comparisonChart(s));

    w.setParagraphSize(12);
    w.setParagraphText(kEnd + QStringLiteral("Tipo prevalente e codici a tre lettere"));
    writeTextTable(w, summaryHeader(), summaryRows(s)); // table 1
    w.appendEndParagraph();
    w.setParagraphSize(12);
    const QString change = prevailingChangeText(s);
    if (!change.isEmpty()) w.setParagraphText(change + kEnd);
    // The percentages whole on a page of their own.
    w.setParagraphText(QString(kPageBreak) + QStringLiteral("Le percentuali prima e dopo"));
    writeTextTable(w, percentageHeader(), percentageRows(s)); // table 2
    rightAlignColumns(w, 2, {3, 4, 5});
}

} // namespace tipolab
