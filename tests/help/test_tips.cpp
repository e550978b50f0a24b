// The tip of the day walked through as a person would, over tips files of
// every shape.
#include "help/tip_window.h"
#include "help_program.h"
#include "help_tests.h"

#include <QLabel>

using namespace tipolab;

namespace {

QString shownTip(QWidget* tip)
{
    return control<QLabel>(tip, "lblTipText")->text();
}

const QString kMissingFileText = QStringLiteral(
    "Impossibile trovare il file SuggerimentiTipolab.TXT\r\n\r\nCreare un file di testo "
    "denominato SuggerimentiTipolab.TXT utilizzando il Blocco note e inserendo un suggerimento "
    "per ogni riga. Inserire il file nella stessa directory dell'applicazione. ");

} // namespace

void TestTips::walkThroughTheTips_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("clicks");    // n: "&Successivo", p: "&Precedente"
    QTest::addColumn<QStringList>("shown"); // at opening, then after each click

    QTest::newRow("three lines: forward wraps, back stops at the first")
        << QByteArray("uno\r\ndue\r\ntre\r\n") << "p n n n p"
        << QStringList{"uno", "uno", "due", "tre", "uno", "uno"};
    QTest::newRow("back from the last") << QByteArray("uno\r\ndue\r\ntre\r\n") << "n n p p"
                                        << QStringList{"uno", "due", "tre", "due", "uno"};
    QTest::newRow("an empty second line is an empty tip")
        << QByteArray("uno\r\n\r\ntre\r\n") << "n n" << QStringList{"uno", "", "tre"};
    QTest::newRow("last line without a line end")
        << QByteArray("uno\r\ndue") << "n n" << QStringList{"uno", "due", "uno"};
    QTest::newRow("one tip") << QByteArray("solo\r\n") << "n p"
                             << QStringList{"solo", "solo", "solo"};
    QTest::newRow("empty file: no tip, no message")
        << QByteArray() << "n p" << QStringList{"", "", ""};
    QTest::newRow("code page 1252") << QByteArray("perch\xe9 \x80 5 \x93s\xec\x94\r\n") << ""
                                    << QStringList{QString::fromUtf8("perché € 5 “sì”")};
    QTest::newRow("UTF-8, as today's Notepad saves it")
        << QByteArray("perch\xc3\xa9\r\ncos\xc3\xac\r\n") << "n"
        << QStringList{QString::fromUtf8("perché"), QString::fromUtf8("così")};
    QTest::newRow("UTF-8 with its byte-order mark")
        << QByteArray("\xef\xbb\xbfprimo\r\nsecondo") << "n" << QStringList{"primo", "secondo"};
    QTest::newRow("line feeds alone")
        << QByteArray("uno\ndue\n") << "n n" << QStringList{"uno", "due", "uno"};
}

void TestTips::walkThroughTheTips()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, clicks);
    QFETCH(QStringList, shown);
    HelpProgram program;
    program.writeProgramFile(QString::fromLatin1(kTipsFileName), file);

    QWidget* tip = program.show(WindowId::TipOfTheDay);
    QStringList seen{shownTip(tip)};
    for (const QString& click : clicks.split(u' ', Qt::SkipEmptyParts)) {
        clickButton(tip, click == u"n" ? "cmdNextTip" : "cmdprecedente");
        seen << shownTip(tip);
    }
    QCOMPARE(seen, shown);
    QVERIFY(program.dialogs.messages.isEmpty());
}

void TestTips::fileThatCannotBeRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("a folder of that name") << "folder";
    QTest::newRow("unreadable") << "unreadable";
}

void TestTips::fileThatCannotBeRead()
{
    QFETCH(QString, kind);
    HelpProgram program;
    const QString path = QDir(program.programDir()).filePath(QString::fromLatin1(kTipsFileName));
    if (kind == u"folder") QVERIFY(QDir().mkpath(path));
    if (kind == u"unreadable") {
        // A file that opens but fails when read, whoever runs the test.
        if (!QFileInfo(QStringLiteral("/proc/self/mem")).exists()) QSKIP("needs /proc");
        QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), path));
    }

    QWidget* tip = program.show(WindowId::TipOfTheDay);
    QCOMPARE(shownTip(tip), kMissingFileText);
    // The window stays usable: the buttons change nothing, "&Chiudi" hides it.
    for (const char* button : {"cmdNextTip", "cmdprecedente", "cmdNextTip"}) {
        clickButton(tip, button);
        QCOMPARE(shownTip(tip), kMissingFileText);
    }
    clickButton(tip, "cmdOK");
    QVERIFY(!tip->isVisible());
    QVERIFY(program.dialogs.messages.isEmpty());
}

void TestTips::closeAndReopenKeepsTheTip()
{
    HelpProgram program;
    program.writeProgramFile(QString::fromLatin1(kTipsFileName), "uno\r\ndue\r\ntre\r\n");
    QWidget* tip = program.show(WindowId::TipOfTheDay);
    clickButton(tip, "cmdNextTip");
    // The file changes while the program runs: it is not read again.
    program.writeProgramFile(QString::fromLatin1(kTipsFileName), "altro\r\n");

    clickButton(tip, "cmdOK");
    collectGarbage();
    QVERIFY(!tip->isVisible());
    QCOMPARE(program.show(WindowId::TipOfTheDay), tip);
    QCOMPARE(shownTip(tip), QStringLiteral("due"));
    clickButton(tip, "cmdNextTip");
    QCOMPARE(shownTip(tip), QStringLiteral("tre"));
}
