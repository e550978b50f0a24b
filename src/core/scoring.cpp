#include "scoring.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace tipolab {
namespace {

float coefficientOf(const Judgement& j)
{
    return static_cast<float>(j.coefficient.toNumber());
}

// `x` written with `digits` significant digits (as printf's "%.*g" writes it)
// and read back: the value a person reading the number would take.
double throughDecimalText(double x, int digits)
{
    char buf[64];
    const auto written =
        std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, digits);
    double value = 0;
    std::from_chars(buf, written.ptr, value, std::chars_format::general);
    return value;
}

std::string_view wordOrMassimo(int step)
{
    return (step >= 1 && step <= kStepCount) ? stepWord(step) : stepWord(1);
}

} // namespace

double dec1(double x)
{
    return std::floor(x * 10 + 0.5) / 10;
}

double dec3(double x)
{
    return std::floor(x * 1000 + 0.5) / 1000;
}

double twoDecimalValue(float coefficient)
{
    // The product in single precision, then its decimal text (seven significant
    // digits), read back and divided: 0.9f * 100 reads "90", so 0.9 exactly.
    // A judgement's coefficient is one of a few values: each is worked out once.
    struct Known {
        std::uint32_t bits = 0;
        bool set = false;
        double value = 0;
    };
    static thread_local std::array<Known, 64> known;
    std::uint32_t bits;
    std::memcpy(&bits, &coefficient, sizeof bits);
    Known& slot = known[(bits ^ (bits >> 7) ^ (bits >> 17)) % known.size()];
    if (slot.set && slot.bits == bits) return slot.value;
    const float hundredths = coefficient * 100.0f;
    const double value = throughDecimalText(static_cast<double>(hundredths), 7) / 100;
    slot = {bits, true, value};
    return value;
}

double roundHalfAwayFromZero(double x, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double scaled = x * scale;
    // Fifteen significant digits move the value by at most half a unit of
    // its fifteenth digit: further than that from a half, rounding the text
    // rounds the value itself.
    const double fromHalf = std::fabs(std::fabs(scaled - std::trunc(scaled)) - 0.5);
    if (fromHalf > std::max(std::fabs(scaled), 1.0) * 1e-14) return std::round(scaled) / scale;
    return std::round(throughDecimalText(scaled, 15)) / scale;
}

std::optional<double> meanSyntheticCoefficient(const TypeJudgements& types)
{
    double sum = 0;
    int ticked = 0;
    for (const Judgement& j : types) {
        sum += twoDecimalValue(coefficientOf(j));
        if (j.isTicked()) ++ticked;
    }
    if (ticked == 0) return std::nullopt;
    return dec3(sum / ticked);
}

std::string overallJudgementText(double meanStep)
{
    const int whole = static_cast<int>(std::floor(meanStep));
    std::string text = "Giudizio complessivo: ";
    text += wordOrMassimo(whole);
    if (meanStep != whole) {
        text += '-';
        text += wordOrMassimo(whole + 1);
    }
    return text;
}

int weightRemainder(const CharacteristicRow& row)
{
    double sum = 0;
    for (const CharacteristicEntry& e : row)
        sum += e.weight.toNumber();
    return static_cast<int>(100 - sum);
}

double weightedCoefficient(const CharacteristicRow& row)
{
    double p = 0;
    for (const CharacteristicEntry& e : row)
        p += static_cast<double>(coefficientOf(e)) * e.weight.toNumber();
    return std::floor(p * 10 + 0.5) / 1000;
}

TypeIndicators computeTypeIndicators(const CharacteristicRow& row)
{
    TypeIndicators out;
    double stepSum = 0;
    double coefficientSum = 0;
    for (const CharacteristicEntry& e : row) {
        coefficientSum += twoDecimalValue(coefficientOf(e));
        if (e.isTicked()) {
            ++out.ticked;
            stepSum += e.step.toNumber();
        }
    }
    out.remainder = weightRemainder(row);
    if (out.ticked == 0) return out;
    out.meanStep = dec1(stepSum / out.ticked);
    out.meanCoefficient = dec3(coefficientSum / out.ticked);
    out.overallJudgement = overallJudgementText(*out.meanStep);
    out.weighted = weightedCoefficient(row);
    return out;
}

Results computeResults(const TypeJudgements& types,
                       const std::array<std::optional<double>, kTypeCount>& weighted)
{
    std::array<double, kTypeCount> sintAss{};
    std::array<double, kTypeCount> anaAss{};
    double sa = 0;
    double sb = 0;
    for (int i = 0; i < kTypeCount; ++i) {
        sintAss[i] = roundHalfAwayFromZero(twoDecimalValue(coefficientOf(types[i])) * 100, 2);
        anaAss[i] = weighted[i] ? roundHalfAwayFromZero(*weighted[i] * 100, 2) : 0.0;
        sa += sintAss[i];
        sb += anaAss[i];
    }

    // Passes of neighbour exchanges until one makes none: a stable ranking by
    // W, with a type that has no W below one whose W is 0.
    auto less = [](const std::optional<double>& a, const std::optional<double>& b) {
        if (!a) return b.has_value();
        return b && *a < *b;
    };
    Results out;
    std::array<std::optional<double>, kTypeCount> key = weighted;
    for (int i = 0; i < kTypeCount; ++i)
        out.typeOfRow[i] = i + 1;
    for (bool exchanged = true; exchanged;) {
        exchanged = false;
        for (int r = 0; r + 1 < kTypeCount; ++r) {
            if (less(key[r], key[r + 1])) {
                std::swap(key[r], key[r + 1]);
                std::swap(out.typeOfRow[r], out.typeOfRow[r + 1]);
                exchanged = true;
            }
        }
    }

    for (int r = 0; r < kTypeCount; ++r) {
        const int t = out.typeOfRow[r] - 1;
        TypeResult& res = out.row[r];
        res.sintAss = sintAss[t];
        res.anaAss = anaAss[t];
        res.sintRel = sa == 0 ? 0 : roundHalfAwayFromZero(sintAss[t] * 100 / sa, 2);
        res.anaRel = sb == 0 ? 0 : roundHalfAwayFromZero(anaAss[t] * 100 / sb, 2);
    }
    out.prevailingType = out.typeOfRow[0];
    return out;
}

std::string resultsHeading(const std::string& persona)
{
    return "Dall'esame \u00e8 risultato che, per la maggior percentuale, " + persona +
           " \u00e8 di tipo:";
}

} // namespace tipolab
