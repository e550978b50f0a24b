// The title-page window: what it shows at load, the clear, the 60-character
// warning, the check, the read-only studio values and the fields kept on one line.
#include "test_program.h"
#include "test_windows.h"

#include <QClipboard>
#include <QDate>
#include <QLineEdit>
#include <QRegularExpression>
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
    QTest::newRow("each further key") << "allegati" << 0 << 63 << 0 << 3;
    QTest::newRow("a long paste at once") << "committente" << 0 << 0 << 80 << 1;
    QTest::newRow("paste over the limit") << "luogo" << 0 << 55 << 10 << 1;
    QTest::newRow("loaded as if typed") << "data" << 70 << 0 << 0 << 1;
    QTest::newRow("typing on a long text") << "tipostudio" << 61 << 2 << 0 << 3;
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
