#include "window_sheets.h"

#include "report_tables.h"

namespace tipolab {
namespace {

const QString kEnd(kParagraphEnd);

void typeExaminedPerson(ReportWriter& w, const QString& persona)
{
    w.typeText(QStringLiteral("Soggetto esaminato: ") + persona + kEnd);
}

} // namespace

void composeResultsSheet(ReportWriter& w, const SheetHeading& heading,
                         const ResultsWindowSnapshot& results)
{
    writeSheetOpening(w, heading);
    w.document().title = QStringLiteral("Risultati: ") + heading.persona;
    typeExaminedPerson(w, heading.persona);
    writeResultsSection(w, results, heading.persona, false); // tables 1 and 2
    w.justifyAll();
    rightAlignColumns(w, 2, kResultsNumberColumns);
}

void composeDataSheet(ReportWriter& w, const SheetHeading& heading, const DataWindowSnapshot& data)
{
    writeSheetOpening(w, heading);
    w.document().title = QStringLiteral("Dati: ") + heading.persona;
    typeExaminedPerson(w, heading.persona);
    w.setTypingSize(12);
    w.typeText(QStringLiteral("Dati sulle caratteristiche personali") + kEnd + kEnd);
    w.typeText(QStringLiteral("Scala dei giudizi"));
    writeCharacteristicPages(w, data); // table 1 the scale, then two tables per type
    for (int t = 1; t <= kTypeCount; ++t)
        rightAlignColumns(w, 2 * t, kCharacteristicNumberColumns);
}

void composeAcquisitionForm(ReportWriter& w, const SheetHeading& heading,
                            const ScaleCaptions& scale)
{
    writeSheetOpening(w, heading);
    w.document().title = QStringLiteral("Modello di acquisizione dati");
    typeExaminedPerson(w, QString(27, QLatin1Char('_')));
    w.setTypingSize(12);
    w.typeText(QStringLiteral("Giudizi generali sulla propria personalit\u00e0") + kEnd + kEnd);
    w.typeText(QStringLiteral("Scala dei giudizi"));
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
    writeSheetOpening(w, heading);
    w.document().title = QStringLiteral("Tipi: ") + heading.persona;
    typeExaminedPerson(w, heading.persona);
    w.setTypingSize(12);
    w.typeText(QStringLiteral("Giudizi generali sulla propria personalit\u00e0") + kEnd + kEnd);
    w.typeText(QStringLiteral("Scala dei giudizi"));
    writeGeneralJudgements(w, types); // tables 1 and 2
    rightAlignColumns(w, 2, kGeneralJudgementNumberColumns);
}

} // namespace tipolab
