// The program's life as the user sees it: the splash, the working windows, the
// exit with its question, the return to the splash and the end, with every
// window made as the program makes it; and the options it answers without
// starting.
#include "app/qt_translations.h"
#include "app/window_registry.h"
#include "help/splash_window.h"
#include "recording_opener.h"
#include "shell/modulo_tipolab.h"
#include "state/program_identity.h"
#include "test_paths.h"
#include "windows/scripted_dialogs.h"
#include "windows/tipi.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace tipolab;

namespace {

const QString kReturnLine = QStringLiteral("         elaborazione eseguita con");

struct Program {
    ScriptedDialogs dialogs;
    ModuloTipolab module;

    RecordingDesk documents{dialogs};

    explicit Program(InstallationData installation = {}) : module(dialogs, std::move(installation))
    {
        registerWindows(module, nullptr, documents.desk);
    }

    frmSplash* splash()
    {
        return qobject_cast<frmSplash*>(module.existingWindow(WindowId::Splash));
    }
    tipi* types() { return qobject_cast<tipi*>(module.existingWindow(WindowId::Tipi)); }

    // Starts the program and clicks on the splash.
    tipi* startWorking()
    {
        module.start();
        QTest::mouseClick(splash(), Qt::LeftButton);
        return types();
    }
};

void collectGarbage()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList visibleWindows()
{
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) names.append(w->objectName());
    }
    names.sort();
    return names;
}

void judge(tipi* w, int type, int step)
{
    w->ceccBox(type)->click();
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("giud_%1").arg(step)),
                      Qt::LeftButton);
}

} // namespace

class TestLifecycle : public QObject {
    Q_OBJECT
private slots:
    void splashShowsItsPicture();
    void clickOnTheSplashShowsTheTypesWindow();
    void firstStartAsksForTheStudioOnce();
    void exitWithNoKeepsEverything();
    void exitWithYesReturnsToTheSplash();
    void exitBringsBackAClosedSplash();
    void keyInTheSplashEndsTheProgram();
    void programEndsWhenTheLastWindowIsHidden();
    void windowClosedByItsTitleBarKeepsItsWork();
    void standardButtonsSpeakItalian();
    void helpAndVersionStartNothing();
};

// The picture is drawn once the splash is on its way to the screen.
void TestLifecycle::splashShowsItsPicture()
{
    Program program;
    program.module.start();
    QVERIFY(QTest::qWaitForWindowExposed(program.splash()));
    const auto* picture = program.splash()->findChild<QLabel*>(QStringLiteral("Image1"));
    QTRY_VERIFY(!picture->pixmap().isNull());
    QCOMPARE(picture->pixmap().size(), QSize(168, 168));
}

void TestLifecycle::clickOnTheSplashShowsTheTypesWindow()
{
    Program program;
    tipi* types = program.startWorking();
    QVERIFY(types);
    QVERIFY(types->isVisible());
    QVERIFY(program.splash()->isVisible()); // stays open behind
    // The data window is loaded with the types window, not shown.
    QWidget* data = program.module.existingWindow(WindowId::Dati);
    QVERIFY(data && !data->isVisible());
    // A second click shows the same window again.
    QTest::mouseClick(program.splash(), Qt::LeftButton);
    QCOMPARE(program.types(), types);
}

// While no one has named the studio, its dialog follows the first click on the
// splash, once: put off, it is not asked again in that run; the "&?" menu
// opens it at any time.
void TestLifecycle::firstStartAsksForTheStudioOnce()
{
    InstallationData unnamed;
    unnamed.studioUnset = true;
    Program program(unnamed);
    tipi* types = program.startWorking();
    QCOMPARE(visibleWindows(), QStringList({"datistudio", "frmSplash", "tipi"}));

    QWidget* dialog = program.module.existingWindow(WindowId::StudioData);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("piutardi")), Qt::LeftButton);
    collectGarbage();
    QCOMPARE(visibleWindows(), QStringList({"frmSplash", "tipi"}));
    QTest::mouseClick(program.splash(), Qt::LeftButton);
    QCOMPARE(visibleWindows(), QStringList({"frmSplash", "tipi"}));

    types->findChild<QAction*>(QStringLiteral("studio"))->trigger();
    QCOMPARE(visibleWindows(), QStringList({"datistudio", "frmSplash", "tipi"}));
    QVERIFY(program.dialogs.messages.isEmpty());
}

