// Two assessments of one person side by side, an earlier one and a later one:
// for every type the four percentages of each as the results show them (two
// decimals) and how much each changed, the prevailing type of each and the
// three-letter codes of both profiles of each.
#pragma once

#include "profile.h"
#include "scoring.h"

#include <array>
#include <string>

namespace tipolab {

// The four percentages of a type, in the order of the results table.
enum class Measure { SintAss, AnalAss, SintRel, AnalRel };
inline constexpr int kMeasureCount = 4;

// The four percentages of a type as displayed, in hundredths of a point, in
// Measure order.
using TypeMeasures = std::array<int, kMeasureCount>;

// The four percentages of type t (1..6) in `results`.
TypeMeasures typeMeasures(const Results& results, int t);

struct TypeComparison {
    TypeMeasures before{};
    TypeMeasures after{};
    TypeMeasures change{}; // after minus before
    bool operator==(const TypeComparison&) const = default;
};

// The three-letter codes of one assessment's two profiles.
struct ProfileCodes {
    std::string synthetic; // of sint.rel.
    std::string analytic;  // of anal.rel.
    bool operator==(const ProfileCodes&) const = default;
};

struct Comparison {
    std::array<TypeComparison, kTypeCount> types; // type t at [t - 1]
    int prevailingBefore = 0;
    int prevailingAfter = 0;
    ProfileCodes codesBefore;
    ProfileCodes codesAfter;
    bool prevailingChanged() const { return prevailingBefore != prevailingAfter; }
    bool operator==(const Comparison&) const = default;
};

// The comparison of two complete assessments whose results are `before` and `after`.
Comparison compareResults(const Results& before, const Results& after);

} // namespace tipolab
