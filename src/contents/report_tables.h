// The tables and blocks that the report and the sheets have in common, each
// written through the `ReportWriter` at the end of the document. A table
// writer appends the table, fills it and gives it the table format unless
// said otherwise.
#pragma once

#include "report_snapshot.h"
#include "document/report_writer.h"

#include <QStringList>
#include <initializer_list>

namespace tipolab {

// The numeric columns that the final layout aligns right.
inline constexpr std::initializer_list<int> kGeneralJudgementNumberColumns = {3, 4};
inline constexpr std::initializer_list<int> kCharacteristicNumberColumns = {4, 5, 6};
inline constexpr std::initializer_list<int> kResultsNumberColumns = {2, 3, 4, 5};

// A coefficient with two decimals; none gives an empty text.
QString coefficientText(std::optional<double> coefficient, const QLocale& locale);
// A caption that shows a number, shown again with two decimals; "" stays "".
QString captionWithTwoDecimals(const QString& caption, const QLocale& locale);

// Opening of every sheet: a new document in "Century Gothic"; the program name
// in size 24; the description in size 14 and three paragraph ends. The guide
// opens the same way in its own sizes.
void writeSheetOpening(ReportWriter& w, const SheetHeading& heading, int nameSize = 24,
                       int descriptionSize = 14);

// 12 x 1, size 12: "giudizio" and the eleven captions.
void writeScaleTable(ReportWriter& w, const ScaleCaptions& scale);
// 8 x 4 in the size in force: the six general judgements and their mean.
void writeGeneralJudgementTable(ReportWriter& w, const TypesWindowSnapshot& types);
// 13 x 6, size 10: the twelve characteristics of one type.
void writeCharacteristicTable(ReportWriter& w, const TypeCharacteristicsSnapshot& type,
                              const QLocale& locale);
// 5 x 2, size 12: the summaries of one type; the table format is left to the caller.
void writeSummaryTable(ReportWriter& w, const TypeSummarySnapshot& summary);
// 5 x 2 in the size in force: what the four percentages mean.
void writeLegendTable(ReportWriter& w);
// 7 x 5 in the size in force: the results rows.
void writeResultsTable(ReportWriter& w, const ResultsWindowSnapshot& results);
// 13 x 4, size 10: the characteristics of type t with empty columns to fill by hand.
void writeBlankCharacteristicTable(ReportWriter& w, int type);

// From an end paragraph on: the scale table, then the table of the general
// judgements. Tables: scale, judgements.
void writeGeneralJudgements(ReportWriter& w, const TypesWindowSnapshot& types);
// From an end paragraph on: the scale table, then for each type its
// characteristics, "Dati generali" with its summaries and a page break.
// Tables: scale, then characteristics and summaries of each type.
void writeCharacteristicPages(ReportWriter& w, const DataWindowSnapshot& data);
// The heading "Risultati della elaborazione", legend, results table, the
// sentence naming the prevailing type and its description. Tables: legend,
// results.
void writeResultsSection(ReportWriter& w, const ResultsWindowSnapshot& results,
                         const QString& persona);

// Row `row` of the current table, from its first column.
void fillRow(ReportWriter& w, int row, const QStringList& cells);

// A table in 10 pt of `header` and then `rows`, in the documents' table style.
void writeTextTable(ReportWriter& w, const QStringList& header, const QList<QStringList>& rows);

// "Soggetto esaminato: " and the person's name, a line of its own.
void typeExaminedPerson(ReportWriter& w, const QString& persona);

// Aligns right `columns` of table `table`.
void rightAlignColumns(ReportWriter& w, int table, std::initializer_list<int> columns);

} // namespace tipolab
