// The completeness of an assessment, in the words of the data window's check.
#pragma once

#include "judgement.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tipolab {

inline constexpr std::string_view kCheckTicks = "- spuntare ognuna delle caratteristiche;";
inline constexpr std::string_view kCheckJudgements =
    "- assegnare un giudizio ad ogni caratteristica;";
inline constexpr std::string_view kCheckWeights = "- assegnare le percentuali fino al resto zero;";
inline constexpr std::string_view kCheckGeneral =
    "- esprimere i giudizi sintetici per ogni tipologia di personalit\u00e0 nella finestra "
    "precedente;";

// What a type displayed in the data window fills in: coefficient 0 where none
// is stored, the default weight where none is stored.
void applyDisplayDefaults(CharacteristicRow& row);

// W(t) as the data window stores it after displaying the type: nullopt when no
// characteristic is ticked, else the weighted coefficient.
std::optional<double> displayedWeightedCoefficient(const CharacteristicRow& row);

// Everything that keeps the assessment from giving results, for all six types
// (the window's own check looks only at the type on display): lines such as
// "REALISTA: - spuntare ognuna delle caratteristiche;", then the line of the
// general judgements. Empty when the assessment is complete.
std::vector<std::string> missingForResults(const TypeJudgements& types,
                                           const CharacteristicTable& characteristics);

} // namespace tipolab
