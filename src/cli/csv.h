// The CSV rows the tool writes, for any command that writes one.
#pragma once

#include "state/csv_field.h"

#include <QStringList>
#include <QTextStream>

namespace tipolab {

// One row of `fields` and its line end. To a terminal the row's control
// characters are shown escaped, as everywhere the tool prints to one, so that
// a crafted name cannot drive it; to a file or a pipe it goes byte for byte.
void writeCsvLine(QTextStream& out, const QStringList& fields, bool toTerminal);

} // namespace tipolab
