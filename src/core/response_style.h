// How far the answers of a complete assessment can be trusted: patterns in
// the 72 characteristic judgements and the six general judgements that say
// little about the person (every judgement on one step, only the two ends of
// the scale, whole types judged in one go, six equal general judgements), and
// a self-image that runs against the test's ranking. Each rule is a plain
// reading rule a counsellor can defend, not a statistical norm.
#pragma once

#include "judgement.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace tipolab {

inline constexpr int kCharacteristicJudgementCount = kTypeCount * kCharacteristicCount; // 72

// Giudizi uniformi: at least this share (percent) of the 72 judgements on one step.
inline constexpr int kUniformSharePercent = 75;
// Solo gli estremi: at least this share (percent) of the 72 judgements on the
// first and the last step together.
inline constexpr int kExtremesSharePercent = 75;
// Tipi giudicati in blocco: a warning only when at least this many types have
// all their characteristics on one step; a single such type may be genuine.
inline constexpr int kInBlockTypesFrom = 2;
// Immagine di sé e test in contrasto: Spearman's rho at or below this.
inline constexpr double kContrastRhoAtMost = -0.5;

// The least number of the 72 judgements that reaches `percent` of them.
constexpr int judgementsForShare(int percent)
{
    return (percent * kCharacteristicJudgementCount + 99) / 100;
}

// In the order the warnings are listed.
enum class ResponseWarningKind { Uniform, Extremes, InBlock, GeneralEqual, Contrast };
inline constexpr int kResponseWarningKindCount = 5;

// The short key of each warning, as the tool's CSV and the class register
// write them, in the order of ResponseWarningKind.
inline constexpr std::array<std::string_view, kResponseWarningKindCount> kResponseWarningKeys = {
    "uniformi", "estremi", "in_blocco", "generali_uguali", "contrasto"};
std::string_view responseWarningKey(ResponseWarningKind kind);
// Its name in words, as the profile and the register show it: "Giudizi uniformi".
std::string_view responseWarningTitle(ResponseWarningKind kind);

struct ResponseWarning {
    ResponseWarningKind kind = ResponseWarningKind::Uniform;
    // Uniform: the judgements on `step`; Extremes: the judgements on the first
    // and last step; GeneralEqual: the general judgements (6).
    int count = 0;
    int step = 0; // Uniform, GeneralEqual
    // InBlock: the step of every characteristic of type t at [t - 1], 0 for
    // a type judged on more than one step.
    std::array<int, kTypeCount> blockStep{};
    double rho = 0; // Contrast
};

// The warnings of a complete assessment, in the order of ResponseWarningKind;
// none when nothing stands out. `spearman` is the profile's rho.
std::vector<ResponseWarning> responseWarnings(const TypeJudgements& general,
                                              const CharacteristicTable& characteristics,
                                              std::optional<double> spearman);

} // namespace tipolab
