// The sheets of the windows: results, data, blank acquisition form, types.
#include "core/model.h"
#include "core/type_descriptions.h"
#include "report_fixtures.h"
#include "contents/window_sheets.h"
#include "test_contents.h"

#include <QTest>

using namespace tipolab;

namespace {

const QString kBreak(kPageBreak);

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString row(const ReportDocument& d, int table, int r)
{
    return fixtures::rowTexts(*d.table(table), r).join(QLatin1Char('|'));
}

SheetHeading heading(const QString& persona = QStringLiteral("Mario Rossi"))
{
    return sheetHeading(persona);
}

// Columns aligned right in table `table`, for every row alike; -1 when mixed.
QList<int> rightColumns(const ReportDocument& d, int table)
{
    const Table& t = *d.table(table);
    QList<int> out;
    for (int c = 1; c <= t.columns; ++c) {
        const bool right = t.cell(1, c).alignment == Alignment::Right;
        for (int r = 2; r <= t.rows; ++r) {
            if ((t.cell(r, c).alignment == Alignment::Right) != right) return {-1};
        }
        if (right) out << c;
    }
    return out;
}

// The opening every sheet shares.
void verifyOpening(const QStringList& paragraphs, const QString& persona)
{
    QCOMPARE(paragraphs.mid(0, 5),
             (QStringList{QStringLiteral("Tipolab"),
                          QStringLiteral("programma per la valutazione "
                                         "della personalit\u00e0"),
                          QString(), QString(), QStringLiteral("Soggetto esaminato: ") + persona}));
}

} // namespace

void TestWindowSheets::resultsSheet_data()
{
    QTest::addColumn<bool>("computed");
    QTest::addColumn<QString>("persona");
    QTest::addColumn<QString>("firstRow");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<int>("description");
    QTest::newRow("sample") << true << "Mario Rossi"
                            << "REALISTA|90.00|72.00|29.03|24.87"
                            << "Dall'esame \u00e8 risultato che, per la maggior percentuale, "
                               "Mario Rossi \u00e8 di tipo: REALISTA."
                            << 1;
    QTest::newRow("before any computation, no name")
        << false << ""
        << "||||"
        << "Dall'esame \u00e8 risultato che, per la maggior percentuale,  \u00e8 di tipo: ." << 1;
}

void TestWindowSheets::resultsSheet()
{
    QFETCH(bool, computed);
    QFETCH(QString, persona);
    QFETCH(QString, firstRow);
    QFETCH(QString, sentence);
    QFETCH(int, description);
    ReportWriter w;
    composeResultsSheet(w, heading(persona),
                        computed ? fixtures::sample().results : ResultsWindowSnapshot());
    const ReportDocument& d = w.document();
    const QStringList paragraphs = fixtures::paragraphTexts(d);
    verifyOpening(paragraphs, persona);
    QCOMPARE(paragraphs.mid(5, 4),
             (QStringList{QString(), QStringLiteral("Risultati della elaborazione"), QString(),
                          QStringLiteral("Legenda")}));
    QCOMPARE(d.tableCount(), 2);
    QCOMPARE(row(d, 1, 5), QStringLiteral("anal.rel.|analita relativa (come sei in %)"));
    QCOMPARE(d.table(2)->format.size, 10);
    QCOMPARE(row(d, 2, 1), QStringLiteral("tipo|sint.ass.|anal.ass.|sint.rel.|anal.rel."));
    QCOMPARE(row(d, 2, 2), firstRow);
    const qsizetype at = paragraphs.indexOf(sentence);
    QVERIFY(at > 0);
    QCOMPARE(paragraphs[at + 1], text(reportTypeDescription(description)));
    QCOMPARE(rightColumns(d, 2), (QList<int>{2, 3, 4, 5}));
    QCOMPARE(d.table(1)->cell(2, 2).alignment, Alignment::Justify);
    for (const Paragraph* p : d.paragraphs())
        QCOMPARE(p->alignment, Alignment::Justify);
    QCOMPARE(fixtures::pageBreakCount(d), 0);
}

void TestWindowSheets::dataSheet()
{
    ReportWriter w;
    const ReportSnapshot s = fixtures::sample();
    composeDataSheet(w, heading(), s.data);
    const ReportDocument& d = w.document();
    const QStringList paragraphs = fixtures::paragraphTexts(d);
    verifyOpening(paragraphs, QStringLiteral("Mario Rossi"));
    QCOMPARE(paragraphs[5], QStringLiteral("Dati sulle caratteristiche personali"));
    QCOMPARE(paragraphs[7], QStringLiteral("Scala dei giudizi"));
    QCOMPARE(d.tableCount(), 13);
    QCOMPARE(d.table(1)->cell(12, 1).text, text(stepCaption(11)));
    for (int t = 1; t <= kTypeCount; ++t) {
        QCOMPARE(
            row(d, 2 * t, 1),
            QStringLiteral("tipologia|caratteristiche|giudizi|valori|coefficienti |pesi in %"));
        QCOMPARE(d.table(2 * t)->cell(2, 1).text, text(typeName(t)));
        QCOMPARE(rightColumns(d, 2 * t), (QList<int>{4, 5, 6}));
        const Table& summary = *d.table(2 * t + 1);
        QCOMPARE(summary.format.size, 12);
        QVERIFY(summary.formatted);
        QCOMPARE(summary.cell(5, 1).text, QString());
        QVERIFY(summary.cell(5, 2).text.startsWith(QStringLiteral("Giudizio complessivo: ")));
        QCOMPARE(summary.cell(2, 2).text, s.data.types[t - 1].summary.valoreMedio);
    }
    QCOMPARE(row(d, 3, 4), QStringLiteral("coefficiente ponderato|0.720"));
    QCOMPARE(fixtures::pageBreakCount(d), kTypeCount);
    QCOMPARE(d.table(1)->cell(1, 1).alignment, Alignment::Left); // not justified
}

