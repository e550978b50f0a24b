#include "window_sheets.h"

#include "report_tables.h"

namespace tipolab {
namespace {

const QString kEnd(kParagraphEnd);

// The head of the sheets that list the scale: the opening, the examined
// person, `subject` in 12 pt and the caption of the scale table that follows.
void writeScaleSheetHead(ReportWriter& w, const SheetHeading& heading, const QString& examined,
                         const QString& subject)
{
    writeSheetOpening(w, heading);
    typeExaminedPerson(w, examined);
    w.setTypingSize(12);
    w.typeText(subject + kEnd + kEnd);
    w.typeText(QStringLiteral("Scala dei giudizi"));
}

const QString kGeneralJudgementsSubject =
    QStringLiteral("Giudizi generali sulla propria personalit\u00e0");

} // namespace

void composeResultsSheet(ReportWriter& w, const SheetHeading& heading,
                         const ResultsWindowSnapshot& results)
{
    writeSheetOpening(w, heading);
    w.document().title = QStringLiteral("Risultati: ") + heading.persona;
    typeExaminedPerson(w, heading.persona);
    writeResultsSection(w, results, heading.persona); // tables 1 and 2
    w.justifyAll();
    rightAlignColumns(w, 2, kResultsNumberColumns);
}

void composeDataSheet(ReportWriter& w, const SheetHeading& heading, const DataWindowSnapshot& data)
{
    writeScaleSheetHead(w, heading, heading.persona,
                        QStringLiteral("Dati sulle caratteristiche personali"));
    w.document().title = QStringLiteral("Dati: ") + heading.persona;
    writeCharacteristicPages(w, data); // table 1 the scale, then two tables per type
    for (int t = 1; t <= kTypeCount; ++t)
        rightAlignColumns(w, 2 * t, kCharacteristicNumberColumns);
}

void composeAcquisitionForm(ReportWriter& w, const SheetHeading& heading,
                            const ScaleCaptions& scale)
{
    writeScaleSheetHead(w, heading, QString(27, QLatin1Char('_')), kGeneralJudgementsSubject);
    w.document().title = QStringLiteral("Modello di acquisizione dati");
    w.appendEndParagraph();
    writeScaleTable(w, scale);
    for (int t = 1; t <= kTypeCount; ++t) {
        w.appendEndParagraph();
        writeBlankCharacteristicTable(w, t);
    }
}

void composeTypesSheet(ReportWriter& w, const SheetHeading& heading,
                       const TypesWindowSnapshot& types)
{
    writeScaleSheetHead(w, heading, heading.persona, kGeneralJudgementsSubject);
    w.document().title = QStringLiteral("Tipi: ") + heading.persona;
    writeGeneralJudgements(w, types); // tables 1 and 2
    rightAlignColumns(w, 2, kGeneralJudgementNumberColumns);
}

} // namespace tipolab
