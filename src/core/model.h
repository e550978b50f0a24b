// The fixed vocabulary of an assessment: the six personality types, the twelve
// characteristics of each, the eleven-step judgement scale and the default weights.
#pragma once

#include <string_view>

namespace tipolab {

inline constexpr int kTypeCount = 6;
inline constexpr int kCharacteristicCount = 12;
inline constexpr int kStepCount = 11;

// Type t in 1..6, in the order REALISTA .. CONVENZIONALE.
std::string_view typeName(int t);
// Characteristic c in 1..12 of type t; names repeat across types on purpose.
std::string_view characteristicName(int t, int c);

// Step n in 1..11, 1 = "massimo" (best) to 11 = "nullo" (worst).
std::string_view stepWord(int n);
// The scale button caption, trailing blanks included.
std::string_view stepCaption(int n);
std::string_view stepTooltip(int n);
// (11 - n) / 10, computed in single precision.
float stepCoefficient(int n);
// The step whose word is `word`, or 0 when it is none.
int stepOfWord(std::string_view word);

// 9 for characteristics 1..4, 8 for 5..12.
int defaultWeight(int c);

} // namespace tipolab
