// Two assessments of one person compared, as the comparison window, its sheet
// and the command-line tool show them: the figures of core/comparison.h in the
// numbers and words of the user's regional settings, the dates and names that
// head them, and the hexagon chart of the two analytic profiles.
#pragma once

#include "core/comparison.h"
#include "hexagon_chart.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace tipolab {

// One of the two assessments.
struct ComparedAssessment {
    QString persona;
    QString date; // of the title page, or the file's last change where that is empty
    QString file; // where it was read from; empty for the assessment in the windows
    Results results;
};

struct ComparisonSnapshot {
    ComparedAssessment before;
    ComparedAssessment after;
    Comparison comparison;
    QLocale locale; // the decimal separator of every number shown
};

ComparisonSnapshot comparisonSnapshot(ComparedAssessment before, ComparedAssessment after,
                                      const QLocale& locale = QLocale());

// The date that heads an assessment: the title page's `titleDate`, or where
// it is empty the day `file` last changed, written as the title page writes
// dates; empty when there is neither.
QString assessmentDate(const QString& titleDate, const QString& file,
                       const QLocale& locale = QLocale());

// Whether the two assessments carry different names (case, and blanks at the
// ends or repeated, aside).
bool namesDiffer(const ComparisonSnapshot& s);
// That the two may be different people.
QString namesWarning(const ComparisonSnapshot& s);

// "sint.ass.", "anal.ass.", "sint.rel.", "anal.rel.".
QString measureName(int measure);
// "Prima: Mario Rossi, lunedì, 7 dic 2026" and "Dopo: ..."
QString headingLine(const ComparedAssessment& a, bool before);
// The sentence that says the prevailing type changed; empty when it did not.
QString prevailingChangeText(const ComparisonSnapshot& s);

// The percentages: for each type in type order its four measures, one row
// each: type (in the first row only), measure, before, after, change.
QStringList percentageHeader();
QList<QStringList> percentageRows(const ComparisonSnapshot& s);
// The prevailing type and the codes: what, before, after.
QStringList summaryHeader();
QList<QStringList> summaryRows(const ComparisonSnapshot& s);

// The earlier analytic profile dashed in grey under the later one, solid in
// dark blue.
HexagonChart comparisonChart(const ComparisonSnapshot& s);

} // namespace tipolab
