// "tipolab-cli risultati": the results of one or more archives, as the results
// window would show them, as a readable table or as CSV for a spreadsheet.
#pragma once

#include <QLocale>
#include <QStringList>
#include <QTextStream>

namespace tipolab {

struct ResultsOptions {
    bool csv = false;
    QStringList files;
    QLocale locale; // numbers in the text table follow it; CSV always uses a point
};

// Writes the results to `out` and every refused file to `err`. Returns 0 when
// every file gave results, 1 when any file was reported.
int runResults(const ResultsOptions& options, QTextStream& out, QTextStream& err);

} // namespace tipolab
