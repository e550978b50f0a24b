// The table of occupations against the public files it is generated from, and
// the match of a profile with the occupations on hand-worked profiles.
#include "occupations/occupation_match.h"
#include "test_paths.h"

#include <QFile>
#include <QHash>
#include <QTest>

using namespace tipolab;

class TestOccupations : public QObject {
    Q_OBJECT
private slots:
    void tableAgreesWithTheSources();
    void pearson_data();
    void pearson();
    void lettersInCommon_data();
    void lettersInCommon();
    void rankingOrderAndLevels();
};

namespace {

QList<QStringList> readTsv(const QString& name)
{
    QFile f(QStringLiteral(TIPOLAB_SOURCE_DIR "/data/occupations/sources/") + name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QList<QStringList> rows;
    f.readLine(); // the header
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        if (!line.isEmpty()) rows << line.split(QLatin1Char('\t'));
    }
    return rows;
}

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

void TestOccupations::tableAgreesWithTheSources()
{
    // code -> six scores in hundredths and the high-point letters, from the O*NET file.
    QHash<QString, QList<int>> scores;
    QHash<QString, QString> letters;
    const QStringList order{"Realistic", "Investigative", "Artistic", "Social", "Enterprising",
                            "Conventional"};
    for (const QStringList& row : readTsv(QStringLiteral("onet30_2_Interests.txt"))) {
        QList<int>& s = scores[row[0]];
        if (s.isEmpty()) s.fill(0, 6);
        const double value = row[4].toDouble();
        if (row[3] == u"OI") s[order.indexOf(row[2])] = qRound(value * 100);
        if (row[3] == u"IH" && value > 0) letters[row[0]] += QLatin1Char("RIASEC"[int(value) - 1]);
    }
    QHash<QString, QString> english;
    for (const QStringList& row : readTsv(QStringLiteral("onet30_2_Occupation_Titles.tsv")))
        english[row[0]] = row[1];

    const auto table = occupations();
    QCOMPARE(table.size(), std::size_t(923));
    QCOMPARE(qsizetype(table.size()), scores.size());
    for (const Occupation& o : table) {
        const QString code = text(o.code);
        QVERIFY2(scores.contains(code), qPrintable(code));
        for (int t = 0; t < kTypeCount; ++t) {
            QCOMPARE(o.scores[t], scores[code][t]);
            QVERIFY(o.scores[t] >= 100 && o.scores[t] <= 700);
        }
        QCOMPARE(text(o.letters), letters.value(code));
        QVERIFY2(o.group.size() == 4 && !o.groupName.empty(), qPrintable(code));
        QVERIFY(o.level >= 1 && o.level <= 4);
        QVERIFY2(!o.title.empty() && !o.description.empty(), qPrintable(code));
        QVERIFY2(text(o.title).compare(english.value(code), Qt::CaseInsensitive) != 0,
                 qPrintable(code));
    }
    // The codes in ascending order, each once: ties rank by it.
    for (std::size_t i = 1; i < table.size(); ++i)
        QVERIFY(table[i - 1].code < table[i].code);
}

void TestOccupations::pearson_data()
{
    QTest::addColumn<QList<int>>("a");
    QTest::addColumn<QList<int>>("b");
    QTest::addColumn<int>("thousandths"); // -2000: none
    QTest::newRow("same shape, other scale")
        << QList<int>{1000, 2000, 3000, 4000, 5000, 6000} << QList<int>{100, 200, 300, 400, 500, 600} << 1000;
    QTest::newRow("reversed")
        << QList<int>{1, 2, 3, 4, 5, 6} << QList<int>{6, 5, 4, 3, 2, 1} << -1000;
    // Worked by hand: deviations (-1,1,0,0,0,0) and (0,1,0,-1,0,0): 1 / (sqrt 2 * sqrt 2).
    QTest::newRow("by hand")
        << QList<int>{0, 2, 1, 1, 1, 1} << QList<int>{1, 2, 1, 0, 1, 1} << 500;
    QTest::newRow("flat profile") << QList<int>{1667, 1667, 1667, 1667, 1667, 1667}
                                  << QList<int>{1, 2, 3, 4, 5, 6} << -2000;
}

void TestOccupations::pearson()
{
    QFETCH(QList<int>, a);
    QFETCH(QList<int>, b);
    QFETCH(int, thousandths);
    std::array<int, kTypeCount> x{}, y{};
    std::copy(a.begin(), a.end(), x.begin());
    std::copy(b.begin(), b.end(), y.begin());
    const std::optional<double> r = tipolab::pearson(x, y);
    QCOMPARE(r ? tipolab::thousandths(*r) : -2000, thousandths);
}

void TestOccupations::lettersInCommon_data()
{
    QTest::addColumn<QString>("letters");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("common");
    QTest::newRow("all three") << "SAE" << "S(A/E)" << 3;
    QTest::newRow("a tied group counts whole") << "EC" << "(A/S)E" << 1;
    QTest::newRow("none") << "RIC" << "SAE" << 0;
    QTest::newRow("one letter") << "R" << "(R/S)E" << 1;
}

void TestOccupations::lettersInCommon()
{
    QFETCH(QString, letters);
    QFETCH(QString, code);
    QFETCH(int, common);
    QCOMPARE(tipolab::lettersInCommon(letters.toStdString(), code.toStdString()), common);
}

void TestOccupations::rankingOrderAndLevels()
{
    // A profile shaped exactly like the first occupation's scores ranks it first with r = 1.
    const Occupation& first = occupations().front();
    const OccupationRanking ranking = rankOccupations(first.scores);
    QCOMPARE(ranking.ranked.size(), std::size_t(923));
    QCOMPARE(ranking.ranked.front().occupation, &first);
    QCOMPARE(ranking.ranked.front().rShown, 1000);
    for (std::size_t i = 1; i < ranking.ranked.size(); ++i) {
        const OccupationMatch& a = ranking.ranked[i - 1];
        const OccupationMatch& b = ranking.ranked[i];
        QVERIFY(a.rShown > b.rShown || (a.rShown == b.rShown && a.occupation->code < b.occupation->code));
        QCOMPARE(b.position, int(i + 1));
    }

    // Levels 1 and 4, the three best: in ranking order, with their positions in the whole list.
    const LevelSet levels = 1u | 8u;
    const std::vector<OccupationMatch> kept = matchesOfLevels(ranking, levels, 3);
    QCOMPARE(kept.size(), std::size_t(3));
    int last = 0;
    for (const OccupationMatch& m : kept) {
        QVERIFY(m.occupation->level == 1 || m.occupation->level == 4);
        QVERIFY(m.position > last);
        last = m.position;
    }
    QCOMPARE(matchesOfLevels(ranking, levels).size(),
             std::size_t(std::count_if(ranking.ranked.begin(), ranking.ranked.end(),
                                       [](const OccupationMatch& m) {
                                           return m.occupation->level == 1 ||
                                                  m.occupation->level == 4;
                                       })));

    const OccupationRanking flat = rankOccupations({1667, 1667, 1667, 1667, 1667, 1667});
    QVERIFY(flat.flat);
    QVERIFY(flat.ranked.empty());
}

QTEST_APPLESS_MAIN(TestOccupations)
#include "test_occupations.moc"
