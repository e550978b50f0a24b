#include "register_sheet.h"

#include "prevailing_bars.h"
#include "profile_sheet.h"
#include "profile_texts.h"
#include "report_tables.h"

namespace tipolab {

void composeRegisterSheet(ReportWriter& w, const SheetHeading& heading, const RegisterSnapshot& s)
{
    const QString end(kParagraphEnd);
    writeSheetOpening(w, heading);
    w.document().title = QStringLiteral("Registro: ") + s.folderName;
    w.setParagraphSize(16);
    w.setParagraphText(QStringLiteral("Registro delle valutazioni: ") + s.folderName + end);

    const RegisterCounts counts = countRegister(s.rows);
    w.setParagraphSize(12);
    w.setParagraphText(registerCountsText(counts) + end + end +
                       QStringLiteral("Tipi prevalenti delle valutazioni complete"));
    w.appendPicture(prevailingBarsPicture(counts.prevailing));
    if (const std::optional<TypeHundredths> mean = meanAnalyticProfile(s.rows)) {
        w.setParagraphSize(12);
        w.setParagraphText(end +
                           QStringLiteral("Profilo analitico medio delle valutazioni "
                                          "complete: ") +
                           QString::fromStdString(threeLetterCode(*mean)));
        appendSheetChart(
            w, HexagonChart({analyticChartProfile(*mean, QStringLiteral("media"))}, s.locale));
    }
    w.setParagraphSize(12);
    w.setParagraphText(end + QStringLiteral("Le valutazioni complete"));
    QList<QStringList> rows;
    for (const RegisterRow& row : s.rows) {
        if (row.state != RegisterState::Complete) continue;
        rows << QStringList{row.persona,
                            shownDate(row),
                            typeText(row.prevailing),
                            QString::fromStdString(row.syntheticCode),
                            QString::fromStdString(row.analyticCode),
                            warningTitlesText(row)};
    }
    writeTextTable(w,
                   {QStringLiteral("persona"), QStringLiteral("data"),
                    QStringLiteral("tipo prevalente"), QStringLiteral("codice sintetico"),
                    QStringLiteral("codice analitico"), QStringLiteral("avvisi")},
                   rows);
}

} // namespace tipolab
