#include "core/check.h"
#include "core/scoring.h"
#include "test_core.h"
#include "test_support.h"

#include <QTest>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace tipolab;
using tipolab::test::judged;

namespace {

// A type whose twelve characteristics are judged with `steps` and default weights.
CharacteristicRow judgedRow(const std::array<int, kCharacteristicCount>& steps)
{
    CharacteristicRow row;
    for (int c = 1; c <= kCharacteristicCount; ++c) {
        static_cast<Judgement&>(row[c - 1]) = judged(steps[c - 1]);
        row[c - 1].weight = Value::text(std::to_string(defaultWeight(c)));
    }
    return row;
}

CharacteristicRow uniformRow(int step)
{
    std::array<int, kCharacteristicCount> steps;
    steps.fill(step);
    return judgedRow(steps);
}

TypeJudgements typesWithSteps(const std::array<int, kTypeCount>& steps)
{
    TypeJudgements types;
    for (int t = 0; t < kTypeCount; ++t)
        types[t] = judged(steps[t]);
    return types;
}

} // namespace

void TestScoring::twoDecimalValueRemovesFloatNoise()
{
    for (int n = 1; n <= kStepCount; ++n)
        QCOMPARE(twoDecimalValue(stepCoefficient(n)), (11 - n) / 10.0);
}

void TestScoring::roundHalfAwayFromZero_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::newRow("plain") << 24.870466321243523 << 24.87;
    QTest::newRow("half up") << 0.125 << 0.13;
    QTest::newRow("binary just below half") << 1.005 << 1.01;
    QTest::newRow("another") << 2.675 << 2.68;
    QTest::newRow("negative half") << -1.005 << -1.01;
    QTest::newRow("worked example") << 90.0 * 100 / 310 << 29.03;
}

void TestScoring::roundHalfAwayFromZero()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(tipolab::roundHalfAwayFromZero(value, 2), rounded);
}

// The roundings go through decimal text only where the value alone cannot
// tell; every shortcut must give what the text gives.
void TestScoring::shortcutsAgreeWithTheDecimalText()
{
    const auto throughText = [](double x, const char* format) {
        char buf[64];
        std::snprintf(buf, sizeof buf, format, x);
        return std::strtod(buf, nullptr);
    };
    for (int i = -20000; i <= 20000; ++i) {
        // Hundredths, thousandths and their neighbours, halves among them.
        for (const double x : {i / 1000.0, i / 1000.0 + 5e-4, std::nextafter(i / 200.0, 0.0),
                               i * 0.01 * 1.0000000000001, i / 7.0}) {
            for (const int decimals : {1, 2, 3}) {
                const double scale = std::pow(10.0, decimals);
                const double expected = std::round(throughText(x * scale, "%.15g")) / scale;
                QCOMPARE(tipolab::roundHalfAwayFromZero(x, decimals), expected);
            }
        }
        const float f = static_cast<float>(i) / 20000.0f;
        QCOMPARE(twoDecimalValue(f), throughText(static_cast<double>(f * 100.0f), "%.7g") / 100);
        // Archive numbers: "12", "0.9", ".125", "-3.5" and longer ones.
        char written[32];
        std::snprintf(written, sizeof written, "%.*f", std::abs(i) % 8, i / 977.0);
        std::string text = written;
        if (text.starts_with("0.") && i % 2) text.erase(0, 1);
        double parsed = 0, expected = 0;
        QCOMPARE(parseInvariantNumber(text, parsed), true);
        std::from_chars(text.data(), text.data() + text.size(), expected);
        QCOMPARE(parsed, expected);
    }
}

void TestScoring::meanSyntheticCoefficient_data()
{
    QTest::addColumn<QList<int>>("steps"); // 0 = type never judged
    QTest::addColumn<double>("mean");      // -1 = none ticked
    QTest::newRow("none") << QList<int>{0, 0, 0, 0, 0, 0} << -1.0;
    QTest::newRow("worked example") << QList<int>{2, 5, 8, 3, 6, 11} << 0.517;
    QTest::newRow("one type") << QList<int>{0, 0, 4, 0, 0, 0} << 0.7;
    QTest::newRow("nullo counts as ticked") << QList<int>{11, 1, 0, 0, 0, 0} << 0.5;
}

