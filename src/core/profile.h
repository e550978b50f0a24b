// The shape of a person's profile, read from the relative percentages the
// results show: the three-letter codes, the differences between the
// self-image (sint.rel.) and the analytic result (anal.rel.), how far the two
// rankings agree, the differentiation and consistency of each profile, and the
// characteristics behind each type's analytic value.
//
// Every figure works on the percentages as they are displayed, two decimals,
// held here as whole hundredths of a point so that differences are exact.
#pragma once

#include "judgement.h"
#include "scoring.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tipolab {

// Percentages in hundredths of a point, by type: type t at [t - 1].
using TypeHundredths = std::array<int, kTypeCount>;

// The first two types of a profile count as not distinct when they are less
// than this apart (2 points): one step more or less on a single judgement
// moves a relative percentage by about that much.
inline constexpr int kNotDistinctBelow = 200;
// A difference between self-image and analytic result smaller than this
// (2 points) is not called an over- or underrating.
inline constexpr int kSelfImageCloseBelow = 200;
// How many characteristics the evidence of a type names on each side.
inline constexpr int kEvidenceCount = 3;

// The letter of type t on the hexagon: R, I, A, S, E, C.
char typeLetter(int t);
// Steps between types a and b around the hexagon (R and C are neighbours): 0..3.
int hexagonDistance(int a, int b);

// A value shown with two decimals, as whole hundredths (29.03 gives 2903).
int hundredths(double displayed);
// The relative percentages of `results` by type: sint.rel. or anal.rel.
TypeHundredths relativeByType(const Results& results, bool analytic);

// Types 1..6 in descending order of value; equal values keep type order.
std::array<int, kTypeCount> descendingTypes(const TypeHundredths& values);

// The letters of the three highest types in descending order. Equal values
// form a group, written in type order between parentheses with slashes;
// groups are taken from the top until three letters are covered, so a tie
// across the third place brings all its members: "S(A/E)", "(A/S)E",
// "SA(E/C)", "(R/I/A/S/E/C)".
std::string threeLetterCode(const TypeHundredths& values);

enum class Consistency { High, Medium, Low };
// "alta", "media", "bassa".
std::string_view consistencyWord(Consistency c);
// Neighbours (distance 1) alta, one type between (2) media, opposite (3) bassa.
Consistency consistencyOfDistance(int distance);

struct ProfileShape {
    std::string code;        // threeLetterCode
    int differentiation = 0; // highest minus lowest, hundredths
    // The first two types in descending order, type order on ties.
    int first = 1;
    int second = 2;
    int firstGap = 0; // value of `first` minus value of `second`, hundredths
    // The types that share the value of `first`, after it in type order.
    std::vector<int> tiedWithFirst;
    bool notDistinct = true;                     // firstGap < kNotDistinctBelow
    Consistency consistency = Consistency::High; // hexagon distance of `first` and `second`
};
ProfileShape profileShape(const TypeHundredths& values);

// How many of the first three types (descending order, type order on ties)
// the two profiles share: 0..3.
int sharedTopThree(const TypeHundredths& a, const TypeHundredths& b);
// Spearman's rho of the six values: the Pearson correlation of their average
// ranks, rounded to three decimals; none when either profile has six equal values.
std::optional<double> spearmanRho(const TypeHundredths& a, const TypeHundredths& b);

// One characteristic as evidence: its judgement, its weight and what it adds to
// the type's analytic value (weight x coefficient, in hundredths of a point).
struct EvidenceItem {
    int characteristic = 0; // 1..12
    int step = 0;           // 1..11
    int weight = 0;         // percent
    int coefficient = 0;    // hundredths: 100 for "massimo" .. 0 for "nullo"
    int contribution = 0;   // weight x coefficient, hundredths of a point
    bool operator==(const EvidenceItem&) const = default;
};
struct TypeEvidence {
    // The kEvidenceCount largest contributions, largest first (ties in
    // characteristic order).
    std::vector<EvidenceItem> strongest;
    // The kEvidenceCount lowest judgements among the others, lowest first
    // (ties in characteristic order).
    std::vector<EvidenceItem> lowest;
};
// The step of a ticked judgement: its number, or, when the file left it out
// of the scale, the step its coefficient stands for.
int judgedStep(const Judgement& j);

// The evidence of one complete type (every characteristic ticked and judged).
TypeEvidence typeEvidence(const CharacteristicRow& row);

struct Profile {
    TypeHundredths synthetic{};  // sint.rel. by type
    TypeHundredths analytic{};   // anal.rel. by type
    TypeHundredths difference{}; // analytic minus synthetic
    ProfileShape syntheticShape;
    ProfileShape analyticShape;
    int sharedTopThree = 0;
    std::optional<double> spearman;
    std::array<TypeEvidence, kTypeCount> evidence;
};

// The profile of a complete assessment whose results are `results`.
Profile computeProfile(const Results& results, const CharacteristicTable& characteristics);
Profile computeProfile(const TypeHundredths& synthetic, const TypeHundredths& analytic,
                       const CharacteristicTable& characteristics);

// Hundredths as a decimal text with two decimals and `separator`; with
// `sign`, a "+" before positive values.
std::string hundredthsText(int value, std::string_view separator, bool sign = false);

// One sentence on where the self-image departs most from the analytic result:
// the two largest differences that reach kSelfImageCloseBelow, in points.
std::string selfImageSentence(const TypeHundredths& difference, std::string_view separator);

} // namespace tipolab
