// The professions sheet printed from the professions window and written by
// the tool: the person's codes, the method in a sentence, the ten closest
// occupations of each education level with their affinity and letters, and
// where the data come from.
#pragma once

#include "professions_texts.h"
#include "report_snapshot.h"
#include "document/report_writer.h"

namespace tipolab {

// How many occupations of each level the sheet lists.
inline constexpr int kSheetOccupationsPerLevel = 10;

void composeProfessionsSheet(ReportWriter& w, const SheetHeading& heading,
                             const ProfessionsSnapshot& s);

} // namespace tipolab
