// A document as a PDF file: the A4 pages of the layout the page count is taken
// from, one PDF page for each, the documents' fonts embedded and the text
// selectable. The command-line tool, the working windows, the profile and
// comparison windows and the preview all write their PDF files here.
#pragma once

#include "document/report_document.h"

#include <QByteArray>
#include <QString>

namespace tipolab {

// The PDF's bytes; empty when the pages cannot be painted.
QByteArray toPdf(const ReportDocument& document);

// Writes the document as PDF under `path`, first beside it and then in its
// place, so that a failure leaves any file of that name as it was. Returns the
// reason of a failure, or an empty text.
QString savePdf(const ReportDocument& document, const QString& path);

// Whether `path` names a PDF file: it ends in ".pdf", in any case.
bool isPdfName(const QString& path);

// The name a PDF of the document written as `documentPath` is offered under:
// the same name with ".pdf" in place of its extension, in `folder`.
QString pdfNameIn(const QString& folder, const QString& documentPath);

} // namespace tipolab
