// The sheets printed from the working windows, each from a snapshot of its
// window: results sheet, data sheet, blank acquisition form, types sheet.
// None is saved by the program; none checks the data first.
#pragma once

#include "report_snapshot.h"
#include "document/report_writer.h"

namespace tipolab {

// Heading, legend, results table, sentence and the prevailing type's
// description; justified, numbers aligned right.
void composeResultsSheet(ReportWriter& w, const SheetHeading& heading,
                         const ResultsWindowSnapshot& results);

// The judgements and weights of the 72 characteristics, type by type, each
// followed by its summaries and a page break; numbers aligned right.
void composeDataSheet(ReportWriter& w, const SheetHeading& heading, const DataWindowSnapshot& data);

// The scale and the 72 characteristics with empty columns for the judgement
// number and the weight, to be filled in by hand. `heading.persona` is not used.
void composeAcquisitionForm(ReportWriter& w, const SheetHeading& heading,
                            const ScaleCaptions& scale);

// The general judgement of each type with the mean, and the scale.
void composeTypesSheet(ReportWriter& w, const SheetHeading& heading,
                       const TypesWindowSnapshot& types);

} // namespace tipolab
