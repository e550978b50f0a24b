// The document laid out on A4 pages with Qt's text engine: the page count the
// reports state, the preview, printing and PDF export.
#pragma once

#include "document/report_document.h"
#include "document/report_writer.h"

#include <QTextDocument>
#include <memory>

class QPagedPaintDevice;
class QPaintDevice;

namespace tipolab {

// The document as a QTextDocument whose pages are A4 sheets on `device`, with
// the margins, fonts, sizes, tables and page breaks of the written file.
std::unique_ptr<QTextDocument> buildTextDocument(const ReportDocument& document,
                                                 QPaintDevice& device);

class PageReckoner;

// How many A4 pages the document fills: the page count of the QTextDocument
// above on a device of 1440 dots per inch, reckoned without building it where
// the reckoning follows the layout (page_count.h), and laid out otherwise.
// `reckoner`, made on twipsDevice(), may be kept from one count to the next.
int layoutPageCount(const ReportDocument& document);
int layoutPageCount(const ReportDocument& document, PageReckoner& reckoner);
// The layout's count as a document's page counter. Its reckoner is kept from
// one count to the next: a document counted again after a small change has
// only the change measured.
PageCounter a4PageCounter();

// Paints every page on `device` (a printer, a PDF writer), after setting it to
// A4 with no margins of its own. Returns false when painting cannot start.
bool paintPages(const ReportDocument& document, QPagedPaintDevice& device);

} // namespace tipolab
