#include "response_style.h"

#include "profile.h"

#include <algorithm>

namespace tipolab {

std::string_view responseWarningKey(ResponseWarningKind kind)
{
    return kResponseWarningKeys[static_cast<std::size_t>(kind)];
}

std::string_view responseWarningTitle(ResponseWarningKind kind)
{
    static constexpr std::array<std::string_view, kResponseWarningKindCount> titles = {
        "Giudizi uniformi", "Solo gli estremi", "Tipi giudicati in blocco",
        "Giudizi generali tutti uguali", "Immagine di s\u00e9 e test in contrasto"};
    return titles[static_cast<std::size_t>(kind)];
}

std::vector<ResponseWarning> responseWarnings(const TypeJudgements& general,
                                              const CharacteristicTable& characteristics,
                                              std::optional<double> spearman)
{
    std::array<int, kStepCount + 1> onStep{}; // judgements on step n at [n]
    std::array<int, kTypeCount> blockStep{};
    int typesInBlock = 0;
    for (int t = 1; t <= kTypeCount; ++t) {
        const CharacteristicRow& row = characteristics[t - 1];
        const int first = judgedStep(row[0]);
        bool oneStep = true;
        for (const CharacteristicEntry& e : row) {
            const int step = judgedStep(e);
            ++onStep[step];
            oneStep = oneStep && step == first;
        }
        if (oneStep) {
            blockStep[t - 1] = first;
            ++typesInBlock;
        }
    }

    std::vector<ResponseWarning> out;
    const auto mostJudged = std::max_element(onStep.begin() + 1, onStep.end());
    if (*mostJudged >= judgementsForShare(kUniformSharePercent)) {
        ResponseWarning w;
        w.kind = ResponseWarningKind::Uniform;
        w.count = *mostJudged;
        w.step = static_cast<int>(mostJudged - onStep.begin());
        out.push_back(w);
    }
    const int atTheEnds = onStep[1] + onStep[kStepCount];
    if (atTheEnds >= judgementsForShare(kExtremesSharePercent)) {
        ResponseWarning w;
        w.kind = ResponseWarningKind::Extremes;
        w.count = atTheEnds;
        out.push_back(w);
    }
    if (typesInBlock >= kInBlockTypesFrom) {
        ResponseWarning w;
        w.kind = ResponseWarningKind::InBlock;
        w.blockStep = blockStep;
        out.push_back(w);
    }
    const int generalStep = judgedStep(general[0]);
    if (std::all_of(general.begin(), general.end(),
                    [&](const Judgement& j) { return judgedStep(j) == generalStep; })) {
        ResponseWarning w;
        w.kind = ResponseWarningKind::GeneralEqual;
        w.count = kTypeCount;
        w.step = generalStep;
        out.push_back(w);
    }
    if (spearman && *spearman <= kContrastRhoAtMost) {
        ResponseWarning w;
        w.kind = ResponseWarningKind::Contrast;
        w.rho = *spearman;
        out.push_back(w);
    }
    return out;
}

} // namespace tipolab
