// Local norms: where a person's value stands among the people the counsellor
// has assessed, as a percentile rank.
#pragma once

#include <span>
#include <vector>

namespace tipolab {

// Percentile ranks are shown from this many complete assessments on: below
// it one person more or less moves a rank by several points.
inline constexpr int kLocalNormsFrom = 30;

// The percentile rank of `value` in `group` (which holds it): 100 (B + E/2) / N,
// B the values below it and E those equal to it, rounded half up to a whole
// number. 0 for an empty group.
int percentileRank(std::span<const int> group, int value);
// The percentile rank of every value of `group` within it, in its order.
std::vector<int> percentileRanks(std::span<const int> group);

} // namespace tipolab
