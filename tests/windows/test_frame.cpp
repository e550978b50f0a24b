// The frame the four working windows share: menus, the window-number title,
// the help prompt of the window itself, the toolbar, the background colour.
#include "test_program.h"
#include "test_windows.h"

#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

using namespace tipolab;

namespace {

const QColor kGrey(0xC0, 0xC0, 0xC0);
const QString kSameColours =
    QStringLiteral("desideri colori uguali e riposanti (grigio) per tutte le finestre?");

QAction* entry(QWidget* window, const QString& name)
{
    return control<QAction>(window, name);
}

QString guideOf(int number)
{
    return windowIdName(guidePageOfWindow(number));
}

// What a command visibly did: its messages, the windows on screen, and the
// state of the types window's first row.
QStringList observe(TestProgram& program)
{
    QStringList seen;
    for (const MessageCall& m : program.dialogs.messages)
        seen << QStringLiteral("message: %1 | %2").arg(m.text, m.title);
    for (const FileCall& f : program.dialogs.files)
        seen << QStringLiteral("file dialog: %1").arg(f.title);
    for (const QColor& c : program.dialogs.colourStarts)
        seen << QStringLiteral("colour dialog from %1").arg(c.name());
    seen << QStringLiteral("windows: %1").arg(program.visibleWindows().join(u' '));
    if (QWidget* types = program.module.existingWindow(WindowId::Tipi)) {
        seen << QStringLiteral("row 1 ticked: %1")
                    .arg(control<QCheckBox>(types, QStringLiteral("cecc_1"))->isChecked());
    }
    return seen;
}

// The controls below `node` that a screen reader can reach with the focus or
// press, yet would read without a name.
QStringList unnamedControls(QAccessibleInterface* node)
{
    QStringList unnamed;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible) continue;
        const QAccessibleActionInterface* actions = child->actionInterface();
        const bool pressable = actions && !actions->actionNames().isEmpty();
        if ((child->state().focusable || pressable) && child->text(QAccessible::Name).isEmpty())
            unnamed << child->object()->objectName() +
                           QStringLiteral(" (role %1)").arg(child->role());
        unnamed << unnamedControls(child);
    }
    return unnamed;
}

QString focused()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

} // namespace

void TestFrame::menuBarOfEachWindow_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("numberEntry");
    QTest::addColumn<bool>("printSubmenu");
    QTest::addColumn<QString>("printTooltip");
    QTest::newRow("tipi") << 1 << "Tipolab: tipologie di personalità"
                          << "fin" << true << "stampa dati finestra";
    QTest::newRow("dati") << 2 << "Tipolab: introduzione dati sulle caratteristiche personali"
                          << "finestra" << true << "stampa dati finestra";
    QTest::newRow("risultati") << 3 << "Tipolab: risultati dell'elaborazione"
                               << "finestra" << false << "stampa dati finestra";
    QTest::newRow("frontespizio") << 4 << "Tipolab: frontespizio per la relazione"
                                  << "finestra" << false << "stampa elaborazione eseguita";
}

void TestFrame::menuBarOfEachWindow()
{
    QFETCH(int, number);
    QFETCH(QString, caption);
    QFETCH(QString, numberEntry);
    QFETCH(bool, printSubmenu);
    QFETCH(QString, printTooltip);
    TestProgram program;
    WorkingWindow* w = program.working(number);

    QCOMPARE(w->windowTitle(), caption);
    QStringList titles;
    for (QAction* a : w->menuBar()->actions())
        titles << a->text();
    const QString numberTitle =
        QString(126, u' ') + QStringLiteral("Fi&nestra n.%1 di 4").arg(number);
    QCOMPARE(titles, QStringList({"&File", "&Modifica", "&Visualizza", "&?", numberTitle}));
    QCOMPARE(w->menuBar()->actions().last()->objectName(), numberEntry);
    QVERIFY(!w->menuBar()->actions().last()->menu()); // a title without entries

    QCOMPARE(w->findChild<QMenu*>(QStringLiteral("stamp")) != nullptr, printSubmenu);

    QAction* own = entry(w, QStringLiteral("fin%1").arg(number));
    QVERIFY(own->isChecked());
    QAction* studio = entry(w, QStringLiteral("studio"));
    QCOMPARE(studio->text(), QStringLiteral("&Dati dello studio..."));
    QCOMPARE(qobject_cast<QMenu*>(studio->parent())->objectName(), QStringLiteral("help"));
    studio->trigger();
    QVERIFY(program.visibleWindows().contains(QStringLiteral("StudioData")));
    QCOMPARE(entry(w, QStringLiteral("Toolbar1_4"))->toolTip(), printTooltip);
}

