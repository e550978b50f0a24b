// The help pages begin with their set first sentences and keep their lengths;
// the tips file and the price list are in the form their windows read.
#include "help/help_texts.h"
#include "test_paths.h"

#include <QFile>
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

class TestHelpTexts : public QObject {
    Q_OBJECT
private slots:
    void pageTitleOpeningAndLength_data();
    void pageTitleOpeningAndLength();
    void dataFileIsSingleByteWithCrLf_data();
    void dataFileIsSingleByteWithCrLf();
};

void TestHelpTexts::pageTitleOpeningAndLength_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("length");

    struct Row {
        HelpPageId id;
        const char* title;
        const char* opening;
        int length;
    };
    const Row rows[] = {
        {HelpPageId::Manual, "MANUALE D'USO RAPIDO",
         "Il software TIPOLAB è un programma per l'analisi della personalità prevalente negli "
         "alunni delle scuole",
         2400},
        {HelpPageId::Operation, "FUNZIONAMENTO DEL PROGRAMMA",
         "Il funzionamento di TIPOLAB è piuttosto semplice, aldilà della moltitudine di dati "
         "necessari all'elaborazione del test.",
         1200},
        {HelpPageId::Archive, "ARCHIVIO DATI",
         "E' possibile memorizzare in appositi files, e in ogni finestra, tutti i dati immessi e "
         "richiamarli al momento opportuno.",
         1200},
        {HelpPageId::Types, "Finestra TIPI",
         "La prima finestra riguarda l'introduzione di pochi, ma significativi, dati relativi alle "
         "sei tipologie di personalità prese in considerazione.",
         1200},
        {HelpPageId::Data, "Finestra DATI",
         "Dopo aver introdotto i dati generali per il test è necessario procedere con una buona "
         "dose di precisione nell'esaminare le sei serie di dodici qualità ciascuna da valutare.",
         1200},
        {HelpPageId::Results, "Finestra RISULTATI",
         "Si tratta di una finestra di sola lettura dei risultati della elaborazione eseguita.",
         1200},
        {HelpPageId::TitlePage, "Finestra FRONTESPIZIO",
         "L'ultima finestra riguarda i dati destinati al FRONTESPIZIO della Relazione da stampare.",
         1200},
        {HelpPageId::Profile, "Finestra PROFILO",
         "La finestra del profilo si apre con «Profilo della persona» dal menu Visualizza", 2458},
        {HelpPageId::Comparison, "Finestra CONFRONTO",
         "La finestra del confronto si apre con «Confronta con un'altra valutazione...»", 2050},
    };
    for (const Row& row : rows)
        QTest::newRow(row.title) << static_cast<int>(row.id) << QString::fromUtf8(row.title)
                                 << QString::fromUtf8(row.opening) << row.length;
}

void TestHelpTexts::pageTitleOpeningAndLength()
{
    QFETCH(int, page);
    QFETCH(QString, title);
    QFETCH(QString, opening);
    QFETCH(int, length);

    const HelpPage& help = helpPage(static_cast<HelpPageId>(page));
    QCOMPARE(qs(help.title), title);
    const QString text = qs(help.text);
    QVERIFY2(text.startsWith(opening), qPrintable(text.left(opening.size())));
    const int measured = static_cast<int>(text.toUcs4().size());
    QVERIFY2(
        std::abs(measured - length) <= length * 3 / 100,
        qPrintable(QStringLiteral("%1 characters, about %2 expected").arg(measured).arg(length)));
    QVERIFY(!text.contains(QLatin1Char('\n'))); // one paragraph
}

void TestHelpTexts::dataFileIsSingleByteWithCrLf_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("minimumLines");
    QTest::newRow("tips") << QStringLiteral("SuggerimentiTipolab.TXT") << 15;
    QTest::newRow("price list") << QStringLiteral("listino.txt") << 5;
}

// Both files are read as plain single-byte text (code page 1252), one entry a
// line, lines ending in CR LF; an empty line would show as an empty entry.
void TestHelpTexts::dataFileIsSingleByteWithCrLf()
{
    QFETCH(QString, name);
    QFETCH(int, minimumLines);

    QFile file(QStringLiteral(TIPOLAB_SOURCE_DIR "/resources/") + name);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray bytes = file.readAll();

    QVERIFY2(!bytes.startsWith("\xEF\xBB\xBF"), "byte-order mark");
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        // Bytes that code page 1252 leaves unassigned, and the lead bytes of
        // UTF-8 accented letters (read as Ã, Â), betray text saved as UTF-8.
        QVERIFY2(b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D && b != 0xC2 &&
                     b != 0xC3,
                 qPrintable(QStringLiteral("byte %1").arg(b, 2, 16)));
    }

    const QList<QByteArray> lines = bytes.split('\n');
    QVERIFY2(lines.last().isEmpty(), "the last line has no line end");
    QVERIFY(lines.size() - 1 >= minimumLines);
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        QVERIFY2(lines[i].endsWith('\r'), lines[i].constData());
        const QByteArray entry = lines[i].chopped(1);
        QVERIFY2(!entry.contains('\r'), entry.constData());
        QVERIFY2(!entry.trimmed().isEmpty(), "empty line");
    }
}

QTEST_APPLESS_MAIN(TestHelpTexts)
#include "test_help_texts.moc"
