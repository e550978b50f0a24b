// A text field of the CSV files the program writes (the tool's tables, the
// key of an export without names).
#pragma once

#include <QString>

namespace tipolab {

// One text field (a file name, a person's name ...) of a CSV row. A text that
// begins with "=", "+", "-", "@", a tab or a carriage return would be taken by
// a spreadsheet for a formula: it gets an apostrophe in front, as spreadsheets
// expect of text meant as text. The field is then quoted when it holds a comma,
// a double quote or a line end. Numeric columns never go through here.
QString csvTextField(const QString& text);

} // namespace tipolab
