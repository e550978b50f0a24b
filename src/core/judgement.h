// What is stored for one judged item: a type's general judgement or one
// characteristic of a type with its weight.
#pragma once

#include "model.h"
#include "value.h"

#include <array>

namespace tipolab {

struct Judgement {
    Value tick;        // 0 or 1
    Value word;        // step word, "" after a clear
    Value step;        // "1".."11" as text, "" after a clear
    Value coefficient; // (11 - step) / 10 in single precision; 0 when unticked
    bool operator==(const Judgement&) const = default;

    bool isTicked() const { return tick.toNumber() != 0; }

    // Unticked: the judgement is withdrawn whole, coefficient 0, word and
    // step empty (kept, they would be saved and shown again by the next open).
    void withdraw()
    {
        coefficient = Value::number(0);
        word = Value::text({});
        step = Value::text({});
    }
};

struct CharacteristicEntry : Judgement {
    Value weight; // whole percent, as text ("9"); the number 8 or 9 after a clear
    bool operator==(const CharacteristicEntry&) const = default;
};

using TypeJudgements = std::array<Judgement, kTypeCount>;
using CharacteristicRow = std::array<CharacteristicEntry, kCharacteristicCount>;
using CharacteristicTable = std::array<CharacteristicRow, kTypeCount>;

} // namespace tipolab
