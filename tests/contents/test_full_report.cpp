// The full report composed from the sample assessment: its paragraphs, sizes,
// page breaks, seventeen tables, closing lines and final layout.
#include "core/type_descriptions.h"
#include "report_fixtures.h"
#include "document/document_fonts.h"
#include "layout/document_layout.h"
#include "contents/full_report.h"
#include "contents/report_texts.h"
#include "test_contents.h"

#include <QTest>

using namespace tipolab;

namespace {

const QString kBreak(kPageBreak);

ReportDocument report(const ReportSnapshot& snapshot)
{
    ReportWriter w;
    composeFullReport(w, snapshot, a4PageCounter());
    return w.document();
}

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The sample report, composed once for all the tests that only read it.
const ReportDocument& sampleReport()
{
    static const ReportDocument d = report(fixtures::sample());
    return d;
}

// The closing lines: the last ten paragraphs.
QStringList closing(const ReportDocument& d)
{
    return fixtures::paragraphTexts(d).mid(fixtures::paragraphTexts(d).size() - 10);
}

} // namespace

void TestFullReport::titlePage_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("size");
    QTest::newRow("title") << 0 << "VALUTAZIONE DELLA PERSONALITA" << 24;
    QTest::newRow("empty line under the title") << 1 << "" << 24;
    QTest::newRow("progetto") << 2 << "progetto: Orientamento scolastico" << 14;
    QTest::newRow("esaminato") << 3 << "esaminato: Mario Rossi" << 14;
    QTest::newRow("tipologia") << 4 << "tipologia di studio: analisi situazione attuale" << 14;
    QTest::newRow("esaminatore") << 11 << "esaminatore: " + fixtures::kStudio << 14;
    QTest::newRow("committente") << 12 << "committente: Liceo Galilei, classe 5\u00aa B" << 14;
    QTest::newRow("place and date")
        << 14 << "Citt\u00e0 di Castello: luned\u00ec, 7 dic 2026" << 14;
    QTest::newRow("studio") << 37 << fixtures::kStudio << 14;
    QTest::newRow("address, break, the next page's heading")
        << 38 << fixtures::kAddress + kBreak + "Relazione" << 16;
    QTest::newRow("first explanatory paragraph") << 40 << text(explanatoryParagraph(1)) << 12;
}

void TestFullReport::titlePage()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(int, size);
    const ReportDocument& d = sampleReport();
    const std::vector<const Paragraph*> paragraphs = d.paragraphs();
    QCOMPARE(paragraphs[index]->text(), text);
    QCOMPARE(paragraphs[index]->largestSize(), size);
}

void TestFullReport::pageBreaks()
{
    const ReportDocument& d = sampleReport();
    QStringList withBreaks;
    for (const QString& p : fixtures::paragraphTexts(d)) {
        if (p.contains(kPageBreak)) withBreaks << p;
    }
    QStringList expected = {
        fixtures::kAddress + kBreak + "Relazione",
        text(explanatoryParagraph(5)) + kBreak + text(explanatoryParagraph(6)),
        text(explanatoryParagraph(7)) + kBreak,
        kBreak + "Dati sulle caratteristiche personali",
    };
    // Each type's block ends with a page break; the results follow the last
    // one without a break of their own, so no page stays empty.
    for (int t = 1; t <= kTypeCount; ++t)
        expected << kBreak;
    QCOMPARE(withBreaks, expected);
}

void TestFullReport::tables_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("heading");
    const QString characteristics =
        "tipologia|caratteristiche|giudizi|valori|coefficienti |pesi in %";
    const QString summaries = "tipologia|dati";
    QTest::newRow("1 types window scale") << 1 << 12 << 1 << 12 << "giudizio";
    QTest::newRow("2 general judgements")
        << 2 << 8 << 4 << 12 << "tipo considerato|giudizio|valore|coefficiente";
    QTest::newRow("3 data window scale") << 3 << 12 << 1 << 12 << "giudizio";
    for (int t = 1; t <= kTypeCount; ++t) {
        const QByteArray name = QByteArray::fromStdString(std::string(typeName(t)));
        QTest::addRow("%d characteristics of %s", 2 * t + 2, name.constData())
            << 2 * t + 2 << 13 << 6 << 10 << characteristics;
        QTest::addRow("%d summaries of %s", 2 * t + 3, name.constData())
            << 2 * t + 3 << 5 << 2 << 12 << summaries;
    }
    QTest::newRow("16 legend") << 16 << 5 << 2 << 12 << "tipo|tipologia della personalit\u00e0";
    QTest::newRow("17 results") << 17 << 7 << 5 << 10
                                << "tipo|sint.ass.|anal.ass.|sint.rel.|anal.rel.";
}

