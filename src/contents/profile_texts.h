// The person's profile as the window, the sheet and the command-line tool
// show it: the figures of core/profile.h in words and numbers of the user's
// regional settings, and the hexagon chart of the two profiles.
#pragma once

#include "core/profile.h"
#include "core/response_style.h"
#include "hexagon_chart.h"

#include <QLocale>
#include <QString>
#include <optional>

namespace tipolab {

// What the profile window and sheet show.
struct ProfileSnapshot {
    Profile profile;
    std::vector<ResponseWarning> warnings; // how far the answers can be trusted
    QLocale locale;                        // the decimal separator of every number shown
};

// The profile of a complete assessment with `results`: its general
// judgements and characteristics.
ProfileSnapshot profileSnapshot(const Results& results, const TypeJudgements& general,
                                const CharacteristicTable& characteristics,
                                const QLocale& locale = QLocale());

// Names of the two profiles, as the legend and the tables write them.
inline constexpr char kSyntheticProfileName[] = "sintetico (come crede di essere)";
inline constexpr char kAnalyticProfileName[] = "analitico (come \u00e8)";

// Hundredths of a point with two decimals; with `sign` a "+" before positive values.
QString pointsText(int hundredths, const QLocale& locale, bool sign = false);
// Three decimals, or an empty text when there is none.
QString spearmanText(const std::optional<double>& rho, const QLocale& locale);
// What stands in place of rho when there is none.
inline constexpr char kNoSpearman[] = "non calcolabile: un profilo ha sei valori uguali";

QString typeText(int t);
// "R" .. "C" with the name: "REALISTA (R)".
QString typeWithLetter(int t);
// The first two types and how far apart they are: "R e S, distacco 3,22" and,
// when they are closer than the threshold, "(non distinti)" after it.
QString firstTypesText(const ProfileShape& shape, const QLocale& locale);
QString consistencyText(const ProfileShape& shape);
// The sentence on where the self-image departs most from the analytic result.
QString selfImageText(const ProfileSnapshot& s);
// "Tipi in comune tra i primi tre: 2 su 3. \u03c1 di Spearman: 0,928."
QString agreementText(const ProfileSnapshot& s);
// When other types share the highest analytic value, the one line that says
// so: "Tipo prevalente REALISTA, a pari merito con SOCIALE."; else empty.
QString prevailingTieText(const ProfileSnapshot& s);
// The rule behind the consistency and the "non distinti" mark, in one sentence.
QString consistencyRule();
// One characteristic as evidence: "robusto (massimo, peso 9%): 9,00", the
// contribution only with `contribution`.
QString evidenceText(int type, const EvidenceItem& item, const QLocale& locale, bool contribution);
// The evidence as a table: the header, then one row per type in type order:
// the type with its letter, the strongest and the lowest characteristics, one
// to a line, the lines joined by `lineEnd`.
QStringList evidenceHeader();
QList<QStringList> evidenceRows(const ProfileSnapshot& s, const QString& lineEnd);

// The heading of the warnings on the answers, in the window and the sheet.
inline constexpr char kResponseStyleHeading[] = "Attendibilit\u00e0 delle risposte";
// One warning in one sentence with its figures: "Giudizi uniformi: 58 giudizi
// su 72 sullo stesso passo, «medio»."
QString responseWarningText(const ResponseWarning& warning, const QLocale& locale);
// The warnings one to a line, or the one line that says nothing stands out.
QStringList responseStyleLines(const ProfileSnapshot& s);

// The chart of the two profiles: the self-image dashed in orange, the analytic
// result solid in dark blue.
HexagonChart profileChart(const ProfileSnapshot& s);
// The same two profiles, for a chart that shows them beside others.
ChartProfile syntheticChartProfile(const TypeHundredths& values, const QString& label);
ChartProfile analyticChartProfile(const TypeHundredths& values, const QString& label);

} // namespace tipolab
