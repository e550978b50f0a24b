#include "comparison.h"

namespace tipolab {
namespace {

ProfileCodes codesOf(const Results& results)
{
    return {threeLetterCode(relativeByType(results, false)),
            threeLetterCode(relativeByType(results, true))};
}

} // namespace

TypeMeasures typeMeasures(const Results& results, int t)
{
    for (int r = 0; r < kTypeCount; ++r) {
        if (results.typeOfRow[r] != t) continue;
        const TypeResult& v = results.row[r];
        return {hundredths(v.sintAss), hundredths(v.anaAss), hundredths(v.sintRel),
                hundredths(v.anaRel)};
    }
    return {};
}

Comparison compareResults(const Results& before, const Results& after)
{
    Comparison out;
    for (int t = 1; t <= kTypeCount; ++t) {
        TypeComparison& c = out.types[t - 1];
        c.before = typeMeasures(before, t);
        c.after = typeMeasures(after, t);
        for (int m = 0; m < kMeasureCount; ++m)
            c.change[m] = c.after[m] - c.before[m];
    }
    out.prevailingBefore = before.prevailingType;
    out.prevailingAfter = after.prevailingType;
    out.codesBefore = codesOf(before);
    out.codesAfter = codesOf(after);
    return out;
}

} // namespace tipolab
