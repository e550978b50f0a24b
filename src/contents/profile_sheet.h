// The profile sheet printed from the profile window: the hexagon chart as a
// picture, how far the answers can be trusted, the three-letter codes with the indices of both
// profiles, the differences type by type with the agreement of the two rankings, and the
// characteristics behind each type. Not saved by the program, like the other
// sheets.
#pragma once

#include "profile_texts.h"
#include "report_snapshot.h"
#include "document/report_writer.h"

namespace tipolab {

// The chart's size on the page, in twips: 11 by 9.5 centimetres.
inline constexpr int kProfileChartWidth = 6236;
inline constexpr int kProfileChartHeight = 5386;

// The head of the sheets that open on the chart (profile, comparison): the
// sheet's opening, the examined person and `subject` in 16 pt; the document
// is titled `title`.
void writeChartSheetHead(ReportWriter& w, const SheetHeading& heading, const QString& title,
                         const QString& subject);

// The chart in its own paragraph, centred, at the sheets' size.
void appendSheetChart(ReportWriter& w, const HexagonChart& chart);

// Tables: indices, differences, evidence.
void composeProfileSheet(ReportWriter& w, const SheetHeading& heading, const ProfileSnapshot& s);

} // namespace tipolab
