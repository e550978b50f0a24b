// "tipolab-cli confronta": two archives of one person compared, the earlier
// first, as the comparison window shows them: as text in the user's regional
// settings, or as CSV for a spreadsheet.
#pragma once

#include "contents/comparison_files.h"

#include <QLocale>
#include <QString>
#include <QTextStream>

namespace tipolab {

struct ComparisonOptions {
    bool csv = false;
    QString before; // the earlier archive
    QString after;  // the later one
    QLocale locale; // numbers in the text follow it; CSV always uses a point
};

// Tells on `err` each of the two archives that is damaged or incomplete (with
// what is missing, under "dati incompleti, `outcome`"); false when either is.
bool comparable(const QString& before, const QString& after, const QString& outcome,
                QTextStream& err);

// Tells on `err` what keeps the files from being compared, and the warning.
void tellComparisonProblems(const FileComparison& compared, QTextStream& err);

// Writes the comparison to `out`. A damaged or incomplete file is told on
// `err`, naming it, and gives 1; two different names give a warning on `err`
// and 0, as does a comparison without remarks.
int runComparison(const ComparisonOptions& options, QTextStream& out, QTextStream& err);

} // namespace tipolab