void TestFullReport::tables()
{
    QFETCH(int, number);
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(int, size);
    QFETCH(QString, heading);
    const ReportDocument& d = sampleReport();
    QCOMPARE(d.tableCount(), 17);
    const Table& t = *d.table(number);
    QCOMPARE(t.rows, rows);
    QCOMPARE(t.columns, columns);
    QCOMPARE(t.format.size, size);
    QCOMPARE(t.format.font, QStringLiteral("Century Gothic"));
    QVERIFY(t.formatted);
    QCOMPARE(fixtures::rowTexts(t, 1).join(QLatin1Char('|')), heading);
}

void TestFullReport::cells_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("texts");
    QTest::newRow("scale caption with its blanks") << 1 << 2 << "1 = massimo          ";
    QTest::newRow("general judgement") << 2 << 2 << "REALISTA|quasi massimo|2|0.90";
    QTest::newRow("mean of the general judgements") << 2 << 8 << "media dei coefficienti|||0.52";
    QTest::newRow("type name in its first row") << 4 << 2 << "REALISTA|asociale|massimo|1|1.00|9";
    QTest::newRow("type name once only") << 4 << 3 << "|conformista|massimo|1|1.00|9";
    QTest::newRow("accented characteristic")
        << 12 << 12 << "|sicuro di s\u00e8|leggermente|5|0.60|8";
    QTest::newRow("summary mean step") << 5 << 2 << "valor medio|3.9";
    QTest::newRow("summary weighted coefficient") << 5 << 4 << "coefficiente ponderato|0.720";
    QTest::newRow("overall judgement without a label")
        << 5 << 5 << "|Giudizio complessivo: molto-abbastanza";
    QTest::newRow("legend's last line") << 16 << 5 << "anal.rel.|analita relativa (come sei in %)";
    QTest::newRow("prevailing type first") << 17 << 2 << "REALISTA|90.00|72.00|29.03|24.87";
}

void TestFullReport::cells()
{
    QFETCH(int, table);
    QFETCH(int, row);
    QFETCH(QString, texts);
    const ReportDocument& d = sampleReport();
    QCOMPARE(fixtures::rowTexts(*d.table(table), row).join(QLatin1Char('|')), texts);
}

void TestFullReport::finalLayout_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QList<int>>("rightColumns");
    for (int n = 1; n <= 17; ++n) {
        QList<int> right;
        if (n == 2) right = {3, 4};
        if (n >= 4 && n <= 14 && n % 2 == 0) right = {4, 5, 6};
        if (n == 17) right = {2, 3, 4, 5};
        QTest::addRow("table %d", n) << n << right;
    }
}

void TestFullReport::finalLayout()
{
    QFETCH(int, table);
    QFETCH(QList<int>, rightColumns);
    const ReportDocument& d = sampleReport();
    const Table& t = *d.table(table);
    for (int c = 1; c <= t.columns; ++c) {
        const Alignment expected = rightColumns.contains(c) ? Alignment::Right : Alignment::Justify;
        for (int r = 1; r <= t.rows; ++r)
            QCOMPARE(t.cell(r, c).alignment, expected);
    }
    for (const Paragraph* p : d.paragraphs())
        QCOMPARE(p->alignment, Alignment::Justify);
}