void TestFrame::windowNumberTitleOpensTheGuideAtOnce_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("numberEntry");
    QTest::newRow("tipi") << 1 << "fin";
    QTest::newRow("dati") << 2 << "finestra";
    QTest::newRow("risultati") << 3 << "finestra";
    QTest::newRow("frontespizio") << 4 << "finestra";
}

void TestFrame::windowNumberTitleOpensTheGuideAtOnce()
{
    QFETCH(int, number);
    QFETCH(QString, numberEntry);
    TestProgram program;
    WorkingWindow* w = program.working(number);

    // A click on the title itself, which stands at the right end of the bar.
    QMenuBar* bar = w->menuBar();
    const QRect title = bar->actionGeometry(entry(w, numberEntry));
    QVERIFY(title.right() > bar->width() - 20);
    QTest::mouseClick(bar, Qt::LeftButton, {}, title.center());

    QVERIFY(program.dialogs.messages.isEmpty());
    QVERIFY(program.visibleWindows().contains(guideOf(number)));
}

void TestFrame::helpPromptOfTheWindowItself_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("guideShown");
    const QString help = QStringLiteral("Tipolab: aiuto in linea");
    const int yes = QMessageBox::Yes;
    const int no = QMessageBox::No;
    QTest::newRow("tipi, yes") << 1 << "Tipi" << help << yes << true;
    QTest::newRow("tipi, no") << 1 << "Tipi" << help << no << false;
    QTest::newRow("dati, yes") << 2 << "Dati" << help << yes << true;
    QTest::newRow("risultati, yes") << 3 << "Risultati"
                                    << "Tipolab" << yes << true;
    QTest::newRow("frontespizio, no") << 4 << "Frontespizio"
                                      << "Tipolab" << no << false;
    QTest::newRow("any answer but no") << 4 << "Frontespizio"
                                       << "Tipolab" << int(QMessageBox::Cancel) << true;
}

void TestFrame::helpPromptOfTheWindowItself()
{
    QFETCH(int, number);
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(int, answer);
    QFETCH(bool, guideShown);
    TestProgram program;
    WorkingWindow* w = program.working(number);
    program.dialogs.messageAnswers << QMessageBox::StandardButton(answer);

    entry(w, QStringLiteral("fin%1").arg(number))->trigger();

    QCOMPARE(program.dialogs.messages.size(), 1);
    const MessageCall& asked = program.dialogs.messages.first();
    QCOMPARE(
        asked.text,
        QStringLiteral("E' questa la finestra '%1': si vuole la guida della finestra?").arg(name));
    QCOMPARE(asked.title, title);
    QCOMPARE(asked.icon, QMessageBox::Question);
    QCOMPARE(asked.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(program.visibleWindows().contains(guideOf(number)), guideShown);
    QVERIFY(entry(w, QStringLiteral("fin%1").arg(number))->isChecked());
}

void TestFrame::toolbarButtons_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("shows");   // a window that comes on screen
    QTest::addColumn<QString>("message"); // or the message asked
    QTest::newRow("6 in tipi") << 1 << 6 << ""
                               << "E' questa la finestra 'Tipi': si vuole la guida della finestra?";
    QTest::newRow("7") << 1 << 7 << "dati"
                       << "";
    QTest::newRow("8") << 1 << 8 << "risultati"
                       << "";
    QTest::newRow("9") << 1 << 9 << "frontespizio"
                       << "";
    QTest::newRow("8 in risultati")
        << 3 << 8 << ""
        << "E' questa la finestra 'Risultati': si vuole la guida della finestra?";
    QTest::newRow("6 in risultati") << 3 << 6 << "tipi"
                                    << "";
    QTest::newRow("11") << 1 << 11 << "" << kSameColours;
    QTest::newRow("13") << 1 << 13 << "HelpContents"
                        << "";
    QTest::newRow("14") << 1 << 14 << "TipOfTheDay"
                        << "";
    QTest::newRow("15") << 1 << 15 << "Support"
                        << "";
    QTest::newRow("16") << 1 << 16 << "About"
                        << "";
    QTest::newRow("18") << 1 << 18 << ""
                        << "- spuntare ognuna delle tipologie;\n- assegnare un giudizio ad ogni "
                           "tipologia;";
    QTest::newRow("20") << 1 << 20 << ""
                        << "Vuoi uscire da Tipolab?";
}

