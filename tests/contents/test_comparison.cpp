// Two assessments of one person compared: files of either encoding alike, the
// dates that head them, and the comparison sheet.
#include "report_fixtures.h"
#include "contents/comparison_files.h"
#include "contents/comparison_sheet.h"
#include "state/archive_file.h"
#include "test_paths.h"
#include "test_contents.h"
#include "test_support.h"

#include <QDateTime>
#include <QFile>
#include <QTest>

using namespace tipolab;

// The sample in code page 1252, and as the program writes it once a field
// holds a character outside that code page (UTF-8): the same assessment, the
// same names and dates, no change at all.
void TestComparison::encodingsCompareAlike()
{
    const QString sample = QStringLiteral(TIPOLAB_TEST_DATA_DIR "/Tipolab-dati-esempio");
    ArchiveLoad load = loadArchiveFile(sample);
    QVERIFY(load.record);
    load.record->title[6] = "nessuno \u2248"; // allegati
    QTemporaryDir dir;
    const QString rewritten = dir.filePath("Tipolab-dati-Mario Rossi");
    QCOMPARE(saveArchiveFile(rewritten, *load.record), QString());
    QVERIFY(test::readFile(rewritten).startsWith("\xEF\xBB\xBF"));

    const FileComparison compared = compareFiles(sample, rewritten, QLocale::c());
    QVERIFY(compared.errors.isEmpty());
    QVERIFY(compared.warning.isEmpty());
    const ComparisonSnapshot& s = *compared.snapshot;
    QCOMPARE(s.before.persona, QStringLiteral("Mario Rossi"));
    QCOMPARE(s.after.persona, s.before.persona);
    QCOMPARE(s.after.date, QStringLiteral("luned\u00ec, 7 dic 2026"));
    QCOMPARE(s.after.date, s.before.date);
    for (const TypeComparison& t : s.comparison.types)
        QCOMPARE(t.change, TypeMeasures{});
    QCOMPARE(s.comparison.types[0].before, (TypeMeasures{9000, 7200, 2903, 2487}));
    QVERIFY(!s.comparison.prevailingChanged());
    QCOMPARE(s.comparison.codesAfter.analytic, s.comparison.codesBefore.analytic);
    QVERIFY(prevailingChangeText(s).isEmpty());
}

void TestComparison::headingDates_data()
{
    QTest::addColumn<QString>("titleDate");
    QTest::addColumn<bool>("file");
    QTest::addColumn<QString>("shown");
    QTest::newRow("the title page's")
        << "venerd\u00ec, 3 set 2027" << true << "venerd\u00ec, 3 set 2027";
    QTest::newRow("the file's last change") << "" << true << "gioved\u00ec, 2 set 2027";
    QTest::newRow("neither") << "" << false << "";
}

void TestComparison::headingDates()
{
    QFETCH(QString, titleDate);
    QFETCH(bool, file);
    QFETCH(QString, shown);
    QTemporaryDir dir;
    QString path;
    if (file) {
        path = dir.filePath("Tipolab-dati-x");
        test::writeFile(path, "x");
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime(QDate(2027, 9, 2), QTime(12, 0)),
                              QFileDevice::FileModificationTime));
    }
    QCOMPARE(assessmentDate(titleDate, path, QLocale(QLocale::Italian, QLocale::Italy)), shown);
}

void TestComparison::sheet_data()
{
    QTest::addColumn<QString>("earlierName");
    QTest::addColumn<bool>("warned");
    QTest::newRow("the same person") << "Mario Rossi" << false;
    QTest::newRow("another name") << "Maria Bianchi" << true;
}

// Names and dates, the chart of both analytic profiles, the prevailing type
// and the codes, then every type's four percentages with their changes, the
// numbers aligned right.
void TestComparison::sheet()
{
    QFETCH(QString, earlierName);
    QFETCH(bool, warned);
    ComparisonSnapshot s = fixtures::sampleComparison();
    s.before.persona = earlierName;
    ReportWriter w;
    composeComparisonSheet(w, sheetHeading(s.after.persona), s);
    const ReportDocument& d = w.document();

    const QStringList paragraphs = fixtures::paragraphTexts(d);
    QVERIFY(paragraphs.contains(QStringLiteral("Soggetto esaminato: Mario Rossi")));
    QVERIFY(paragraphs.contains(QStringLiteral("Dopo: Mario Rossi, marted\u00ec, 14 dic 2027")));
    QCOMPARE(paragraphs.contains(namesWarning(s)), warned);
    QVERIFY(paragraphs.contains(QStringLiteral(
        "Il tipo prevalente \u00e8 cambiato: prima era REALISTA, ora \u00e8 SOCIALE.")));
    const auto picture = std::find_if(d.blocks.begin(), d.blocks.end(), [](const Block& b) {
        return std::holds_alternative<Picture>(b);
    });
    QVERIFY(picture != d.blocks.end());
    QVERIFY(std::get<Picture>(*picture).png.startsWith("\x89PNG"));
    QCOMPARE(comparisonChart(s).profiles().size(), 2);
    QCOMPARE(comparisonChart(s).profiles().first().style, Qt::DashLine);

    QCOMPARE(d.tableCount(), 2);
    QCOMPARE(fixtures::rowTexts(*d.table(1), 2),
             (QStringList{"tipo prevalente", "REALISTA", "SOCIALE"}));
    const Table& percentages = *d.table(2);
    QCOMPARE(percentages.rows, 1 + kTypeCount * kMeasureCount);
    QCOMPARE(fixtures::rowTexts(percentages, 1 + 3 * kMeasureCount + 1),
             (QStringList{"SOCIALE", "sint.ass.", "80.00", "100.00", "+20.00"}));
    QCOMPARE(fixtures::rowTexts(percentages, 3),
             (QStringList{"", "anal.ass.", "72.00", "64.80", "-7.20"}));
    for (int c = 3; c <= 5; ++c)
        QCOMPARE(percentages.cell(2, c).alignment, Alignment::Right);
}
