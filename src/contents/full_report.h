// The full report ("Relazione"): title page, explanatory pages, general
// judgements, the characteristics of each type, results with the prevailing
// type's description, and the closing lines, in its final layout.
#pragma once

#include "report_snapshot.h"
#include "document/report_writer.h"

namespace tipolab {

// Writes the whole report into `w` (opening a new document), justified and
// with its numeric columns aligned right, ready to be saved. The closing lines
// state its length as `countPages` counts it.
void composeFullReport(ReportWriter& w, const ReportSnapshot& snapshot,
                       const PageCounter& countPages);

} // namespace tipolab
