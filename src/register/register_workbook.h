// The register as a spreadsheet (.xlsx): a sheet "Valutazioni" with one row
// per archive, its percentages as numbers shown with two decimals, dates as
// dates, the heading row frozen and the columns as wide as their texts; and
// a sheet "Riepilogo" with the counts and the prevailing types.
#pragma once

#include "register_rows.h"

namespace tipolab {

// Writes the workbook as `path`, readable by the user alone, beside and then
// renamed over it: a failure leaves what was there. Empty text on success,
// else why, in Italian.
QString saveRegisterWorkbook(const QString& path, const std::vector<RegisterRow>& rows);

} // namespace tipolab
