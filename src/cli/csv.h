// Text fields of the CSV files the tool writes, for any command that writes
// one.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace tipolab {

// One text field (a file name, a person's name ...) of a CSV row. A text that
// begins with "=", "+", "-", "@", a tab or a carriage return would be taken by
// a spreadsheet for a formula: it gets an apostrophe in front, as spreadsheets
// expect of text meant as text. The field is then quoted when it holds a comma,
// a double quote or a line end. Numeric columns never go through here.
QString csvTextField(const QString& text);

// One row of `fields` and its line end. To a terminal the row's control
// characters are shown escaped, as everywhere the tool prints to one, so that
// a crafted name cannot drive it; to a file or a pipe it goes byte for byte.
void writeCsvLine(QTextStream& out, const QStringList& fields, bool toTerminal);

} // namespace tipolab
