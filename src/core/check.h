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

// What the data window's check finds missing in the characteristics of one
// type, once the type is displayed (display defaults filled in).
struct CharacteristicGaps {
    bool ticks = false;      // a row unticked
    bool judgements = false; // a row without a judgement
    bool weights = false;    // the weights do not add up to 100
    bool any() const { return ticks || judgements || weights; }
};
CharacteristicGaps characteristicGaps(CharacteristicRow row);

// The first type, in type order, whose characteristics have gaps; 0 when none has.
int firstIncompleteType(const CharacteristicTable& characteristics);

// Everything that keeps the assessment from giving results, for all six types:
// lines such as
// "REALISTA: - spuntare ognuna delle caratteristiche;", then the line of the
// general judgements. Empty when the assessment is complete.
std::vector<std::string> missingForResults(const TypeJudgements& types,
                                           const CharacteristicTable& characteristics);

} // namespace tipolab
