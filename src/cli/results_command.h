// "tipolab-cli risultati": the results of one or more archives, as the results
// window would show them, as a readable table or as CSV for a spreadsheet.
#pragma once

#include "archive/archive_results.h"

#include <QLocale>
#include <QStringList>
#include <QTextStream>
#include <functional>

namespace tipolab {

struct ResultsOptions {
    bool csv = false;
    QStringList files;
    QLocale locale;          // numbers in the text table follow it; CSV always uses a point
    bool toTerminal = false; // standard output is a terminal
};

// Writes the results to `out` and every refused file to `err`. Returns 0 when
// every file gave results, 1 when any file was reported.
int runResults(const ResultsOptions& options, QTextStream& out, QTextStream& err);

// Reads and evaluates each file in turn: a refused or incomplete file is
// reported to `err` and skipped, every other is handed to `each` with the
// examined person's name. Returns 0 when every file was handed on, 1 otherwise.
using EvaluatedFile =
    std::function<void(const QString& file, const QString& persona, const ArchiveResults&)>;
int forEachComplete(const QStringList& files, QTextStream& err, const EvaluatedFile& each);

} // namespace tipolab
