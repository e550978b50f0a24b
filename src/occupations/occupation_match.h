// How closely each occupation's interests match a person's profile: Pearson's
// r between the person's six relative percentages and the occupation's six
// interest scores, the occupations ranked by it, and how many of the
// occupation's high-point letters the person's three-letter code holds, so
// that the person can see why a profession is in the list.
#pragma once

#include "core/profile.h"
#include "occupation_table.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace tipolab {

// Pearson's correlation of two sets of six values; none when either has six
// equal values (a flat profile correlates with nothing).
std::optional<double> pearson(const std::array<int, kTypeCount>& a,
                              const std::array<int, kTypeCount>& b);

// r in thousandths, as it is shown (three decimals, half away from zero).
int thousandths(double r);

// How many of `letters` appear in `code` (a three-letter code as the profile
// writes it, a tied group included: "S(A/E)" holds S, A and E): 0..3.
int lettersInCommon(std::string_view letters, std::string_view code);

struct OccupationMatch {
    const Occupation* occupation = nullptr;
    int position = 0;     // 1.. in the whole ranking
    double r = 0;         // Pearson's r
    int rShown = 0;       // r in thousandths, as shown and as the ranking orders it
    int inCommon = 0;     // the occupation's letters in the person's code
};

struct OccupationRanking {
    std::string code;                    // the person's three-letter code
    std::vector<OccupationMatch> ranked; // empty for a flat profile
    bool flat = false;                   // six equal values: no ranking
};

// Every occupation ranked against `profile` (relative percentages in
// hundredths): r as shown descending, equal r by O*NET-SOC code ascending.
OccupationRanking rankOccupations(const TypeHundredths& profile);

// A set of skill levels: bit level - 1 for each level kept.
using LevelSet = unsigned;
inline constexpr LevelSet kAllLevels = (1u << kOccupationLevelCount) - 1;
inline bool hasLevel(LevelSet levels, int level)
{
    return level >= 1 && level <= kOccupationLevelCount && (levels >> (level - 1)) & 1u;
}

// The matches of the levels in `levels`, at most `count` of them (0: all), in
// ranking order; each keeps its position in the whole ranking.
std::vector<OccupationMatch> matchesOfLevels(const OccupationRanking& ranking, LevelSet levels,
                                             std::size_t count = 0);

} // namespace tipolab
