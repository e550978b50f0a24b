// The explanatory paragraphs of the report: each begins with its set opening
// and keeps its length; P4 ends on the colon that introduces the two conditions.
#include "contents/report_texts.h"

#include <QString>
#include <QTest>
#include <cstdlib>

using namespace tipolab;

namespace {

QString qs(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace

class TestReportTexts : public QObject {
    Q_OBJECT
private slots:
    void paragraphOpeningAndLength_data();
    void paragraphOpeningAndLength();
    void fourthParagraphIntroducesTheConditions();
};

void TestReportTexts::paragraphOpeningAndLength_data()
{
    QTest::addColumn<int>("paragraph");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("length");

    const char* const openings[] = {
        "Il presente studio della personalità esamina 6 possibili caratteri di individui.",
        "Nel primo caso il programma organizza percentualmente i giudizi",
        "La complessità di ogni carattere difficilmente può essere valutata completamente secondo "
        "l'una o l'altra tipologia: è sempre presente una parte di ciascuna.",
        "Il test è ripreso da manuali di psicologia,",
        "Tutto ciò al fine di poter opportunamente confrontare il concetto che l'esaminato ha di "
        "sè "
        "con la realtà della sua personalità.",
        "In definitiva è sempre interessante e fondamentale sapere come è composto "
        "psicologicamente un individuo.",
        "Eventuali differenze di valutazioni finali possono avvenire quando si modificano,",
    };
    const int lengths[] = {247, 538, 714, 288, 656, 320, 427};
    for (int n = 1; n <= 7; ++n)
        QTest::addRow("P%d", n) << n << QString::fromUtf8(openings[n - 1]) << lengths[n - 1];
}

void TestReportTexts::paragraphOpeningAndLength()
{
    QFETCH(int, paragraph);
    QFETCH(QString, opening);
    QFETCH(int, length);

    const QString text = qs(explanatoryParagraph(paragraph));
    QVERIFY2(text.startsWith(opening), qPrintable(text.left(opening.size())));
    const int measured = static_cast<int>(text.toUcs4().size());
    QVERIFY2(
        std::abs(measured - length) <= length * 3 / 100,
        qPrintable(QStringLiteral("%1 characters, about %2 expected").arg(measured).arg(length)));
    // The report writes its own paragraph ends and page breaks.
    QVERIFY(!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')));
    QVERIFY(!text.contains(QLatin1Char('\f')));
}

void TestReportTexts::fourthParagraphIntroducesTheConditions()
{
    QVERIFY(qs(explanatoryParagraph(4))
                .endsWith(QString::fromUtf8("Si è tenuto conto delle due seguenti condizioni per "
                                            "una corretta valutazione:")));
}

QTEST_APPLESS_MAIN(TestReportTexts)
#include "test_report_texts.moc"
