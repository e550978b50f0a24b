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

CharacteristicGaps characteristicGaps(CharacteristicRow row)
{
    applyDisplayDefaults(row);
    CharacteristicGaps gaps;
    for (const CharacteristicEntry& e : row) {
        gaps.ticks = gaps.ticks || !e.isTicked();
        gaps.judgements = gaps.judgements || e.word.isEmpty();
    }
    gaps.weights = weightRemainder(row) != 0;
    return gaps;
}

int firstIncompleteType(const CharacteristicTable& characteristics)
{
    for (int t = 1; t <= kTypeCount; ++t) {
        if (characteristicGaps(characteristics[t - 1]).any()) return t;
    }
    return 0;
}

std::vector<std::string> missingForResults(const TypeJudgements& types,
                                           const CharacteristicTable& characteristics)
{
    std::vector<std::string> lines;
    for (int t = 1; t <= kTypeCount; ++t) {
        const CharacteristicGaps gaps = characteristicGaps(characteristics[t - 1]);
        const std::string prefix = std::string(typeName(t)) + ": ";
        if (gaps.ticks) lines.push_back(prefix + std::string(kCheckTicks));
        if (gaps.judgements) lines.push_back(prefix + std::string(kCheckJudgements));
        if (gaps.weights) lines.push_back(prefix + std::string(kCheckWeights));
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
