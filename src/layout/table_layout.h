// The widths of a table's columns, the same for the RTF file and the layout.
#pragma once

#include "document/report_document.h"

#include <vector>

namespace tipolab {

// Width of every column in twips, cell padding and grid line included. A
// formatted table is fitted to its contents, with the text of its cells lined
// up with the text column: no wider than that (wrapping the widest columns
// first, the heading row and the label columns last), and as wide as that when
// it has four columns or more. An unformatted table spans the text column in
// equal parts.
std::vector<int> columnWidths(const Table& table);

} // namespace tipolab
