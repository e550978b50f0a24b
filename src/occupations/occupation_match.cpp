#include "occupation_match.h"

#include <algorithm>
#include <cmath>

namespace tipolab {

std::optional<double> pearson(const std::array<int, kTypeCount>& a,
                              const std::array<int, kTypeCount>& b)
{
    double meanA = 0, meanB = 0;
    for (int t = 0; t < kTypeCount; ++t) {
        meanA += a[t];
        meanB += b[t];
    }
    meanA /= kTypeCount;
    meanB /= kTypeCount;
    double ab = 0, aa = 0, bb = 0;
    for (int t = 0; t < kTypeCount; ++t) {
        const double da = a[t] - meanA, db = b[t] - meanB;
        ab += da * db;
        aa += da * da;
        bb += db * db;
    }
    if (aa == 0 || bb == 0) return std::nullopt;
    return std::clamp(ab / std::sqrt(aa * bb), -1.0, 1.0);
}

int thousandths(double r)
{
    return static_cast<int>(std::lround(r * 1000));
}

int lettersInCommon(std::string_view letters, std::string_view code)
{
    int common = 0;
    for (char letter : letters) {
        if (code.find(letter) != std::string_view::npos) ++common;
    }
    return common;
}

OccupationRanking rankOccupations(const TypeHundredths& profile)
{
    OccupationRanking ranking;
    ranking.code = threeLetterCode(profile);
    const auto all = occupations();
    ranking.ranked.reserve(all.size());
    for (const Occupation& o : all) {
        const std::optional<double> r = pearson(profile, o.scores);
        if (!r) {
            // The person's values are all equal (no occupation has six equal scores).
            ranking.ranked.clear();
            ranking.flat = true;
            return ranking;
        }
        ranking.ranked.push_back(
            {&o, 0, *r, thousandths(*r), lettersInCommon(o.letters, ranking.code)});
    }
    std::sort(ranking.ranked.begin(), ranking.ranked.end(),
              [](const OccupationMatch& x, const OccupationMatch& y) {
                  if (x.rShown != y.rShown) return x.rShown > y.rShown;
                  return x.occupation->code < y.occupation->code;
              });
    for (std::size_t i = 0; i < ranking.ranked.size(); ++i)
        ranking.ranked[i].position = static_cast<int>(i + 1);
    return ranking;
}

std::vector<OccupationMatch> matchesOfLevels(const OccupationRanking& ranking, LevelSet levels,
                                             std::size_t count)
{
    std::vector<OccupationMatch> kept;
    for (const OccupationMatch& m : ranking.ranked) {
        if (count && kept.size() == count) break;
        if (hasLevel(levels, m.occupation->level)) kept.push_back(m);
    }
    return kept;
}

} // namespace tipolab
