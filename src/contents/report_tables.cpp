#include "report_tables.h"

#include "core/scoring.h"
#include "core/type_descriptions.h"
#include "state/number_format.h"

namespace tipolab {
namespace {

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

const QString kEnd(kParagraphEnd);
const QString kBreak(kPageBreak);

// The type and the characteristic names of a characteristic table stay on one
// line: the judgement words give way first where the room is short.
void keepLabelsWhole(ReportWriter& w)
{
    w.document().table(w.tableCount())->labelColumns = 2;
}

} // namespace

QString coefficientText(std::optional<double> coefficient, const QLocale& locale)
{
    if (!coefficient) return {};
    return format00(twoDecimalValue(static_cast<float>(*coefficient)), locale);
}

QString captionWithTwoDecimals(const QString& caption, const QLocale& locale)
{
    if (caption.isEmpty()) return {};
    return format00(captionValue(caption, locale), locale);
}

void writeSheetOpening(ReportWriter& w, const SheetHeading& heading, int nameSize,
                       int descriptionSize)
{
    w.open();
    w.setTypingFont(QString::fromLatin1(kDocumentFont));
    w.setTypingSize(nameSize);
    w.typeText(heading.programName + kEnd);
    w.setTypingSize(descriptionSize);
    w.typeText(heading.description + kEnd + kEnd + kEnd);
}

void writeScaleTable(ReportWriter& w, const ScaleCaptions& scale)
{
    w.appendTable(kStepCount + 1, 1);
    w.setTableSize(12);
    w.setCellText(1, 1, QStringLiteral("giudizio"));
    for (int n = 1; n <= kStepCount; ++n)
        w.setCellText(n + 1, 1, scale[n - 1]);
    w.applyTableFormat();
}

void writeGeneralJudgementTable(ReportWriter& w, const TypesWindowSnapshot& types)
{
    w.appendTable(kTypeCount + 2, 4);
    fillRow(w, 1,
            {QStringLiteral("tipo considerato"), QStringLiteral("giudizio"),
             QStringLiteral("valore"), QStringLiteral("coefficiente")});
    for (int t = 1; t <= kTypeCount; ++t) {
        const GeneralJudgementRow& row = types.rows[t - 1];
        fillRow(w, t + 1,
                {row.typeName, row.word, row.step, coefficientText(row.coefficient, types.locale)});
    }
    w.setCellText(kTypeCount + 2, 1, QStringLiteral("media dei coefficienti"));
    w.setCellText(kTypeCount + 2, 4, captionWithTwoDecimals(types.mean, types.locale));
    w.applyTableFormat();
}

void writeCharacteristicTable(ReportWriter& w, const TypeCharacteristicsSnapshot& type,
                              const QLocale& locale)
{
    w.appendTable(kCharacteristicCount + 1, 6);
    w.setTableSize(10);
    fillRow(w, 1,
            {QStringLiteral("tipologia"), QStringLiteral("caratteristiche"),
             QStringLiteral("giudizi"), QStringLiteral("valori"), QStringLiteral("coefficienti "),
             QStringLiteral("pesi in %")});
    keepLabelsWhole(w);
    for (int c = 1; c <= kCharacteristicCount; ++c) {
        const CharacteristicRowSnapshot& row = type.rows[c - 1];
        fillRow(w, c + 1,
                {c == 1 ? type.typeName : QString(), row.name, row.word, row.step,
                 coefficientText(row.coefficient, locale), row.weight});
    }
    w.applyTableFormat();
}

void writeSummaryTable(ReportWriter& w, const TypeSummarySnapshot& summary)
{
    w.appendTable(5, 2);
    w.setTableSize(12);
    fillRow(w, 1, {QStringLiteral("tipologia"), QStringLiteral("dati")});
    fillRow(w, 2, {QStringLiteral("valor medio"), summary.valoreMedio});
    fillRow(w, 3, {QStringLiteral("media dei coefficienti"), summary.media});
    fillRow(w, 4, {QStringLiteral("coefficiente ponderato"), summary.pond});
    fillRow(w, 5, {QString(), summary.complessivo});
}

void writeLegendTable(ReportWriter& w)
{
    w.appendTable(5, 2);
    fillRow(w, 1, {QStringLiteral("tipo"), QStringLiteral("tipologia della personalit\u00e0")});
    fillRow(w, 2,
            {QStringLiteral("sint.ass."),
             QStringLiteral("sintetica assoluta (come credi di essere in %)")});
    fillRow(w, 3,
            {QStringLiteral("anal.ass."), QStringLiteral("analitica assoluta (come sei in %)")});
    fillRow(w, 4,
            {QStringLiteral("sint.rel."),
             QStringLiteral("sintetica relativa (come credi di essere in %)")});
    fillRow(w, 5,
            {QStringLiteral("anal.rel."), QStringLiteral("analita relativa (come sei in %)")});
    w.applyTableFormat();
}

void writeResultsTable(ReportWriter& w, const ResultsWindowSnapshot& results)
{
    w.appendTable(kTypeCount + 1, 5);
    fillRow(w, 1,
            {QStringLiteral("tipo"), QStringLiteral("sint.ass."), QStringLiteral("anal.ass."),
             QStringLiteral("sint.rel."), QStringLiteral("anal.rel.")});
    for (int r = 1; r <= kTypeCount; ++r) {
        const ResultRowSnapshot& row = results.rows[r - 1];
        fillRow(w, r + 1, {row.type, row.sintAss, row.anaAss, row.sintRel, row.anaRel});
    }
    w.applyTableFormat();
}

void writeBlankCharacteristicTable(ReportWriter& w, int type)
{
    w.appendTable(kCharacteristicCount + 1, 4);
    w.setTableSize(10);
    fillRow(w, 1,
            {QStringLiteral("tipologia"), QStringLiteral("caratteristiche"),
             QStringLiteral("n.giudizio"), QStringLiteral("peso in % (totale = 100)")});
    keepLabelsWhole(w);
    w.setCellText(2, 1, text(typeName(type)));
    for (int c = 1; c <= kCharacteristicCount; ++c)
        w.setCellText(c + 1, 2, text(characteristicName(type, c)));
    w.applyTableFormat();
}

void writeGeneralJudgements(ReportWriter& w, const TypesWindowSnapshot& types)
{
    w.appendEndParagraph();
    writeScaleTable(w, types.scale);
    w.appendEndParagraph();
    writeGeneralJudgementTable(w, types);
}

void writeCharacteristicPages(ReportWriter& w, const DataWindowSnapshot& data)
{
    w.appendEndParagraph();
    writeScaleTable(w, data.scale);
    for (const TypeCharacteristicsSnapshot& type : data.types) {
        w.appendEndParagraph();
        writeCharacteristicTable(w, type, data.locale);
        w.appendEndParagraph();
        w.setParagraphSize(12);
        w.setParagraphText(kEnd + QStringLiteral("Dati generali"));
        writeSummaryTable(w, type.summary);
        w.appendEndParagraph();
        w.setParagraphText(kBreak);
        w.applyTableFormat(); // the summaries table is still the current table
    }
}

void writeResultsSection(ReportWriter& w, const ResultsWindowSnapshot& results,
                         const QString& persona)
{
    w.appendEndParagraph();
    w.setParagraphSize(16);
    w.setParagraphText(QStringLiteral("Risultati della elaborazione") + kEnd + kEnd);
    w.setParagraphSize(12);
    w.setParagraphText(QStringLiteral("Legenda"));
    writeLegendTable(w);
    w.appendEndParagraph();
    w.setParagraphSize(10);
    writeResultsTable(w, results);
    w.appendEndParagraph();
    w.setParagraphSize(12);
    w.setParagraphText(kEnd + QString::fromStdString(resultsHeading(persona.toStdString())) +
                       QLatin1Char(' ') + results.prevailingName + QLatin1Char('.') + kEnd);
    w.setParagraphText(text(reportTypeDescription(results.prevailingType)) + kEnd);
}

void fillRow(ReportWriter& w, int row, const QStringList& cells)
{
    for (int c = 0; c < cells.size(); ++c)
        w.setCellText(row, c + 1, cells[c]);
}

void writeTextTable(ReportWriter& w, const QStringList& header, const QList<QStringList>& rows)
{
    w.appendTable(int(rows.size()) + 1, int(header.size()));
    w.setTableSize(10);
    fillRow(w, 1, header);
    for (int r = 0; r < rows.size(); ++r)
        fillRow(w, r + 2, rows[r]);
    w.applyTableFormat();
}

void typeExaminedPerson(ReportWriter& w, const QString& persona)
{
    w.typeText(QStringLiteral("Soggetto esaminato: ") + persona + kEnd);
}

void rightAlignColumns(ReportWriter& w, int table, std::initializer_list<int> columns)
{
    for (int column : columns)
        w.rightAlignColumn(table, column);
}

} // namespace tipolab