void TestLifecycle::exitWithNoKeepsEverything()
{
    Program program;
    tipi* types = program.startWorking();
    judge(types, 2, 3);
    program.dialogs.messageAnswers << QMessageBox::No;

    types->findChild<QAction*>(QStringLiteral("esci"))->trigger();

    QCOMPARE(program.dialogs.messages.size(), 1);
    const MessageCall& asked = program.dialogs.messages.first();
    QCOMPARE(asked.text, QStringLiteral("Vuoi uscire da Tipolab?"));
    QCOMPARE(asked.title, QStringLiteral("Attenzione: i dati non archiviati andranno persi !"));
    QCOMPARE(asked.icon, QMessageBox::Question);
    QCOMPARE(asked.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(asked.defaultButton, QMessageBox::No);
    collectGarbage();
    QCOMPARE(program.types(), types);
    QVERIFY(types->isVisible());
    QCOMPARE(types->giudizLabel(2)->text(), QStringLiteral("molto"));
    QVERIFY(program.splash()->label(2)->text().isEmpty());
}

void TestLifecycle::exitWithYesReturnsToTheSplash()
{
    Program program;
    QSignalSpy ended(&program.module, &ModuloTipolab::noWindowVisible);
    tipi* types = program.startWorking();
    judge(types, 2, 3);
    types->Toolbar1_ButtonClick(16); // the about window
    program.dialogs.messageAnswers << QMessageBox::Yes;

    QTest::mouseClick(types->findChild<QPushButton*>(QStringLiteral("cmdesci")), Qt::LeftButton);
    collectGarbage();

    QCOMPARE(visibleWindows(), QStringList({"frmSplash"}));
    for (WindowId id : {WindowId::Tipi, WindowId::Dati, WindowId::About, WindowId::Risultati})
        QVERIFY(!program.module.existingWindow(id));
    QCOMPARE(program.splash()->label(2)->text(), kReturnLine);
    QCOMPARE(program.module.data().type(2).word, Value::text("molto"));

    // A click leads back to a types window as at its first load; the
    // judgements are still in memory.
    types = program.startWorking();
    QVERIFY(types);
    QVERIFY(!types->ceccBox(2)->isChecked());
    QVERIFY(types->giudizLabel(2)->text().isEmpty());
    QCOMPARE(types->tickCount(), 0);
    QCOMPARE(program.module.data().type(2).word, Value::text("molto"));
    QCoreApplication::processEvents();
    QCOMPARE(ended.count(), 0);
}

void TestLifecycle::exitBringsBackAClosedSplash()
{
    Program program;
    tipi* types = program.startWorking();
    QTest::keyClick(program.splash(), Qt::Key_Space);
    collectGarbage();
    QVERIFY(!program.splash());
    QVERIFY(types->isVisible());
    program.dialogs.messageAnswers << QMessageBox::Yes;

    types->esci_Click();
    collectGarbage();

    QVERIFY(program.splash());
    QCOMPARE(visibleWindows(), QStringList({"frmSplash"}));
    QCOMPARE(program.splash()->label(2)->text(), kReturnLine);
}

void TestLifecycle::keyInTheSplashEndsTheProgram()
{
    Program program;
    QSignalSpy ended(&program.module, &ModuloTipolab::noWindowVisible);
    program.module.start();

    QTest::keyClick(program.splash(), Qt::Key_Escape);

    QTRY_COMPARE(ended.count(), 1);
    collectGarbage();
    QVERIFY(!program.splash());
    QVERIFY(!program.module.existingWindow(WindowId::Tipi));
}

void TestLifecycle::programEndsWhenTheLastWindowIsHidden()
{
    Program program;
    QSignalSpy ended(&program.module, &ModuloTipolab::noWindowVisible);
    program.module.start();
    program.module.showWindow(WindowId::About);
    QTest::keyClick(program.splash(), Qt::Key_Space); // the splash goes, the about window stays
    QCoreApplication::processEvents();
    QCOMPARE(ended.count(), 0);

    // Its OK only hides it, but nothing is left to see.
    QWidget* about = program.module.existingWindow(WindowId::About);
    QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QTRY_COMPARE(ended.count(), 1);
}

// The title bar's close keeps what a working window holds: it hides the
// window while another working window or the splash is on screen, and asks
// the exit question when it would close the last of them.
void TestLifecycle::windowClosedByItsTitleBarKeepsItsWork()
{
    Program program;
    tipi* types = program.startWorking();
    judge(types, 1, 2);
    types->setBackgroundColour(Qt::red);
    auto* title = qobject_cast<QWidget*>(program.module.showWindow(WindowId::Frontespizio));
    auto* persona = title->findChild<QLineEdit*>(QStringLiteral("persona"));
    QTest::keyClicks(persona, QStringLiteral("Rossi"));

    types->close();
    title->close();
    collectGarbage();
    QCOMPARE(visibleWindows(), QStringList({"frmSplash"}));
    QVERIFY(program.dialogs.messages.isEmpty());
    program.module.mostratipi();
    QCOMPARE(program.types(), types);
    QVERIFY(types->ceccBox(1)->isChecked());
    QCOMPARE(types->giudizLabel(1)->text(), QStringLiteral("quasi massimo"));
    QCOMPARE(types->backgroundColour(), QColor(Qt::red));
    QCOMPARE(qobject_cast<QWidget*>(program.module.showWindow(WindowId::Frontespizio)), title);
    QCOMPARE(persona->text(), QStringLiteral("Rossi"));

    // The last one on screen: the exit question, and No keeps it there.
    title->hide();
    QTest::keyClick(program.splash(), Qt::Key_Space);
    collectGarbage();
    program.dialogs.messageAnswers << QMessageBox::No;
    types->close();
    QTRY_COMPARE(program.dialogs.messages.size(), 1);
    QCOMPARE(program.dialogs.messages.first().text, QStringLiteral("Vuoi uscire da Tipolab?"));
    QVERIFY(types->isVisible());
}

void TestLifecycle::standardButtonsSpeakItalian()
{
    QVERIFY2(installItalianQtTexts(*QCoreApplication::instance()),
             "Qt's Italian translation (qt6-translations-l10n) is missing");
    QMessageBox box(QMessageBox::Question, QString(), QString(),
                    QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Yes)->text().remove(u'&'), QStringLiteral("Sì"));
    QCOMPARE(box.button(QMessageBox::No)->text().remove(u'&'), QStringLiteral("No"));
}

// "--help" and "--version" answer and end at once, with no display to start
// the program on: no window, no splash music.
void TestLifecycle::helpAndVersionStartNothing()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QLatin1String(name));
    const QString version = QString::fromStdString(ProgramIdentity().version);
    for (const auto& [option, shown] :
         {std::pair{QStringLiteral("--help"), QStringLiteral("Uso: tipolab [--percorsi | --help | "
                                                             "--version]\n")},
          std::pair{QStringLiteral("--version"), QStringLiteral("Tipolab %1\n").arg(version)}}) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TIPOLAB_BIN_DIR "/tipolab"), {option});
        QVERIFY2(p.waitForFinished(30000), qPrintable(option));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QVERIFY2(QString::fromUtf8(p.readAllStandardOutput()).startsWith(shown),
                 qPrintable(option));
        QCOMPARE(p.readAllStandardError(), QByteArray());
    }
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    TestLifecycle t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_lifecycle.moc"
