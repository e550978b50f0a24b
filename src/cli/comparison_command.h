// "tipolab-cli confronta": two archives of one person compared, the earlier
// first, as the comparison window shows them: as text in the user's regional
// settings, or as CSV for a spreadsheet.
#pragma once

#include "contents/comparison_files.h"

#include <QLocale>
#include <QString>
#include <QTextStream>
#include <optional>

namespace tipolab {

struct ComparisonOptions {
    bool csv = false;
    QString before; // the earlier archive
    QString after;  // the later one
    QLocale locale; // numbers in the text follow it; CSV always uses a point
};

// The two archives compared; nothing when either is damaged or incomplete,
// each such file told on `err` (what is missing under "dati incompleti,
// `outcome`"). Differing names are a warning on `err`.
std::optional<ComparisonSnapshot> compareOrTell(const QString& before, const QString& after,
                                                const QLocale& locale, const QString& outcome,
                                                QTextStream& err);

// Writes the comparison to `out`. A damaged or incomplete file is told on
// `err`, naming it, and gives 1; two different names give a warning on `err`
// and 0, as does a comparison without remarks.
int runComparison(const ComparisonOptions& options, QTextStream& out, QTextStream& err);

} // namespace tipolab
