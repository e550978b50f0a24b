// The warnings on the answers, each rule exactly at its threshold and one
// judgement short of it, on hand-made complete assessments.
#include "core/profile.h"
#include "core/response_style.h"
#include "test_core.h"
#include "test_support.h"

#include <QTest>
#include <cmath>

using namespace tipolab;

namespace {

// Steps of the 72 characteristics, type by type. The base uses neither the
// two ends of the scale nor "medio" (6), never one step for a whole type, and
// no step more than 9 times.
QList<int> varied()
{
    const int steps[] = {2, 3, 4, 5, 7, 8, 9, 10};
    QList<int> out;
    for (int t = 0; t < kTypeCount; ++t)
        for (int c = 0; c < kCharacteristicCount; ++c)
            out << steps[(t + c) % 8];
    return out;
}

// Judgements first..last (counted type after type through the characteristics,
// so that no type fills up first) on `step`.
QList<int> spread(QList<int> steps, int first, int last, int step)
{
    for (int j = first; j <= last; ++j)
        steps[(j % kTypeCount) * kCharacteristicCount + j / kTypeCount] = step;
    return steps;
}

// The first `count` characteristics of type t on `step`.
QList<int> block(QList<int> steps, int t, int count, int step)
{
    for (int c = 0; c < count; ++c)
        steps[(t - 1) * kCharacteristicCount + c] = step;
    return steps;
}

const QList<int> kVariedGeneral{2, 3, 4, 5, 7, 8};

QString described(const ResponseWarning& w)
{
    const QString key = QString::fromLatin1(responseWarningKey(w.kind).data());
    switch (w.kind) {
    case ResponseWarningKind::Uniform:
        return QStringLiteral("%1 %2 on %3").arg(key).arg(w.count).arg(w.step);
    case ResponseWarningKind::Extremes:
        return QStringLiteral("%1 %2").arg(key).arg(w.count);
    case ResponseWarningKind::InBlock: {
        QStringList types;
        for (int t = 1; t <= kTypeCount; ++t)
            if (w.blockStep[t - 1] != 0)
                types << QStringLiteral("%1 on %2").arg(typeLetter(t)).arg(w.blockStep[t - 1]);
        return key + u' ' + types.join(QStringLiteral(", "));
    }
    case ResponseWarningKind::GeneralEqual:
        return QStringLiteral("%1 %2 on %3").arg(key).arg(w.count).arg(w.step);
    case ResponseWarningKind::Contrast:
        break;
    }
    return QStringLiteral("%1 %2").arg(key).arg(w.rho, 0, 'f', 3);
}

} // namespace

void TestResponseStyle::warnings_data()
{
    QTest::addColumn<QList<int>>("characteristics");
    QTest::addColumn<QList<int>>("general");
    QTest::addColumn<double>("rho"); // NaN: none
    QTest::addColumn<QStringList>("expected");

    const QList<int> base = varied();
    const double none = std::nan("");
    QTest::newRow("nothing stands out") << base << kVariedGeneral << 0.2 << QStringList();
    // 75 % of 72 is 54.
    QTest::newRow("uniform at 54 of 72")
        << spread(base, 0, 53, 6) << kVariedGeneral << none << QStringList{"uniformi 54 on 6"};
    QTest::newRow("uniform at 53")
        << spread(base, 0, 52, 6) << kVariedGeneral << none << QStringList();
    // Half on each end, so that neither is uniform by itself.
    QTest::newRow("extremes at 54 of 72") << spread(spread(base, 0, 26, 1), 27, 53, 11)
                                          << kVariedGeneral << none << QStringList{"estremi 54"};
    QTest::newRow("extremes at 53")
        << spread(spread(base, 0, 26, 1), 27, 52, 11) << kVariedGeneral << none << QStringList();
    QTest::newRow("two types in block") << block(block(base, 1, 12, 3), 4, 12, 11) << kVariedGeneral
                                        << none << QStringList{"in_blocco R on 3, S on 11"};
    QTest::newRow("one type in block, the other short by one")
        << block(block(base, 1, 12, 3), 4, 11, 11) << kVariedGeneral << none << QStringList();
    QTest::newRow("six equal general judgements")
        << base << QList<int>{5, 5, 5, 5, 5, 5} << none << QStringList{"generali_uguali 6 on 5"};
    QTest::newRow("five equal general judgements")
        << base << QList<int>{5, 5, 5, 5, 5, 4} << none << QStringList();
    QTest::newRow("rho at -0.5") << base << kVariedGeneral << -0.5
                                 << QStringList{"contrasto -0.500"};
    // The next rho above it on six types without ties: 1 - 6 x 52 / 210.
    QTest::newRow("rho at -0.486") << base << kVariedGeneral << -0.486 << QStringList();
    QTest::newRow("every warning at once, in key order")
        << spread(base, 0, 71, 1) << QList<int>{1, 1, 1, 1, 1, 1} << -1.0
        << QStringList{"uniformi 72 on 1", "estremi 72",
                       "in_blocco R on 1, I on 1, A on 1, S on 1, E on 1, C on 1",
                       "generali_uguali 6 on 1", "contrasto -1.000"};
}

void TestResponseStyle::warnings()
{
    QFETCH(QList<int>, characteristics);
    QFETCH(QList<int>, general);
    QFETCH(double, rho);
    QFETCH(QStringList, expected);
    TypeJudgements types;
    CharacteristicTable table;
    for (int t = 0; t < kTypeCount; ++t) {
        types[t] = test::judged(general[t]);
        for (int c = 0; c < kCharacteristicCount; ++c)
            static_cast<Judgement&>(table[t][c]) =
                test::judged(characteristics[t * kCharacteristicCount + c]);
    }
    const std::optional<double> spearman =
        std::isnan(rho) ? std::nullopt : std::optional<double>(rho);
    QStringList got;
    for (const ResponseWarning& w : responseWarnings(types, table, spearman))
        got << described(w);
    QCOMPARE(got, expected);
}