void TestFrame::toolbarButtons()
{
    QFETCH(int, number);
    QFETCH(int, index);
    QFETCH(QString, shows);
    QFETCH(QString, message);
    TestProgram program;
    WorkingWindow* w = program.working(number);
    program.dialogs.messageAnswers << QMessageBox::No;
    const QStringList before = program.visibleWindows();

    // A click on the button, as a person gives it.
    auto* toolbar = control<QToolBar>(w, QStringLiteral("Toolbar1"));
    QWidget* button = toolbar->widgetForAction(entry(w, QStringLiteral("Toolbar1_%1").arg(index)));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);

    if (!shows.isEmpty()) {
        QVERIFY(!before.contains(shows));
        QVERIFY(program.visibleWindows().contains(shows));
        QVERIFY(program.visibleWindows().contains(w->objectName())); // left open behind
    }
    if (!message.isEmpty()) {
        QCOMPARE(program.dialogs.messages.size(), 1);
        QCOMPARE(program.dialogs.messages.first().text, message);
    } else {
        QVERIFY(program.dialogs.messages.isEmpty());
    }
}

void TestFrame::dividersAndStrayIndicesActAsAnotherButton_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("actsAs");
    QTest::newRow("divider 5") << 5 << 6;
    QTest::newRow("divider 10") << 10 << 11;
    QTest::newRow("divider 12") << 12 << 13;
    QTest::newRow("divider 17") << 17 << 18;
    QTest::newRow("0") << 0 << 1;
    QTest::newRow("21") << 21 << 1;
    QTest::newRow("-1") << -1 << 1;
}

void TestFrame::dividersAndStrayIndicesActAsAnotherButton()
{
    QFETCH(int, index);
    QFETCH(int, actsAs);
    auto run = [](int i) {
        TestProgram program;
        program.types()->Toolbar1_ButtonClick(i);
        return observe(program);
    };
    const QStringList reference = run(actsAs);
    QCOMPARE(run(index), reference);
    TestProgram idle;
    idle.types();
    QVERIFY(reference != observe(idle)); // the reference button does something
}

void TestFrame::typesMenuEntriesActAsTheirButtons_data()
{
    QTest::addColumn<QString>("menuEntry");
    QTest::addColumn<int>("button");
    QTest::newRow("Elimina") << "eliminare" << 3;
    QTest::newRow("Controlla dati immessi") << "controllodati" << 18;
    QTest::newRow("Cancella dati finestra") << "cancellare" << 19;
    QTest::newRow("Suggerimenti") << "suggerimenti" << 14;
}

void TestFrame::typesMenuEntriesActAsTheirButtons()
{
    QFETCH(QString, menuEntry);
    QFETCH(int, button);
    auto run = [&](bool fromMenu) {
        TestProgram program;
        tipi* w = program.types();
        play(w, QStringLiteral("t1 j2"));
        if (fromMenu)
            entry(w, menuEntry)->trigger();
        else
            w->Toolbar1_ButtonClick(button);
        return observe(program);
    };
    const QStringList fromButton = run(false);
    QCOMPARE(run(true), fromButton);
    TestProgram idle;
    play(idle.types(), QStringLiteral("t1 j2"));
    QVERIFY(fromButton != observe(idle));
}

void TestFrame::resultsWindowHasNoClear()
{
    TestProgram program;
    WorkingWindow* w = program.working(3);
    QVERIFY(!entry(w, QStringLiteral("cancella"))->isEnabled());
    QVERIFY(!entry(w, QStringLiteral("Toolbar1_19"))->isEnabled());
    const QStringList before = observe(program);
    w->Toolbar1_ButtonClick(19);
    QCOMPARE(observe(program), before);
}

void TestFrame::greySpreadsToAllFourWindows_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("question");
    QTest::newRow("from tipi") << 1 << kSameColours;
    QTest::newRow("from risultati")
        << 3 << "Colori uguali e riposanti (grigio) per tutte le finestre?";
    QTest::newRow("from frontespizio") << 4 << kSameColours;
}

