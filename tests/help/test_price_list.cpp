// The price list's refresh: a newer list replaces the shipped one and is read
// again at the next start; a file that is no list is refused whole.
#include "help/price_list_window.h"
#include "help_program.h"
#include "help_tests.h"
#include "state/program_paths.h"
#include "test_support.h"

#include <QTreeWidget>

using namespace tipolab;

namespace {

const QByteArray kShipped = "Vecchio programma 1.0 - un questionario: euro 10,00\r\n";

QStringList shownList(QWidget* window)
{
    auto* list = control<QTreeWidget>(window, QStringLiteral("lstListino"));
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        rows << list->topLevelItem(i)->text(0) + u'|' + list->topLevelItem(i)->text(1);
    return rows;
}

// The list offered as the newer one, picked through the window's button.
void refreshWith(HelpProgram& program, QWidget* window, const QByteArray& bytes)
{
    const QString offered = program.path(QStringLiteral("nuovo-listino.txt"));
    test::writeFile(offered, bytes);
    program.dialogs.fileAnswers << offered;
    clickButton(window, QStringLiteral("cmdAggiorna"));
}

QString refreshedList()
{
    return ProgramPaths::current().userDataFile(QStringLiteral("listino.txt"));
}

} // namespace

void TestPriceList::init()
{
    QFile::remove(refreshedList());
}

void TestPriceList::refreshRefusesABadFileAndKeepsTheList_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("binary") << QByteArray("\x7f"
                                          "ELF\x02\x01\x01\0\0\0\x03\0>\0",
                                          16)
                            << "contiene caratteri nulli alla riga 1";
    QTest::newRow("a control character")
        << QByteArray("Nuovo programma: euro 5,00\r\nAltro\x1b[1m: euro 6,00\r\n")
        << "contiene caratteri di controllo alla riga 2";
    QTest::newRow("no line with text")
        << QByteArray("\r\n  \t\r\n\r\n") << "non contiene alcuna riga di testo";
    QTest::newRow("over 4 MB") << QByteArray(4 * 1024 * 1024 + 1, 'a') << "è più grande di 4 MB";
}

void TestPriceList::refreshRefusesABadFileAndKeepsTheList()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    HelpProgram program;
    program.writeProgramFile(QStringLiteral("listino.txt"), kShipped);
    QWidget* window = program.show(WindowId::PriceList);
    const QStringList before = shownList(window);

    refreshWith(program, window, bytes);

    QCOMPARE(program.dialogs.messages.size(), 1);
    const MessageCall& told = program.dialogs.messages.first();
    QVERIFY2(told.text.contains(reason), qPrintable(told.text));
    QVERIFY(told.text.contains(QDir::toNativeSeparators(program.path("nuovo-listino.txt"))));
    QCOMPARE(told.icon, QMessageBox::Critical);
    QCOMPARE(shownList(window), before);
    QVERIFY(!QFile::exists(refreshedList()));
}

void TestPriceList::refreshReplacesTheList()
{
    HelpProgram program;
    program.writeProgramFile(QStringLiteral("listino.txt"), kShipped);
    QWidget* window = program.show(WindowId::PriceList);
    QCOMPARE(shownList(window), QStringList{"Vecchio programma 1.0 - un questionario|euro 10,00"});

    // As the supplier sends it: code page 1252, a blank line, a tab.
    refreshWith(program, window, "Novit\xe0 2.0 - orientamento:\teuro 99,00\r\n\r\nLicenza scuola");

    QVERIFY(program.dialogs.messages.isEmpty());
    const QStringList refreshed{"Novit\u00e0 2.0 - orientamento|euro 99,00", "Licenza scuola|"};
    QCOMPARE(shownList(window), refreshed);
    // The shipped file is left alone; the next start reads the refreshed list.
    QCOMPARE(test::readFile(QDir(program.programDir()).filePath("listino.txt")), kShipped);
    PriceListWindow restarted(QStringLiteral("Tipolab"), program.programDir(), program.dialogs);
    QCOMPARE(shownList(&restarted), refreshed);
}
