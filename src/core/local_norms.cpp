#include "local_norms.h"

#include <algorithm>

namespace tipolab {

namespace {

// 100 (2B + E) / 2N, half up, in whole numbers.
int rank(long long below, long long equal, long long n)
{
    return static_cast<int>((100 * (2 * below + equal) + n) / (2 * n));
}

} // namespace

int percentileRank(std::span<const int> group, int value)
{
    if (group.empty()) return 0;
    long long below = 0, equal = 0;
    for (int v : group) {
        if (v < value)
            ++below;
        else if (v == value)
            ++equal;
    }
    return rank(below, equal, static_cast<long long>(group.size()));
}

std::vector<int> percentileRanks(std::span<const int> group)
{
    std::vector<int> sorted(group.begin(), group.end());
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> ranks;
    ranks.reserve(group.size());
    for (int v : group) {
        const auto [first, last] = std::equal_range(sorted.begin(), sorted.end(), v);
        ranks.push_back(rank(first - sorted.begin(), last - first,
                             static_cast<long long>(sorted.size())));
    }
    return ranks;
}

} // namespace tipolab