void TestScoring::meanSyntheticCoefficient()
{
    QFETCH(QList<int>, steps);
    QFETCH(double, mean);
    TypeJudgements types;
    for (int t = 0; t < kTypeCount; ++t)
        if (steps[t] > 0) types[t] = judged(steps[t]);
    const std::optional<double> got = tipolab::meanSyntheticCoefficient(types);
    if (mean < 0)
        QVERIFY(!got);
    else
        QCOMPARE(*got, mean);
}

void TestScoring::overallJudgement_data()
{
    QTest::addColumn<double>("meanStep");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 2.0 << "Giudizio complessivo: quasi massimo";
    QTest::newRow("between") << 3.5 << "Giudizio complessivo: molto-abbastanza";
    QTest::newRow("medio") << 6.0 << "Giudizio complessivo: medio";
    QTest::newRow("last pair") << 10.5 << "Giudizio complessivo: minimo-nullo";
    QTest::newRow("below the scale") << 0.5 << "Giudizio complessivo: massimo-massimo";
}

void TestScoring::overallJudgement()
{
    QFETCH(double, meanStep);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(overallJudgementText(meanStep)), text);
}

void TestScoring::indicatorsIgnoreUntickedCharacteristics()
{
    CharacteristicRow row = uniformRow(3); // molto, 0.8
    // Untick row 12 as the window does: coefficient 0, word and step empty.
    row[11].tick = Value::number(0);
    row[11].word = Value::text({});
    row[11].step = Value::text({});
    row[11].coefficient = Value::number(0);
    const TypeIndicators ind = computeTypeIndicators(row);
    QCOMPARE(ind.ticked, 11);
    QCOMPARE(*ind.meanStep, 3.0);
    QCOMPARE(*ind.meanCoefficient, 0.8);
    QCOMPARE(ind.remainder, 0);
    QCOMPARE(ind.weighted, 0.736); // 0.8 x 92 / 100

    CharacteristicRow none;
    for (int c = 1; c <= kCharacteristicCount; ++c)
        none[c - 1].weight = Value::text(std::to_string(defaultWeight(c)));
    const TypeIndicators empty = computeTypeIndicators(none);
    QCOMPARE(empty.ticked, 0);
    QVERIFY(!empty.meanStep && !empty.meanCoefficient);
    QVERIFY(!displayedWeightedCoefficient(none));
}

void TestScoring::meanCoefficientRoundsHalfUp()
{
    // Eight ticked: one "minimo" (0.1), seven "nullo": 0.1 / 8 = 0.0125 -> 0.013.
    CharacteristicRow row = uniformRow(11);
    row[0] = judgedRow({10, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11})[0];
    for (int c = 9; c <= 12; ++c) {
        row[c - 1].tick = Value::number(0);
        row[c - 1].coefficient = Value::number(0);
    }
    QCOMPARE(*computeTypeIndicators(row).meanCoefficient, 0.013);
}

void TestScoring::weightedCoefficientOfUniformJudgements_data()
{
    QTest::addColumn<int>("step");
    for (int n = 1; n <= kStepCount; ++n)
        QTest::addRow("%s", std::string(stepWord(n)).c_str()) << n;
}

void TestScoring::weightedCoefficientOfUniformJudgements()
{
    // Single-precision coefficients times the weights must still give exactly
    // the coefficient itself at three decimals.
    QFETCH(int, step);
    QCOMPARE(weightedCoefficient(uniformRow(step)), (11 - step) / 10.0);
}

