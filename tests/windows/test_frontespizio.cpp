// The title-page window: what it shows at load, the clear, the 60-character
// warning, the check, the read-only studio values and the fields kept on one line.
#include "test_program.h"
#include "test_support.h"
#include "test_windows.h"
#include "windows/studio_dialog.h"

#include <QClipboard>
#include <QDate>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tipolab;

namespace {

const QString kCheckTitle = QStringLiteral("Tipolab: controllo dati immessi nella finestra attiva");
const QString kTooLong =
    QStringLiteral("Per una stampa corretta non digitare dati lunghi più di 60 spazi.");
const QString kNothing = QStringLiteral("Non è stato immesso alcun dato.");
const QString kEveryField = QStringLiteral("Inserire dati per ogni campo.");
const QString kCorrect = QStringLiteral("I dati sono stati immessi correttamente.");
const QStringList kFieldNames = {"progetto", "persona", "tipostudio", "committente",
                                 "luogo",    "data",    "allegati"};

frontespizio* titlePage(TestProgram& program)
{
    return qobject_cast<frontespizio*>(program.working(4));
}

QLineEdit* edit(QWidget* w, const QString& name)
{
    return control<QLineEdit>(w, name);
}

TitleFields titleFields(const QStringList& values)
{
    TitleFields fields;
    for (int i = 0; i < kTitleFieldCount; ++i)
        fields[i] = values.value(i).toStdString();
    return fields;
}

} // namespace

void TestFrontespizio::loadAndClear()
{
    ScriptedDialogs dialogs;
    InstallationData installation;
    installation.studioName = QStringLiteral("Studio Verdi & Associati");
    installation.studioAddress = QStringLiteral("Via Roma 1, Perugia");
    ModuloTipolab module(dialogs, installation);
    RecordingDesk documents(dialogs);
    frontespizio w(module, *documents.desk);

    // Today, in the user's language: full weekday, day without a leading
    // zero, abbreviated month, four-digit year; the other fields empty.
    const QString date = edit(&w, QStringLiteral("data"))->text();
    QVERIFY2(QRegularExpression(QStringLiteral("^(lunedì|martedì|mercoledì|giovedì|venerdì|sabato|"
                                               "domenica), [1-9]\\d? \\w{3} \\d{4}$"))
                 .match(date)
                 .hasMatch(),
             qPrintable(date));
    QCOMPARE(QLocale().toDate(date, QStringLiteral("dddd, d MMM yyyy")), QDate::currentDate());
    TitleFields loaded;
    loaded[5] = date.toStdString();
    QCOMPARE(w.fields(), loaded);
    QCOMPARE(caption(&w, QStringLiteral("Labelstudio")), installation.studioName);
    QCOMPARE(caption(&w, QStringLiteral("labelindirizzo")), installation.studioAddress);

    // The clear empties the seven fields, the date too, without asking; the
    // studio stays.
    w.setFields(titleFields({"p", "Mario", "studio", "ente", "Perugia", "oggi", "nessuno"}));
    w.Toolbar1_ButtonClick(19);
    QCOMPARE(w.fields(), TitleFields{});
    QCOMPARE(caption(&w, QStringLiteral("Labelstudio")), installation.studioName);
    QCOMPARE(caption(&w, QStringLiteral("labelindirizzo")), installation.studioAddress);
    QVERIFY(dialogs.messages.isEmpty());
    w.Toolbar1_ButtonClick(18);
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages.first().text, kNothing);
}

void TestFrontespizio::lengthWarning_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("loaded"); // characters set as an open sets them
    QTest::addColumn<int>("typed");  // then characters typed one by one
    QTest::addColumn<int>("pasted"); // then characters pasted at once
    QTest::addColumn<int>("warnings");
    QTest::newRow("60 typed") << "progetto" << 0 << 60 << 0 << 0;
    QTest::newRow("the 61st typed") << "persona" << 0 << 61 << 0 << 1;
    QTest::newRow("once, not on each further key") << "allegati" << 0 << 63 << 0 << 1;
    QTest::newRow("a long paste at once") << "committente" << 0 << 0 << 80 << 1;
    QTest::newRow("paste over the limit") << "luogo" << 0 << 55 << 10 << 1;
    QTest::newRow("loaded as if typed") << "data" << 70 << 0 << 0 << 1;
    QTest::newRow("typing on a long text") << "tipostudio" << 61 << 2 << 0 << 1;
}

