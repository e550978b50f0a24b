// Every computation on the judgements: the mean coefficients, the indicators of
// one type, the weighted coefficient and the ranked results. Numbers only: the
// windows format them with the user's decimal separator.
#pragma once

#include "judgement.h"

#include <array>
#include <optional>
#include <string>

namespace tipolab {

// Half-up roundings of non-negative values: floor(x * 10^d + 0.5) / 10^d.
double dec1(double x);
double dec3(double x);

// A single-precision coefficient read as the two-decimal number it stands for
// (0.9f gives exactly the double nearest 0.9), so sums carry no float noise.
double twoDecimalValue(float coefficient);

// Rounds half away from zero to `decimals` places on the decimal digits of x
// (15 significant digits), as a person would round the printed number.
double roundHalfAwayFromZero(double x, int decimals);

// Mean of the general coefficients of the ticked types, dec3; nullopt when no
// type is ticked (the window then shows "0").
std::optional<double> meanSyntheticCoefficient(const TypeJudgements& types);

// The indicators of one type on display in the data window.
struct TypeIndicators {
    int ticked = 0;                        // n
    std::optional<double> meanStep;        // dec1; nullopt when n = 0
    std::optional<double> meanCoefficient; // dec3; nullopt when n = 0
    std::string overallJudgement;          // "Giudizio complessivo: ..." (only when n > 0)
    int remainder = 0;                     // 100 - sum of the weights
    double weighted = 0;                   // W(t), three decimals
};
TypeIndicators computeTypeIndicators(const CharacteristicRow& row);

// The overall-judgement text for a mean step v as shown with one decimal.
std::string overallJudgementText(double meanStep);

// 100 minus the sum of the twelve weights.
int weightRemainder(const CharacteristicRow& row);
// floor(sum C x w * 10 + 0.5) / 1000.
double weightedCoefficient(const CharacteristicRow& row);

// The four percentages of one type.
struct TypeResult {
    double sintAss = 0;
    double anaAss = 0;
    double sintRel = 0;
    double anaRel = 0;
};

struct Results {
    std::array<int, kTypeCount> typeOfRow{};  // row r (0-based) shows this type (1..6)
    std::array<TypeResult, kTypeCount> row{}; // by row
    int prevailingType = 0;                   // type in row 1
};

// The results from the general coefficients S(t) and the weighted coefficients
// W(t) (nullopt for a type with no ticked characteristic, which ranks below a
// type whose W is 0.000). Equal keys keep type order. Where a total is 0 every
// relative value of that column is 0.
Results computeResults(const TypeJudgements& types,
                       const std::array<std::optional<double>, kTypeCount>& weighted);

// "Dall'esame è risultato che, per la maggior percentuale, <persona> è di tipo:"
std::string resultsHeading(const std::string& persona);

} // namespace tipolab
