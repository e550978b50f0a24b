#include "check.h"

#include "scoring.h"

namespace tipolab {

void applyDisplayDefaults(CharacteristicRow& row)
{
    for (int c = 1; c <= kCharacteristicCount; ++c) {
        CharacteristicEntry& e = row[c - 1];
        if (e.coefficient.isEmpty()) e.coefficient = Value::number(0);
        if (e.weight.isEmpty()) e.weight = Value::text(std::to_string(defaultWeight(c)));
    }
}

std::optional<double> displayedWeightedCoefficient(const CharacteristicRow& row)
{
    const TypeIndicators ind = computeTypeIndicators(row);
    if (ind.ticked == 0) return std::nullopt;
    return ind.weighted;
}

std::vector<std::string> missingForResults(const TypeJudgements& types,
                                           const CharacteristicTable& characteristics)
{
    std::vector<std::string> lines;
    for (int t = 1; t <= kTypeCount; ++t) {
        CharacteristicRow row = characteristics[t - 1];
        applyDisplayDefaults(row);
        bool allTicked = true;
        bool allJudged = true;
        for (const CharacteristicEntry& e : row) {
            allTicked = allTicked && e.isTicked();
            allJudged = allJudged && !e.word.isEmpty();
        }
        const std::string prefix = std::string(typeName(t)) + ": ";
        if (!allTicked) lines.push_back(prefix + std::string(kCheckTicks));
        if (!allJudged) lines.push_back(prefix + std::string(kCheckJudgements));
        if (weightRemainder(row) != 0) lines.push_back(prefix + std::string(kCheckWeights));
    }
    for (const Judgement& j : types) {
        if (j.word.isEmpty()) {
            lines.emplace_back(kCheckGeneral);
            break;
        }
    }
    return lines;
}

} // namespace tipolab
