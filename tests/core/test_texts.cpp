// The fixed type descriptions: each begins with its set opening and keeps its
// length, and the report's copies differ from the window's in punctuation and
// spacing only.
#include "core/type_descriptions.h"

#include <QString>
#include <QTest>
#include <cstdlib>

using namespace tipolab;

namespace {

QString qs(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Characters as a reader counts them (code points), not bytes.
int characters(std::string_view utf8)
{
    return static_cast<int>(qs(utf8).toUcs4().size());
}

// Words only: what is left when blanks and punctuation are taken away.
QString lettersOnly(std::string_view utf8)
{
    QString out;
    for (const QChar c : qs(utf8))
        if (c.isLetterOrNumber()) out += c;
    return out;
}

} // namespace

class TestTexts : public QObject {
    Q_OBJECT
private slots:
    void descriptionOpeningAndLength_data();
    void descriptionOpeningAndLength();
    void reportCopiesDifferOnlyInPunctuation();
    void reportOutsideTheTypesGivesRealista();
};

void TestTexts::descriptionOpeningAndLength_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("report");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("length");

    const char* const window[] = {
        "L'individuo che appartiene al tipo realista preferisce le attività in cui occorre "
        "maneggiare oggetti, attrezzi e macchinari",
        "Il tipo investigativo preferisce le attività che implicano l'osservazione, l'uso dei "
        "simboli",
        "Il tipo artistico preferisce le attività in cui può disporre  liberamente di materiali di "
        "qualsiasi genere per creare cose nuove",
        "Il tipo sociale preferisce le attività che implicano il contatto con le persone per "
        "informarle, istruirle, curarle",
        "Il tipo intraprendente preferisce le attività che permettono di esercitare un'influenza "
        "sugli altri a scopo di potere e di guadagno",
        "L'individuo che appartiene al tipo convenzionale preferisce le attività sistematiche, "
        "prestabilite",
    };
    const int windowLength[] = {564, 522, 324, 332, 359, 381};

    const char* const report[] = {
        window[0],
        window[1],
        "Il tipo artistico preferisce le attività in cui può disporre liberamente di materiali di "
        "qualsiasi genere per creare cose nuove;",
        "Il tipo sociale preferisce le attività che implicano il contatto con le persone per "
        "informarle, istruirle, curarle;",
        "Il tipo intraprendente preferisce le attività che permettono di esercitare un'influenza "
        "sugli altri a scopo di potere e di guadagno,",
        window[5],
    };
    const int reportLength[] = {563, 526, 323, 332, 359, 381};

    for (int t = 1; t <= 6; ++t) {
        QTest::addRow("window %d", t)
            << t << false << QString::fromUtf8(window[t - 1]) << windowLength[t - 1];
        QTest::addRow("report %d", t)
            << t << true << QString::fromUtf8(report[t - 1]) << reportLength[t - 1];
    }
}

void TestTexts::descriptionOpeningAndLength()
{
    QFETCH(int, type);
    QFETCH(bool, report);
    QFETCH(QString, opening);
    QFETCH(int, length);

    const std::string_view text = report ? reportTypeDescription(type) : typeDescription(type);
    QVERIFY2(qs(text).startsWith(opening), qPrintable(qs(text).left(opening.size())));
    const int measured = characters(text);
    QVERIFY2(
        std::abs(measured - length) <= length * 3 / 100,
        qPrintable(QStringLiteral("%1 characters, about %2 expected").arg(measured).arg(length)));
    QVERIFY(!qs(text).contains(QLatin1Char('\n')));
}

void TestTexts::reportCopiesDifferOnlyInPunctuation()
{
    for (int t = 1; t <= 6; ++t)
        QCOMPARE(lettersOnly(reportTypeDescription(t)), lettersOnly(typeDescription(t)));
    for (int t = 4; t <= 6; ++t)
        QCOMPARE(qs(reportTypeDescription(t)), qs(typeDescription(t)));
}

void TestTexts::reportOutsideTheTypesGivesRealista()
{
    QCOMPARE(qs(reportTypeDescription(0)), qs(reportTypeDescription(1)));
    QCOMPARE(qs(reportTypeDescription(7)), qs(reportTypeDescription(1)));
}

QTEST_APPLESS_MAIN(TestTexts)
#include "test_texts.moc"
