// "tipolab-cli relazione" and "tipolab-cli foglio": the full report and the
// sheets of an archive, written as the program writes them.
#pragma once

#include "printing/document_kinds.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace tipolab {

struct DocumentOptions {
    DocumentKind kind = DocumentKind::Report;
    QString file;    // the archive; may be empty for the blank form
    QString earlier; // the earlier archive of a comparison, `file` being the later one
    QStringList paths; // the folders and files of a register
    QString output;  // empty: where the program would put it
    QLocale locale;
};

// Writes the document and its path to `out`; refused archives, incomplete data
// (for the documents that show results) and failed writes to `err`.
// Returns 0 on success, 1 otherwise.
int runDocument(const DocumentOptions& options, QTextStream& out, QTextStream& err);

} // namespace tipolab
