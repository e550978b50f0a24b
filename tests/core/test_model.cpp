#include "core/model.h"
#include "test_core.h"

#include <QSet>
#include <QTest>

using namespace tipolab;

void TestModel::coefficientsShowTwoDecimals_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("shown");
    const char* expected[] = {"1.00", "0.90", "0.80", "0.70", "0.60", "0.50",
                              "0.40", "0.30", "0.20", "0.10", "0.00"};
    for (int n = 1; n <= kStepCount; ++n)
        QTest::addRow("%s", std::string(stepWord(n)).c_str()) << n << expected[n - 1];
}

void TestModel::coefficientsShowTwoDecimals()
{
    QFETCH(int, step);
    QFETCH(QString, shown);
    QCOMPARE(QString::number(stepCoefficient(step), 'f', 2), shown);
    QCOMPARE(stepOfWord(stepWord(step)), step);
}

void TestModel::captionsKeepTheirTrailingBlanks_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("blanks");
    const int blanks[] = {10, 0, 15, 5, 3, 13, 14, 6, 3, 12, 14};
    for (int n = 1; n <= kStepCount; ++n)
        QTest::addRow("%d", n) << n << blanks[n - 1];
}

void TestModel::captionsKeepTheirTrailingBlanks()
{
    QFETCH(int, step);
    QFETCH(int, blanks);
    const std::string caption(stepCaption(step));
    const std::string expected = std::to_string(step) + " = " + std::string(stepWord(step));
    QCOMPARE(caption.substr(0, expected.size()), expected);
    QCOMPARE(int(caption.size() - expected.size()), blanks);
    QVERIFY(caption.find_first_not_of(' ', expected.size()) == std::string::npos);
}

void TestModel::namesAreDistinctPerTypeAndAccented()
{
    QCOMPARE(QString::fromUtf8(characteristicName(5, 11).data()),
             QStringLiteral("sicuro di s\u00e8"));
    // Names shared between types are separate characteristics.
    QCOMPARE(characteristicName(1, 7), characteristicName(6, 9));
    QCOMPARE(characteristicName(1, 8), characteristicName(6, 10));
    for (int t = 1; t <= kTypeCount; ++t) {
        QSet<QString> seen;
        for (int c = 1; c <= kCharacteristicCount; ++c)
            seen.insert(QString::fromUtf8(characteristicName(t, c).data()));
        QCOMPARE(seen.size(), kCharacteristicCount);
    }
    QCOMPARE(typeName(1), std::string_view("REALISTA"));
    QCOMPARE(typeName(6), std::string_view("CONVENZIONALE"));
}

void TestModel::defaultWeightsSumToHundred()
{
    int sum = 0;
    for (int c = 1; c <= kCharacteristicCount; ++c)
        sum += defaultWeight(c);
    QCOMPARE(sum, 100);
    QCOMPARE(defaultWeight(4), 9);
    QCOMPARE(defaultWeight(5), 8);
}