void TestFrontespizio::lengthWarning()
{
    QFETCH(QString, field);
    QFETCH(int, loaded);
    QFETCH(int, typed);
    QFETCH(int, pasted);
    QFETCH(int, warnings);
    TestProgram program;
    frontespizio* w = titlePage(program);
    QStringList values(kTitleFieldCount);
    values[kFieldNames.indexOf(field)] = QString(loaded, u'l');
    w->setFields(titleFields(values));
    QLineEdit* line = edit(w, field);

    QTest::keyClicks(line, QString(typed, u't'));
    QApplication::clipboard()->setText(QString(pasted, u'p'));
    line->paste();

    QCOMPARE(line->text().size(), loaded + typed + pasted); // nothing is cut
    QCOMPARE(program.dialogs.messages.size(), warnings);
    for (const MessageCall& m : program.dialogs.messages) {
        QCOMPARE(m.text, kTooLong);
        QCOMPARE(m.title, kCheckTitle);
        QCOMPARE(m.icon, QMessageBox::Warning);
        QCOMPARE(m.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
}

void TestFrontespizio::check_data()
{
    QTest::addColumn<QStringList>("fields"); // progetto .. allegati
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    const int question = QMessageBox::Question;
    const int warning = QMessageBox::Warning;
    const int information = QMessageBox::Information;
    const QString today = QStringLiteral("martedì, 3 mar 2026");
    QTest::newRow("only the date")
        << QStringList{"", "", "", "", "", today, ""} << kNothing << question;
    QTest::newRow("only place and date")
        << QStringList{"", "", "", "", "Perugia", today, ""} << kNothing << question;
    QTest::newRow("only the person")
        << QStringList{"", "Mario", "", "", "", today, ""} << kEveryField << warning;
    QTest::newRow("date missing") << QStringList{"p",       "Mario", "studio", "ente",
                                                 "Perugia", "",      "nessuno"}
                                  << kEveryField << warning;
    QTest::newRow("all but the place")
        << QStringList{"p", "Mario", "studio", "ente", "", today, "nessuno"} << kCorrect
        << information;
    QTest::newRow("blanks count as filled")
        << QStringList{" ", " ", " ", " ", "", " ", " "} << kCorrect << information;
}

void TestFrontespizio::check()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    QFETCH(int, icon);
    TestProgram program;
    frontespizio* w = titlePage(program);
    w->setFields(titleFields(fields));

    w->Toolbar1_ButtonClick(18);

    QCOMPARE(program.dialogs.messages.size(), 1);
    const MessageCall& shown = program.dialogs.messages.first();
    QCOMPARE(shown.text, message);
    QCOMPARE(int(shown.icon), icon);
    QCOMPARE(shown.title, kCheckTitle);
}

void TestFrontespizio::studioValuesCannotBeChanged()
{
    TestProgram program;
    frontespizio* w = titlePage(program);
    for (const char* name : {"Labelstudio", "labelindirizzo"}) {
        QLabel* value = control<QLabel>(w, QLatin1String(name));
        const QString before = value->text();
        program.dialogs.clear();

        QTest::mouseClick(value, Qt::LeftButton);

        QCOMPARE(program.dialogs.messages.size(), 1);
        const MessageCall& shown = program.dialogs.messages.first();
        QVERIFY(shown.text.startsWith(
            QStringLiteral("Attenzione: dato non modificabile, rivolgersi a ")));
        QVERIFY(shown.text.endsWith(QStringLiteral(", produttrice del programma.")));
        QCOMPARE(shown.icon, QMessageBox::Critical);
        QCOMPARE(shown.title, kCheckTitle);
        QCOMPARE(value->text(), before);
    }
}

void TestFrontespizio::fieldsStayOnOneLine()
{
    TestProgram program;
    frontespizio* w = titlePage(program);
    w->setFields(titleFields({"", "", "", "", "Via Roma\r\n12", "", ""}));
    QApplication::clipboard()->setText(QStringLiteral("Città di\nCastello"));
    edit(w, QStringLiteral("persona"))->paste();
    QCOMPARE(w->fields()[1], "Città di Castello");
    QCOMPARE(w->fields()[4], "Via Roma 12");
}

// The studio's data typed in the program: refused without a name and beyond
// what the title page takes, as its own fields are; saved, they hold at once
// on the title page and come back from the user's file; a file that cannot be
// written is reported and nothing changes.
void TestFrontespizio::studioDialog_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QString>("message"); // how the refusal begins; "" when saved
    QTest::newRow("saved, blanks around dropped") << "  Studio Verdi  "
                                                  << "Via Roma 1, Perugia" << true << "";
    QTest::newRow("60 characters, one outside the basic plane")
        << QString(59, u'n') + QString::fromUcs4(U"\U0001F600") << "" << true << "";
    QTest::newRow("no name") << "   "
                             << "Via Roma 1" << true << "Indicare il nome dello studio.";
    QTest::newRow("name of 61 characters") << QString(61, u'n') << "" << true << kTooLong;
    QTest::newRow("address of 61 characters") << "Studio" << QString(61, u'a') << true << kTooLong;
    QTest::newRow("file cannot be written")
        << "Studio"
        << "" << false << "I dati dello studio non sono stati salvati.";
}

