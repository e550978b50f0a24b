// The professions that fit a profile, as the window, the sheet and the tool
// show them: the ranking of occupations/occupation_match.h with the person's
// codes, numbers in the user's regional settings, the method in a sentence
// and the notices the data sets ask for.
#pragma once

#include "core/profile.h"
#include "occupations/occupation_match.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace tipolab {

// What the professions window and sheet show.
struct ProfessionsSnapshot {
    bool synthetic = false; // matched on the self-image rather than the analytic profile
    std::string syntheticCode;
    std::string analyticCode;
    OccupationRanking ranking; // of the profile matched
    QLocale locale;            // the decimal separator of r
};

// The ranking of the analytic profile (relative percentages as the results
// window shows them) or, with `synthetic`, of the self-image.
ProfessionsSnapshot professionsSnapshot(const Results& results, bool synthetic,
                                        const QLocale& locale = QLocale());
// The same from the two profiles' values (sint.rel. and anal.rel., hundredths).
ProfessionsSnapshot professionsSnapshot(const TypeHundredths& self, const TypeHundredths& analytic,
                                        bool synthetic, const QLocale& locale);

inline constexpr char kProfessionsTitle[] = "Professioni affini";
// What stands in place of the ranking of a flat profile.
inline constexpr char kFlatProfile[] =
    "Profilo piatto: i sei valori sono uguali, nessuna professione \u00e8 pi\u00f9 affine di "
    "un'altra.";

// r with three decimals and the locale's separator: "0,872", "-0,105".
QString affinityText(int thousandths, const QLocale& locale);
QString levelText(int level); // "2 \u2013 diploma o qualifica professionale"
// "analitico (come \u00e8)" or "sintetico (come crede di essere)".
QString matchedProfileName(const ProfessionsSnapshot& s);
// "Codice sintetico: SAE; codice analitico: S(A/E)."
QString codesText(const ProfessionsSnapshot& s);
// How the list is made, in one sentence, and what it is for, in another.
QString methodText();
QString purposeText();

// The columns of the ranking in the window and the sheet.
QStringList professionsHeader();
QStringList professionsRow(const OccupationMatch& m, const QLocale& locale);

// The notices of the data sets: each in English, as its owners word it, then in Italian.
QStringList attributionLines();
// The one line the sheet carries in their place.
QString attributionShort();

} // namespace tipolab
