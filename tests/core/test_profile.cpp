// The person's profile on hand-worked assessments: the relative percentages
// (hundredths, types R I A S E C) of the self-image and of the analytic result
// and every figure read from them.
#include "core/local_norms.h"
#include "core/profile.h"
#include "test_core.h"
#include "test_support.h"

#include <QTest>

using namespace tipolab;

Q_DECLARE_METATYPE(tipolab::TypeHundredths)

namespace {

QString shapeText(const ProfileShape& s)
{
    return QStringLiteral("%1 diff %2 %3 %4")
        .arg(QString::fromStdString(s.code))
        .arg(s.differentiation)
        .arg(QString::fromUtf8(consistencyWord(s.consistency).data()))
        .arg(s.notDistinct ? QStringLiteral("non distinti") : QStringLiteral("distinti"));
}

} // namespace

void TestProfile::profile_data()
{
    QTest::addColumn<TypeHundredths>("synthetic");
    QTest::addColumn<TypeHundredths>("analytic");
    QTest::addColumn<QString>("syntheticShape");
    QTest::addColumn<QString>("analyticShape");
    QTest::addColumn<int>("shared");
    QTest::addColumn<QString>("spearman");
    QTest::addColumn<QString>("sentence");

    // Ranks by type: self-image 5.5 5.5 2.5 1 2.5 4, analytic 4 5.5 1.5 1.5 3 5.5;
    // deviations from 3.5 give 13.5 / sqrt(16.5 x 16.5).
    QTest::newRow("ties in the codes")
        << TypeHundredths{0, 0, 2500, 3000, 2500, 2000}
        << TypeHundredths{1000, 500, 3000, 3000, 2000, 500} << "S(A/E) diff 3000 alta distinti"
        << "(A/S)E diff 2500 alta non distinti" << 3 << "0.818"
        << "Rispetto al risultato analitico l'esaminato si sopravvaluta soprattutto nel tipo "
           "CONVENZIONALE (-15,00 punti) e si sottovaluta soprattutto nel tipo REALISTA "
           "(+10,00 punti).";
    // R and S opposite; R and C neighbours 2.40 points apart. No ties: the sum
    // of the squared rank differences is 28, rho 1 - 6 x 28 / 210.
    QTest::newRow("opposite first types, then R next to C")
        << TypeHundredths{3000, 1000, 1500, 2500, 1200, 800}
        << TypeHundredths{2840, 1115, 995, 1450, 1000, 2600} << "RSA diff 2200 bassa distinti"
        << "RCS diff 1845 alta distinti" << 2 << "0.200"
        << "Rispetto al risultato analitico l'esaminato si sottovaluta soprattutto nel tipo "
           "CONVENZIONALE (+18,00 punti) e si sopravvaluta soprattutto nel tipo SOCIALE "
           "(-10,50 punti).";
    QTest::newRow("flat: every type judged nullo")
        << TypeHundredths{} << TypeHundredths{} << "(R/I/A/S/E/C) diff 0 alta non distinti"
        << "(R/I/A/S/E/C) diff 0 alta non distinti" << 3 << ""
        << "In ogni tipo l'immagine di s\u00e9 si discosta dal risultato analitico di meno di 2 "
           "punti: l'esaminato si conosce bene.";
    // The same ranking, a tie included, with other values; differences of
    // exactly the threshold count, the largest comes first, then type order.
    QTest::newRow("identical rankings")
        << TypeHundredths{1000, 2000, 3000, 1500, 500, 2000}
        << TypeHundredths{1200, 1800, 3400, 1400, 400, 1800} << "A(I/C) diff 2500 alta distinti"
        << "A(I/C) diff 3000 alta distinti" << 3 << "1.000"
        << "Rispetto al risultato analitico l'esaminato si sottovaluta soprattutto nei tipi "
           "ARTISTICO (+4,00 punti) e REALISTA (+2,00 punti).";
    // R then A: one type between them.
    QTest::newRow("reversed rankings")
        << TypeHundredths{2500, 1800, 2000, 1500, 1200, 1000}
        << TypeHundredths{800, 1500, 1200, 1700, 2100, 2700} << "RAI diff 1500 media distinti"
        << "CES diff 1900 alta distinti" << 0 << "-1.000"
        << "Rispetto al risultato analitico l'esaminato si sopravvaluta soprattutto nel tipo "
           "REALISTA (-17,00 punti) e si sottovaluta soprattutto nel tipo CONVENZIONALE "
           "(+17,00 punti).";
}

