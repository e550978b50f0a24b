// The profile sheet of the sample assessment and the chart's axis.
#include "report_fixtures.h"
#include "layout/document_layout.h"
#include "contents/hexagon_chart.h"
#include "contents/profile_sheet.h"
#include "output/rtf_writer.h"
#include "test_contents.h"

#include <QTest>

using namespace tipolab;

void TestProfileSheet::chartAxis_data()
{
    QTest::addColumn<int>("largest"); // hundredths
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("top"); // the outer ring's label, in Italian
    QTest::newRow("sample self-image") << 2903 << 500 << 3000 << "30";
    QTest::newRow("on a ring") << 2500 << 500 << 2500 << "25";
    QTest::newRow("one type holds everything") << 10000 << 2000 << 10000 << "100";
    QTest::newRow("seven rings of 2 are too many") << 1234 << 500 << 1500 << "15";
    QTest::newRow("below two points") << 130 << 50 << 150 << "1,5";
    QTest::newRow("flat: every value 0") << 0 << 100 << 500 << "5";
}

void TestProfileSheet::chartAxis()
{
    QFETCH(int, largest);
    QFETCH(int, step);
    QFETCH(int, maximum);
    QFETCH(QString, top);
    ChartProfile profile;
    profile.values[3] = largest / 100.0;
    const HexagonChart chart({profile}, QLocale(QLocale::Italian, QLocale::Italy));
    QCOMPARE(chart.axis().step, step);
    QCOMPARE(chart.axis().maximum, maximum);
    QCOMPARE(chart.ringLabel(chart.axis().rings()), top);
}

void TestProfileSheet::sampleSheet()
{
    ReportWriter w;
    composeProfileSheet(w, sheetHeading(QStringLiteral("Mario Rossi")), fixtures::sampleProfile());
    const ReportDocument& d = w.document();

    // The chart right after its heading, centred, 11 x 9.5 cm drawn at 200 dpi.
    const QStringList paragraphs = fixtures::paragraphTexts(d);
    QVERIFY(paragraphs.contains(QStringLiteral("Soggetto esaminato: Mario Rossi")));
    const auto picture = std::find_if(d.blocks.begin(), d.blocks.end(), [](const Block& b) {
        return std::holds_alternative<Picture>(b);
    });
    QVERIFY(picture != d.blocks.end());
    QCOMPARE(std::get<Paragraph>(*(picture - 1)).text(), QStringLiteral("Profilo della persona"));
    const Picture& chart = std::get<Picture>(*picture);
    QCOMPARE(chart.alignment, Alignment::Center);
    QCOMPARE(chart.size, QSize(kProfileChartWidth, kProfileChartHeight));
    QCOMPARE(chart.pixels, QSize(866, 748));
    QVERIFY(chart.png.startsWith("\x89PNG"));

    QCOMPARE(d.tableCount(), 3);
    QCOMPARE(fixtures::rowTexts(*d.table(1), 2), QStringList({"codice", "RSI", "(R/S)E"}));
    QCOMPARE(fixtures::rowTexts(*d.table(1), 4),
             QStringList({"primi due tipi", "R e S, distacco 3.22",
                          "R e S, distacco 0.00 (non distinti)"}));
    QCOMPARE(fixtures::rowTexts(*d.table(2), 2),
             QStringList({"REALISTA (R)", "29.03", "24.87", "-4.16"}));
    QCOMPARE(fixtures::rowTexts(*d.table(2), 4),
             QStringList({"ARTISTICO (A)", "9.68", "10.36", "+0.68"}));
    QCOMPARE(d.table(2)->cell(4, 4).alignment, Alignment::Right);
    QCOMPARE(fixtures::rowTexts(*d.table(3), 7).value(2),
             QStringLiteral("efficiente (minimo, peso 9%)\ninflessibile (minimo, peso "
                            "8%)\ninibito (minimo, peso 8%)")
                 .replace(u'\n', kParagraphEnd));
    QVERIFY(paragraphs.contains(
        QStringLiteral("Tipi in comune tra i primi tre: 2 su 3. \u03c1 di Spearman: 0.928.")));

    // The file holds the picture as PNG at its size; the page count makes room for it.
    const QByteArray rtf = toRtf(d);
    QVERIFY(rtf.contains("{\\pict\\pngblip\\picw866\\pich748\\picwgoal6236\\pichgoal5386\n" +
                         chart.png.left(64).toHex() + '\n'));
    QCOMPARE(layoutPageCount(d), 2);
}
