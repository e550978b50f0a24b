#include "professions_sheet.h"

#include "profile_sheet.h"
#include "report_tables.h"

namespace tipolab {

void composeProfessionsSheet(ReportWriter& w, const SheetHeading& heading,
                             const ProfessionsSnapshot& s)
{
    const QString end(kParagraphEnd);
    writeChartSheetHead(w, heading, QStringLiteral("Professioni affini: "),
                        QStringLiteral("Professioni affini al profilo"));
    w.setParagraphSize(10);
    w.setParagraphText(codesText(s) + end +
                       QStringLiteral("Profilo confrontato con le professioni: ") +
                       matchedProfileName(s) + QStringLiteral(".") + end + methodText() + end +
                       purposeText() + end);
    if (s.ranking.flat) {
        w.setParagraphSize(12);
        w.setParagraphText(end + QString::fromUtf8(kFlatProfile) + end);
    }
    int table = 0;
    for (int level = kOccupationLevelCount; level >= 1 && !s.ranking.flat; --level) {
        w.setParagraphSize(12);
        w.setParagraphText(end + QStringLiteral("Livello ") + levelText(level));
        QList<QStringList> rows;
        for (const OccupationMatch& m :
             matchesOfLevels(s.ranking, 1u << (level - 1), kSheetOccupationsPerLevel)) {
            QStringList row = professionsRow(m, s.locale);
            row.removeAt(3); // the level is the heading's
            rows << row;
        }
        QStringList header = professionsHeader();
        header.removeAt(3);
        writeTextTable(w, header, rows);
        rightAlignColumns(w, ++table, {1, 4, 6});
        w.appendEndParagraph();
    }
    w.setParagraphSize(8);
    w.setParagraphText(end + attributionShort() + end);
}

} // namespace tipolab