void TestProfile::profile()
{
    QFETCH(TypeHundredths, synthetic);
    QFETCH(TypeHundredths, analytic);
    QFETCH(QString, syntheticShape);
    QFETCH(QString, analyticShape);
    QFETCH(int, shared);
    QFETCH(QString, spearman);
    QFETCH(QString, sentence);
    const Profile p = computeProfile(synthetic, analytic, CharacteristicTable());
    QCOMPARE(shapeText(p.syntheticShape), syntheticShape);
    QCOMPARE(shapeText(p.analyticShape), analyticShape);
    QCOMPARE(p.sharedTopThree, shared);
    QCOMPARE(p.spearman ? QString::number(*p.spearman, 'f', 3) : QString(), spearman);
    for (int t = 0; t < kTypeCount; ++t)
        QCOMPARE(p.difference[t], analytic[t] - synthetic[t]);
    QCOMPARE(QString::fromStdString(selfImageSentence(p.difference, ",")), sentence);
}

void TestProfile::codes_data()
{
    QTest::addColumn<TypeHundredths>("values");
    QTest::addColumn<QString>("code");
    QTest::newRow("plain") << TypeHundredths{500, 1000, 2500, 3000, 2000, 1000} << "SAE";
    QTest::newRow("tie across the third place")
        << TypeHundredths{0, 0, 2500, 3000, 2000, 2000} << "SA(E/C)";
    QTest::newRow("tie in the first place")
        << TypeHundredths{0, 0, 3000, 3000, 2000, 0} << "(A/S)E";
    QTest::newRow("a group of four covers the rest")
        << TypeHundredths{1000, 1000, 1000, 4000, 1000, 2000} << "SC(R/I/A/E)";
}

void TestProfile::codes()
{
    QFETCH(TypeHundredths, values);
    QFETCH(QString, code);
    QCOMPARE(QString::fromStdString(threeLetterCode(values)), code);
}

void TestProfile::evidenceOfAType()
{
    // Default weights; contributions 720 900 450 810 720 0 480 560 80 320 240 160.
    const std::array<int, kCharacteristicCount> steps = {3, 1, 6, 2, 2, 11, 5, 4, 10, 7, 8, 9};
    CharacteristicRow row;
    for (int c = 1; c <= kCharacteristicCount; ++c) {
        static_cast<Judgement&>(row[c - 1]) = test::judged(steps[c - 1]);
        row[c - 1].weight = Value::text(std::to_string(defaultWeight(c)));
    }
    const TypeEvidence e = typeEvidence(row);
    auto items = [](const std::vector<EvidenceItem>& list) {
        QStringList out;
        for (const EvidenceItem& i : list)
            out << QStringLiteral("%1:%2x%3=%4")
                       .arg(i.characteristic)
                       .arg(i.weight)
                       .arg(i.coefficient)
                       .arg(i.contribution);
        return out.join(u' ');
    };
    // 720 twice: characteristic 1 before 5.
    QCOMPARE(items(e.strongest), QStringLiteral("2:9x100=900 4:9x90=810 1:9x80=720"));
    QCOMPARE(items(e.lowest), QStringLiteral("6:8x0=0 9:8x10=80 12:8x20=160"));
    QCOMPARE(e.lowest.front().step, 11);
}

// Local norms: 100 (B + E/2) / N, the person included, rounded half up.
void TestProfile::percentileRanks_data()
{
    QTest::addColumn<QList<int>>("group");
    QTest::addColumn<QList<int>>("ranks");
    QTest::newRow("no ties") << QList<int>{30, 10, 20, 40} << QList<int>{63, 13, 38, 88};
    // 10: B 0, E 2 -> 25; 20: B 2, E 1 -> 62.5 -> 63; 30: B 3, E 1 -> 87.5 -> 88.
    QTest::newRow("ties") << QList<int>{10, 20, 10, 30} << QList<int>{25, 63, 25, 88};
    QTest::newRow("all equal") << QList<int>{5, 5, 5} << QList<int>{50, 50, 50};
    QTest::newRow("alone") << QList<int>{7} << QList<int>{50};
}

void TestProfile::percentileRanks()
{
    QFETCH(QList<int>, group);
    QFETCH(QList<int>, ranks);
    const std::vector<int> values(group.begin(), group.end());
    const std::vector<int> got = tipolab::percentileRanks(values);
    QCOMPARE(QList<int>(got.begin(), got.end()), ranks);
    for (qsizetype i = 0; i < group.size(); ++i)
        QCOMPARE(tipolab::percentileRank(values, group[i]), ranks[i]);
}