void TestFrontespizio::studioDialog()
{
    QFETCH(QString, name);
    QFETCH(QString, address);
    QFETCH(bool, writable);
    QFETCH(QString, message);
    QTemporaryDir dir;
    test::writeFile(dir.filePath("file"), "not a folder");
    InstallationData installation;
    installation.studioName = QStringLiteral("Studio di prima");
    installation.studioUnset = true;
    installation.userFile =
        dir.filePath(writable ? "config/Tipolab/tipolab.ini" : "file/tipolab.ini");
    TestProgram program(installation);
    frontespizio* w = titlePage(program);
    StudioDialog dialog(program.module);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Dati dello studio"));
    QCOMPARE(edit(&dialog, "nomestudio")->text(), QString()); // no studio named yet
    QCOMPARE(control<QPushButton>(&dialog, "piutardi")->text(), QStringLiteral("Più &tardi"));

    edit(&dialog, "nomestudio")->setText(name);
    edit(&dialog, "indirizzostudio")->setText(address);
    clickButton(&dialog, "salva");

    if (!message.isEmpty()) {
        QCOMPARE(program.dialogs.messages.size(), 1);
        QVERIFY2(program.dialogs.messages.first().text.startsWith(message),
                 qPrintable(program.dialogs.messages.first().text));
        QVERIFY(dialog.isVisible());
        QCOMPARE(caption(w, "Labelstudio"), QStringLiteral("Studio di prima"));
        QVERIFY(program.module.installation().studioUnset);
        QVERIFY(!QFileInfo::exists(installation.userFile));
        return;
    }
    QVERIFY(program.dialogs.messages.isEmpty());
    QVERIFY(!dialog.isVisible());
    const InstallationData saved = InstallationData::load(installation.userFile);
    QCOMPARE(saved.studioName, name.trimmed());
    QCOMPARE(caption(w, "Labelstudio"), saved.studioName);
    QCOMPARE(caption(w, "labelindirizzo"), saved.studioAddress);
    QVERIFY(!program.module.installation().studioUnset);

    dialog.show(); // shown again: the data in force
    QCOMPARE(edit(&dialog, "nomestudio")->text(), saved.studioName);
    QCOMPARE(control<QPushButton>(&dialog, "piutardi")->text(), QStringLiteral("&Annulla"));
    clickButton(&dialog, "piutardi");
    QVERIFY(!dialog.isVisible());
}