void TestFullReport::closingLines()
{
    const ReportDocument& d = sampleReport();
    const QStringList lines = closing(d);
    const QStringList expected = {"",
                                  lines[1],
                                  "Si allegano: nessuno",
                                  "",
                                  "",
                                  "Citt\u00e0 di Castello: luned\u00ec, 7 dic 2026",
                                  "",
                                  "",
                                  "l'esaminatore",
                                  "(" + fixtures::kStudio + ")"};
    QCOMPARE(lines, expected);

    // The count is of the whole document, closing lines included, also when
    // they run onto a page of their own; it is the count of the laid-out pages.
    ReportSnapshot attached = fixtures::sample();
    attached.title.allegati = QStringLiteral("questionario compilato, ").repeated(50);
    ReportSnapshot wide = attached;
    for (QString* field : {&wide.title.progetto, &wide.title.persona, &wide.title.committente,
                           &wide.title.luogo, &wide.title.data, &wide.title.studioName})
        *field = QStringLiteral("Mm").repeated(30);
    for (const ReportDocument& document : {d, report(attached), report(wide)}) {
        const int pages = layoutPageCount(document);
        QCOMPARE(pages, buildTextDocument(document, twipsDevice())->pageCount());
        QCOMPARE(
            closing(document)[1],
            QStringLiteral("La presente relazione \u00e8 composta di n. %1 pagine.").arg(pages));
        QVERIFY(pages >= 10);
    }
}

void TestFullReport::edgeCases_data()
{
    QTest::addColumn<bool>("emptyTitle");
    QTest::addColumn<int>("prevailing");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<int>("description");
    QTest::newRow("sample") << false << 1
                            << "Dall'esame \u00e8 risultato che, per la maggior percentuale, "
                               "Mario Rossi \u00e8 di tipo: REALISTA."
                            << 1;
    QTest::newRow("empty title page") << true << 3
                                      << "Dall'esame \u00e8 risultato che, per la maggior "
                                         "percentuale,  \u00e8 di tipo: ARTISTICO."
                                      << 3;
    QTest::newRow("no prevailing type gives REALISTA's text")
        << false << 0
        << "Dall'esame \u00e8 risultato che, per la maggior percentuale, Mario Rossi \u00e8 di "
           "tipo: ARTISTICO."
        << 1;
    QTest::newRow("type number out of range gives REALISTA's text")
        << false << 9
        << "Dall'esame \u00e8 risultato che, per la maggior percentuale, Mario Rossi \u00e8 di "
           "tipo: ARTISTICO."
        << 1;
}

void TestFullReport::edgeCases()
{
    QFETCH(bool, emptyTitle);
    QFETCH(int, prevailing);
    QFETCH(QString, sentence);
    QFETCH(int, description);
    ReportSnapshot s = fixtures::sample();
    if (emptyTitle) {
        s.title.progetto = s.title.persona = s.title.tipostudio = s.title.committente =
            s.title.allegati = QString();
    }
    if (prevailing != 1) {
        s.results.prevailingType = prevailing;
        s.results.prevailingName = QStringLiteral("ARTISTICO");
    }
    const ReportDocument d = report(s);
    const QStringList paragraphs = fixtures::paragraphTexts(d);
    const qsizetype at = paragraphs.indexOf(sentence);
    QVERIFY(at > 0);
    QCOMPARE(paragraphs[at - 1], QString()); // the sentence follows an empty line
    QCOMPARE(paragraphs[at + 1], text(reportTypeDescription(description)));
    if (emptyTitle) {
        QCOMPARE(paragraphs[2], QStringLiteral("progetto: "));
        QCOMPARE(paragraphs[3], QStringLiteral("esaminato: "));
        QVERIFY(paragraphs.contains(QStringLiteral("Soggetto esaminato: ")));
        QCOMPARE(closing(d)[2], QStringLiteral("Si allegano: "));
    }
}

void TestFullReport::regionalDecimalSeparator()
{
    const ReportDocument d = report(fixtures::sample(QLocale(QLocale::Italian, QLocale::Italy)));
    QCOMPARE(fixtures::rowTexts(*d.table(2), 2).join(QLatin1Char('|')),
             QStringLiteral("REALISTA|quasi massimo|2|0,90"));
    QCOMPARE(d.table(2)->cell(8, 4).text, QStringLiteral("0,52"));
    QCOMPARE(d.table(4)->cell(2, 5).text, QStringLiteral("1,00"));
    QCOMPARE(d.table(5)->cell(4, 2).text, QStringLiteral("0,720"));
    QCOMPARE(d.table(17)->cell(2, 4).text, QStringLiteral("29,03"));
}