void TestWindowSheets::newAssessment()
{
    const ReportSnapshot s = fixtures::newAssessment();
    ReportWriter data;
    composeDataSheet(data, heading(QString()), s.data);
    const ReportDocument& d = data.document();
    QCOMPARE(row(d, 2, 2), QStringLiteral("REALISTA|asociale|||0.00|9"));
    QCOMPARE(row(d, 2, 6), QStringLiteral("|virile|||0.00|8"));
    QCOMPARE(row(d, 3, 2), QStringLiteral("valor medio|0"));
    QCOMPARE(row(d, 3, 3), QStringLiteral("media dei coefficienti|0"));

    ReportWriter types;
    composeTypesSheet(types, heading(QString()), s.types);
    const ReportDocument& t = types.document();
    QCOMPARE(row(t, 2, 2), QStringLiteral("REALISTA|||0.00"));
    QCOMPARE(row(t, 2, 8), QStringLiteral("media dei coefficienti|||0.00"));
}

void TestWindowSheets::typesSheet_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("step");
    QTest::addColumn<double>("coefficient"); // negative: none
    QTest::addColumn<QString>("mean");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("meanCell");
    QTest::newRow("sample") << "quasi massimo"
                            << "2" << 0.9 << "0.517"
                            << "REALISTA|quasi massimo|2|0.90"
                            << "0.52";
    QTest::newRow("before any entry") << ""
                                      << "" << -1.0 << ""
                                      << "REALISTA|||"
                                      << "";
    QTest::newRow("judged, then unticked") << "molto"
                                           << "3" << 0.0 << "0"
                                           << "REALISTA|molto|3|0.00"
                                           << "0.00";
}

void TestWindowSheets::typesSheet()
{
    QFETCH(QString, word);
    QFETCH(QString, step);
    QFETCH(double, coefficient);
    QFETCH(QString, mean);
    QFETCH(QString, row);
    QFETCH(QString, meanCell);
    TypesWindowSnapshot types = fixtures::sample().types;
    types.rows[0].word = word;
    types.rows[0].step = step;
    types.rows[0].coefficient = coefficient < 0 ? std::nullopt : std::optional<double>(coefficient);
    types.mean = mean;

    ReportWriter w;
    composeTypesSheet(w, heading(), types);
    const ReportDocument& d = w.document();
    const QStringList paragraphs = fixtures::paragraphTexts(d);
    verifyOpening(paragraphs, QStringLiteral("Mario Rossi"));
    QCOMPARE(paragraphs[5], QStringLiteral("Giudizi generali sulla propria personalit\u00e0"));
    QCOMPARE(paragraphs[7], QStringLiteral("Scala dei giudizi"));
    QCOMPARE(d.tableCount(), 2);
    QCOMPARE(d.table(1)->rows, 12);
    QCOMPARE(d.table(1)->cell(2, 1).text, text(stepCaption(1))); // trailing blanks kept
    QCOMPARE(::row(d, 2, 1), QStringLiteral("tipo considerato|giudizio|valore|coefficiente"));
    QCOMPARE(::row(d, 2, 2), row);
    QCOMPARE(d.table(2)->cell(8, 1).text, QStringLiteral("media dei coefficienti"));
    QCOMPARE(d.table(2)->cell(8, 4).text, meanCell);
    QCOMPARE(rightColumns(d, 2), (QList<int>{3, 4}));
}

void TestWindowSheets::acquisitionForm()
{
    ReportWriter w;
    composeAcquisitionForm(w, heading(), scaleCaptions());
    const ReportDocument& d = w.document();
    const QStringList paragraphs = fixtures::paragraphTexts(d);
    verifyOpening(paragraphs, QStringLiteral("___________________________"));
    QCOMPARE(paragraphs[5], QStringLiteral("Giudizi generali sulla propria personalit\u00e0"));
    QCOMPARE(d.tableCount(), 7);
    QCOMPARE(fixtures::pageBreakCount(d), 0);
    for (int t = 1; t <= kTypeCount; ++t) {
        const Table& table = *d.table(t + 1);
        QCOMPARE(table.format.size, 10);
        QCOMPARE(::row(d, t + 1, 1),
                 QStringLiteral("tipologia|caratteristiche|n.giudizio|peso in % (totale = 100)"));
        for (int c = 1; c <= kCharacteristicCount; ++c) {
            QCOMPARE(table.cell(c + 1, 1).text, c == 1 ? text(typeName(t)) : QString());
            QCOMPARE(table.cell(c + 1, 2).text, text(characteristicName(t, c)));
            QCOMPARE(table.cell(c + 1, 3).text + table.cell(c + 1, 4).text, QString());
        }
    }
}
