// The comparison sheet printed from the comparison window: the two
// assessments' names and dates, the hexagon chart of the two analytic profiles
// as a picture, the prevailing type and the codes before and after, and the
// four percentages of every type before and after with their changes. Not
// saved by the program, like the other sheets.
#pragma once

#include "comparison_texts.h"
#include "report_snapshot.h"
#include "document/report_writer.h"

namespace tipolab {

// Tables: prevailing type and codes, percentages.
void composeComparisonSheet(ReportWriter& w, const SheetHeading& heading,
                            const ComparisonSnapshot& s);

} // namespace tipolab