void TestFrame::greySpreadsToAllFourWindows()
{
    QFETCH(int, number);
    QFETCH(QString, question);
    TestProgram program;
    WorkingWindow* w = program.working(number);
    w->runCommand(FrameCommand::ShowProfilo); // an open profile turns grey as well
    const QStringList shown = program.visibleWindows();

    entry(w, QStringLiteral("colorare"))->trigger();

    QCOMPARE(program.dialogs.messages.size(), 1);
    const MessageCall& asked = program.dialogs.messages.first();
    QCOMPARE(asked.text, question);
    QCOMPARE(asked.title, QStringLiteral("Tipolab: colore di sfondo"));
    QCOMPARE(asked.icon, QMessageBox::NoIcon);
    QCOMPARE(asked.buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(program.dialogs.colourStarts.isEmpty());
    for (int n = 1; n <= 4; ++n) {
        auto* other = qobject_cast<WorkingWindow*>(program.module.existingWindow(workingWindow(n)));
        QVERIFY2(other, "a window not loaded is loaded to receive the grey");
        QCOMPARE(other->backgroundColour(), kGrey);
    }
    QCOMPARE(program.module.windowAs<profilo>(WindowId::Profilo)->backgroundColour(), kGrey);
    QCOMPARE(program.visibleWindows(), shown); // loaded, not shown

    // Already grey: straight to the colour dialog, from the grey; Cancel keeps it.
    program.dialogs.clear();
    entry(w, QStringLiteral("colorare"))->trigger();
    QVERIFY(program.dialogs.messages.isEmpty());
    QCOMPARE(program.dialogs.colourStarts, QList<QColor>({kGrey}));
    QCOMPARE(w->backgroundColour(), kGrey);
}

void TestFrame::colourDialogOfEachWindow()
{
    TestProgram program;
    WorkingWindow* types = program.working(1);
    WorkingWindow* results = program.working(3);
    const QColor designed = results->backgroundColour();
    const QColor red(Qt::red);

    // No to the grey: the dialog, from the window's own colour; its colour is
    // this window's only.
    program.dialogs.messageAnswers << QMessageBox::No;
    program.dialogs.colourAnswers << red;
    types->colorare_Click();
    QCOMPARE(program.dialogs.colourStarts, QList<QColor>({designed}));
    QCOMPARE(types->backgroundColour(), red);
    QCOMPARE(results->backgroundColour(), designed);
    QCOMPARE(program.module.backgroundColour(), red);

    // Next time from the colour the window has; Cancel leaves every window as it was.
    program.dialogs.messageAnswers << QMessageBox::No << QMessageBox::No;
    types->colorare_Click();
    results->colorare_Click();
    QCOMPARE(program.dialogs.colourStarts, QList<QColor>({designed, red, designed}));
    QCOMPARE(types->backgroundColour(), red);
    QCOMPARE(results->backgroundColour(), designed);
    QCOMPARE(program.module.backgroundColour(), red);

    // A window closed by its title bar keeps its colour with the rest.
    types->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(program.working(1), types);
    QCOMPARE(types->backgroundColour(), red);
}

void TestFrame::everyControlIsNamed_data()
{
    QTest::addColumn<int>("number");
    for (int n = 1; n <= 4; ++n)
        QTest::addRow("window %d", n) << n;
}

// Walked as a screen reader walks it, every control that takes the focus or
// can be pressed has a name; labels that show values keep their text as what
// is read.
void TestFrame::everyControlIsNamed()
{
    QFETCH(int, number);
    TestProgram program;
    program.types();
    WorkingWindow* w = program.working(number);
    const QStringList unnamed = unnamedControls(QAccessible::queryAccessibleInterface(w));
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    for (const QLabel* label : w->findChildren<QLabel*>())
        QVERIFY2(label->accessibleName().isEmpty(), qPrintable(label->objectName()));
}

void TestFrame::keyboardFlowOfTheEntryWindows_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("tabs"); // from the third row's box on
    QTest::newRow("tipi") << 1 << QStringList{"cecc_4", "cecc_5"};
    QTest::newRow("dati") << 2 << QStringList{"scrolla_3", "cecc_4"};
}

// Space ticks a row and leads to "1 = massimo"; Enter or Space there judges
// the row and leads to the next row's box; Tab goes on row by row.
void TestFrame::keyboardFlowOfTheEntryWindows()
{
    QFETCH(int, number);
    QFETCH(QStringList, tabs);
    TestProgram program;
    program.types();
    WorkingWindow* w = program.working(number);
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
    control<QCheckBox>(w, QStringLiteral("cecc_1"))->setFocus();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(focused(), QStringLiteral("giud_1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(focused(), QStringLiteral("cecc_2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // on to "2 = quasi massimo"
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(focused(), QStringLiteral("cecc_3"));
    for (const QString& next : tabs) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focused(), next);
    }
    QCOMPARE(caption(w, QStringLiteral("giudiz_1")), QStringLiteral("massimo"));
    QCOMPARE(caption(w, QStringLiteral("giudiz_2")), QStringLiteral("quasi massimo"));
}
