// Everything entered for the one examined person, and what is derived from it.
// Lives from start to end of the program and is shared by all windows.
#pragma once

#include "core/judgement.h"

#include <array>
#include <optional>

namespace tipolab {

struct AssessmentData {
    TypeJudgements types;                // general judgement of type t at [t - 1]
    CharacteristicTable characteristics; // characteristic c of type t at [t - 1][c - 1]
    // W(t): three decimals, or nullopt (the number 0) when no characteristic of
    // the type is ticked.
    std::array<std::optional<double>, kTypeCount> weighted{};
    int currentType = 1;    // type on display in the data window
    int prevailingType = 0; // set by the results computation
    // Set to 1 by a caller that runs the data check silently; the check clears
    // it when the data are complete.
    int checkFlag = 0;

    Judgement& type(int t) { return types[t - 1]; }
    const Judgement& type(int t) const { return types[t - 1]; }
    CharacteristicEntry& characteristic(int t, int c) { return characteristics[t - 1][c - 1]; }
    const CharacteristicEntry& characteristic(int t, int c) const
    {
        return characteristics[t - 1][c - 1];
    }
};

} // namespace tipolab
