#include "profile.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>

namespace tipolab {
namespace {

constexpr char kLetters[kTypeCount] = {'R', 'I', 'A', 'S', 'E', 'C'};

std::string typeText(int t)
{
    return std::string(typeName(t));
}

// Twice the average rank of each value (rank 1 the highest): whole numbers,
// so that the sums of the correlation are exact.
std::array<long long, kTypeCount> doubledRanks(const TypeHundredths& values)
{
    std::array<long long, kTypeCount> out{};
    for (int i = 0; i < kTypeCount; ++i) {
        long long greater = 0;
        long long equal = 0;
        for (int j = 0; j < kTypeCount; ++j) {
            if (values[j] > values[i]) ++greater;
            if (values[j] == values[i]) ++equal;
        }
        // The tied places run from greater + 1 to greater + equal.
        out[i] = 2 * greater + equal + 1;
    }
    return out;
}

std::array<int, 3> topThree(const TypeHundredths& values)
{
    const std::array<int, kTypeCount> order = descendingTypes(values);
    return {order[0], order[1], order[2]};
}

// "2" for 200 hundredths, "2,50" for 250.
std::string pointsText(int value, std::string_view separator)
{
    if (value % 100 == 0) return std::to_string(value / 100);
    return hundredthsText(value, separator);
}

int coefficientHundredths(const Judgement& j)
{
    return hundredths(twoDecimalValue(static_cast<float>(j.coefficient.toNumber())));
}

} // namespace

char typeLetter(int t)
{
    return (t >= 1 && t <= kTypeCount) ? kLetters[t - 1] : '?';
}

int hexagonDistance(int a, int b)
{
    const int d = std::abs(a - b) % kTypeCount;
    return std::min(d, kTypeCount - d);
}

int hundredths(double displayed)
{
    return static_cast<int>(std::lround(displayed * 100));
}

TypeHundredths relativeByType(const Results& results, bool analytic)
{
    TypeHundredths out{};
    for (int r = 0; r < kTypeCount; ++r) {
        const int t = results.typeOfRow[r];
        if (t < 1 || t > kTypeCount) continue;
        out[t - 1] = hundredths(analytic ? results.row[r].anaRel : results.row[r].sintRel);
    }
    return out;
}

std::array<int, kTypeCount> descendingTypes(const TypeHundredths& values)
{
    std::array<int, kTypeCount> order{};
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return values[a - 1] > values[b - 1]; });
    return order;
}

std::string threeLetterCode(const TypeHundredths& values)
{
    const std::array<int, kTypeCount> order = descendingTypes(values);
    std::string code;
    for (int i = 0; i < 3;) {
        // The group of types equal to order[i]; the stable order keeps them in
        // type order, which is the order around the hexagon.
        int end = i + 1;
        while (end < kTypeCount && values[order[end] - 1] == values[order[i] - 1])
            ++end;
        if (end - i == 1) {
            code += typeLetter(order[i]);
        } else {
            code += '(';
            for (int k = i; k < end; ++k) {
                if (k > i) code += '/';
                code += typeLetter(order[k]);
            }
            code += ')';
        }
        i = end;
    }
    return code;
}

std::string_view consistencyWord(Consistency c)
{
    switch (c) {
    case Consistency::High:
        return "alta";
    case Consistency::Medium:
        return "media";
    case Consistency::Low:
        break;
    }
    return "bassa";
}

Consistency consistencyOfDistance(int distance)
{
    if (distance <= 1) return Consistency::High;
    return distance == 2 ? Consistency::Medium : Consistency::Low;
}

ProfileShape profileShape(const TypeHundredths& values)
{
    const std::array<int, kTypeCount> order = descendingTypes(values);
    const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
    ProfileShape out;
    out.code = threeLetterCode(values);
    out.differentiation = *highest - *lowest;
    out.first = order[0];
    out.second = order[1];
    out.firstGap = values[out.first - 1] - values[out.second - 1];
    for (int i = 1; i < kTypeCount && values[order[i] - 1] == values[out.first - 1]; ++i)
        out.tiedWithFirst.push_back(order[i]);
    out.notDistinct = out.firstGap < kNotDistinctBelow;
    out.consistency = consistencyOfDistance(hexagonDistance(out.first, out.second));
    return out;
}

int sharedTopThree(const TypeHundredths& a, const TypeHundredths& b)
{
    const std::array<int, 3> ta = topThree(a);
    const std::array<int, 3> tb = topThree(b);
    return static_cast<int>(std::count_if(ta.begin(), ta.end(), [&](int t) {
        return std::find(tb.begin(), tb.end(), t) != tb.end();
    }));
}

