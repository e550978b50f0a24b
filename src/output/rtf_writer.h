// A document as an RTF file (code page 1252, other characters as \uN): what a
// word processor opens as a document of A4 pages with the same text, page
// breaks, fonts, sizes, tables and alignments.
#pragma once

#include "document/report_document.h"

#include <QByteArray>

namespace tipolab {

QByteArray toRtf(const ReportDocument& document);

// `text` as RTF characters: control characters of RTF escaped, code page 1252
// as \'hh, anything else as \uN? (N the signed UTF-16 unit, ? its stand-in).
QByteArray rtfText(const QString& text);

} // namespace tipolab
