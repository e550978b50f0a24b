// The number of pages of a document, reckoned without building a text document:
// every line has a fixed height, so the pages follow from how many lines each
// block of text breaks into, and from the rules by which Qt's text layout moves
// lines, table rows and whole tables to the next page, followed here step by
// step with its own rounding. It gives the count the QTextDocument of
// buildTextDocument() gives on the same device, at a fraction of its cost.
#pragma once

#include "report_document.h"

class QPaintDevice;

namespace tipolab {

int countPages(const ReportDocument& document, QPaintDevice& device);

} // namespace tipolab