std::optional<double> spearmanRho(const TypeHundredths& a, const TypeHundredths& b)
{
    const std::array<long long, kTypeCount> x = doubledRanks(a);
    const std::array<long long, kTypeCount> y = doubledRanks(b);
    long long sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    for (int i = 0; i < kTypeCount; ++i) {
        sx += x[i];
        sy += y[i];
        sxx += x[i] * x[i];
        syy += y[i] * y[i];
        sxy += x[i] * y[i];
    }
    const long long n = kTypeCount;
    const long long varX = n * sxx - sx * sx;
    const long long varY = n * syy - sy * sy;
    if (varX == 0 || varY == 0) return std::nullopt; // six equal values
    const double rho = double(n * sxy - sx * sy) / std::sqrt(double(varX) * double(varY));
    const double rounded = roundHalfAwayFromZero(rho, 3);
    return rounded == 0 ? 0.0 : rounded; // never -0
}

int judgedStep(const Judgement& j)
{
    const long step = std::lround(j.step.toNumber());
    if (step >= 1 && step <= kStepCount) return static_cast<int>(step);
    return std::clamp(11 - coefficientHundredths(j) / 10, 1, kStepCount);
}

TypeEvidence typeEvidence(const CharacteristicRow& row)
{
    std::vector<EvidenceItem> items;
    for (int c = 1; c <= kCharacteristicCount; ++c) {
        const CharacteristicEntry& e = row[c - 1];
        EvidenceItem item;
        item.characteristic = c;
        item.step = judgedStep(e);
        item.weight = static_cast<int>(std::lround(e.weight.toNumber()));
        item.coefficient = coefficientHundredths(e);
        item.contribution = item.weight * item.coefficient;
        items.push_back(item);
    }
    std::stable_sort(items.begin(), items.end(), [](const EvidenceItem& a, const EvidenceItem& b) {
        return a.contribution > b.contribution;
    });
    TypeEvidence out;
    out.strongest.assign(items.begin(), items.begin() + kEvidenceCount);
    std::vector<EvidenceItem> rest(items.begin() + kEvidenceCount, items.end());
    std::sort(rest.begin(), rest.end(), [](const EvidenceItem& a, const EvidenceItem& b) {
        if (a.coefficient != b.coefficient) return a.coefficient < b.coefficient;
        return a.characteristic < b.characteristic;
    });
    out.lowest.assign(rest.begin(), rest.begin() + kEvidenceCount);
    return out;
}

Profile computeProfile(const Results& results, const CharacteristicTable& characteristics)
{
    return computeProfile(relativeByType(results, false), relativeByType(results, true),
                          characteristics);
}

Profile computeProfile(const TypeHundredths& synthetic, const TypeHundredths& analytic,
                       const CharacteristicTable& characteristics)
{
    Profile p;
    p.synthetic = synthetic;
    p.analytic = analytic;
    for (int i = 0; i < kTypeCount; ++i)
        p.difference[i] = analytic[i] - synthetic[i];
    p.syntheticShape = profileShape(synthetic);
    p.analyticShape = profileShape(analytic);
    p.sharedTopThree = sharedTopThree(synthetic, analytic);
    p.spearman = spearmanRho(synthetic, analytic);
    for (int t = 1; t <= kTypeCount; ++t)
        p.evidence[t - 1] = typeEvidence(characteristics[t - 1]);
    return p;
}

std::string hundredthsText(int value, std::string_view separator, bool sign)
{
    std::string out;
    if (value < 0)
        out += '-';
    else if (sign && value > 0)
        out += '+';
    const int magnitude = std::abs(value);
    const int cents = magnitude % 100;
    out += std::to_string(magnitude / 100);
    out += separator;
    out += char('0' + cents / 10);
    out += char('0' + cents % 10);
    return out;
}

std::string selfImageSentence(const TypeHundredths& difference, std::string_view separator)
{
    // The types whose difference reaches the threshold, largest first (type
    // order on equal sizes); the sentence names the first two.
    std::vector<int> marked;
    for (int t = 1; t <= kTypeCount; ++t) {
        if (std::abs(difference[t - 1]) >= kSelfImageCloseBelow) marked.push_back(t);
    }
    std::stable_sort(marked.begin(), marked.end(), [&](int a, int b) {
        return std::abs(difference[a - 1]) > std::abs(difference[b - 1]);
    });
    if (marked.empty()) {
        return "In ogni tipo l'immagine di s\u00e9 si discosta dal risultato analitico di meno "
               "di " +
               pointsText(kSelfImageCloseBelow, separator) + " punti: l'esaminato si conosce bene.";
    }
    auto verb = [&](int t) {
        return difference[t - 1] < 0 ? std::string("si sopravvaluta")
                                     : std::string("si sottovaluta");
    };
    auto figure = [&](int t) {
        return typeText(t) + " (" + hundredthsText(difference[t - 1], separator, true) + " punti)";
    };
    std::string out =
        "Rispetto al risultato analitico l'esaminato " + verb(marked[0]) + " soprattutto ";
    if (marked.size() == 1) return out + "nel tipo " + figure(marked[0]) + ".";
    const int a = marked[0];
    const int b = marked[1];
    if ((difference[a - 1] < 0) == (difference[b - 1] < 0))
        return out + "nei tipi " + figure(a) + " e " + figure(b) + ".";
    return out + "nel tipo " + figure(a) + " e " + verb(b) + " soprattutto nel tipo " + figure(b) +
           ".";
}

} // namespace tipolab