void TestScoring::weightedCoefficientIsNotNormalised()
{
    CharacteristicRow row = uniformRow(1);
    row[0].weight = Value::text("10");
    QCOMPARE(weightRemainder(row), -1);
    QCOMPARE(weightedCoefficient(row), 1.01);
}

void TestScoring::workedExample()
{
    const TypeJudgements types = typesWithSteps({2, 5, 8, 3, 6, 11});
    const Results r = computeResults(types, {0.720, 0.455, 0.300, 0.720, 0.600, 0.100});
    const std::array<int, kTypeCount> order = {1, 4, 5, 2, 3, 6};
    QCOMPARE(r.typeOfRow, order);
    const double sint[] = {90, 80, 50, 60, 30, 0};
    const double ana[] = {72, 72, 60, 45.5, 30, 10};
    for (int i = 0; i < kTypeCount; ++i) {
        QCOMPARE(r.row[i].sintAss, sint[i]);
        QCOMPARE(r.row[i].anaAss, ana[i]);
    }
    QCOMPARE(r.row[0].sintRel, 29.03);
    QCOMPARE(r.row[0].anaRel, 24.87);
    QCOMPARE(r.prevailingType, 1);
    QCOMPARE(QString::fromStdString(resultsHeading("Mario")),
             QStringLiteral("Dall'esame \u00e8 risultato che, per la maggior percentuale, Mario "
                            "\u00e8 di tipo:"));
}

void TestScoring::rankingPutsTypesWithoutTicksLast()
{
    const TypeJudgements types = typesWithSteps({1, 1, 1, 1, 1, 1});
    // Type 1 has no ticked characteristic; type 2 is ticked with all "nullo".
    const Results r = computeResults(types, {std::nullopt, 0.0, 0.5, std::nullopt, 0.2, 0.0});
    const std::array<int, kTypeCount> order = {3, 5, 2, 6, 1, 4};
    QCOMPARE(r.typeOfRow, order);
    QCOMPARE(r.row[4].anaAss, 0.0);
}

void TestScoring::equalKeysKeepTypeOrder()
{
    const Results r =
        computeResults(typesWithSteps({5, 4, 3, 2, 1, 6}), {0.5, 0.5, 0.5, 0.5, 0.5, 0.5});
    const std::array<int, kTypeCount> order = {1, 2, 3, 4, 5, 6};
    QCOMPARE(r.typeOfRow, order);
    QCOMPARE(r.prevailingType, 1);
    QCOMPARE(r.row[0].anaRel, 16.67);
}

void TestScoring::zeroTotalsGiveZeroRelativeValues()
{
    const Results r =
        computeResults(typesWithSteps({11, 11, 11, 11, 11, 11}), {0.0, 0.0, 0.0, 0.0, 0.0, 0.0});
    for (const TypeResult& row : r.row) {
        QCOMPARE(row.sintRel, 0.0);
        QCOMPARE(row.anaRel, 0.0);
        QVERIFY(!std::isnan(row.sintRel) && !std::isnan(row.anaRel));
    }
}

void TestScoring::missingForResultsNamesEachGap()
{
    CharacteristicTable table;
    for (CharacteristicRow& row : table)
        row = uniformRow(2);
    TypeJudgements types = typesWithSteps({1, 2, 3, 4, 5, 6});
    QVERIFY(missingForResults(types, table).empty());

    table[1][3].tick = Value::number(0);    // INVESTIGATIVO: a box unticked
    table[2][0].word = Value::text({});     // ARTISTICO: a judgement missing
    table[5][11].weight = Value::text("7"); // CONVENZIONALE: remainder 1
    types[3] = Judgement{};                 // SOCIALE never judged
    const std::vector<std::string> missing = missingForResults(types, table);
    const std::vector<std::string> expected = {
        "INVESTIGATIVO: " + std::string(kCheckTicks), "ARTISTICO: " + std::string(kCheckJudgements),
        "CONVENZIONALE: " + std::string(kCheckWeights), std::string(kCheckGeneral)};
    QCOMPARE(missing, expected);
}
