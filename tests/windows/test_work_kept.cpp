// Nothing typed is lost and nothing is printed under the wrong name: the
// recovery copy after a kill, a save that would undo someone else's, the lock
// beside an open archive, the question before unsaved work is replaced, the
// delete where there is no trash, and the results of one assessment never
// printed for the next.
#include "shell/qt_dialogs.h"
#include "state/archive_lock.h"
#include "test_dati.h"
#include "test_support.h"
#include "windows/archive_commands.h"
#include "windows/recovery_copy.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

using namespace tipolab;

namespace {

const QString kSampleAfter = QStringLiteral(TIPOLAB_TEST_DATA_DIR "/Tipolab-dati-esempio-dopo");

QString copyOfSample(const QTemporaryDir& folder, const QString& name)
{
    const QString path = folder.filePath(name);
    QFile::copy(kSample, path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

void open(DataProgram& program, const QString& path)
{
    program.dialogs.fileAnswers << path;
    program.data()->Toolbar1_ButtonClick(1);
}

void save(DataProgram& program)
{
    program.data()->Toolbar1_ButtonClick(2);
}

mode_t modeOf(const QString& path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 0777;
}

} // namespace

// The child of recoveryAfterAKill: enters a whole assessment, waits for its
// recovery copy and dies without a word.
int enterAndDie(const QString& recoveryFolder)
{
    DataProgram program;
    program.module.setRecoveryFolder(recoveryFolder);
    enterWholeAssessment(program);
    for (int waited = 0; waited < 20000; waited += 100) {
        QTest::qWait(100);
        if (!QDir(recoveryFolder).entryList({QStringLiteral("*.archivio")}).isEmpty()) break;
    }
    ::raise(SIGKILL);
    return 1;
}

void TestWorkKept::recoveryAfterAKill()
{
    QTemporaryDir folder;
    const QString recovery = folder.filePath(QStringLiteral("recupero"));
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--enter-and-die"), recovery});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QCOMPARE(modeOf(recovery), mode_t(0700));
    const QStringList left = QDir(recovery).entryList({QStringLiteral("*.archivio")});
    QCOMPARE(left.size(), 1);
    QCOMPARE(modeOf(QDir(recovery).filePath(left.first())), mode_t(0600));

    DataProgram program;
    program.module.setRecoveryFolder(recovery);
    offerRecovery(program.module); // Sì, the default
    QCOMPARE(program.dialogs.messages.size(), 1);
    QVERIFY2(program.dialogs.messages.first().text.startsWith(
                 QStringLiteral("Tipolab non è stato chiuso correttamente. Recuperare la "
                                "valutazione di Maria Bianchi, 3ª B (ultima modifica ")),
             qPrintable(program.dialogs.messages.first().text));
    QVERIFY(program.data()->archive().hasUnsavedChanges());
    const QString recovered = folder.filePath(QStringLiteral("Tipolab-dati-recuperato"));
    program.dialogs.fileAnswers << recovered;
    save(program);
    QVERIFY(QDir(recovery).entryList({QStringLiteral("*.archivio")}).isEmpty());

    DataProgram uncrashed;
    enterWholeAssessment(uncrashed);
    const QString saved = folder.filePath(QStringLiteral("Tipolab-dati-salvato"));
    uncrashed.dialogs.fileAnswers << saved;
    save(uncrashed);
    QCOMPARE(test::readFile(recovered), test::readFile(saved));

    // No: the copy stays in the folder under a dated name, and the user is told where.
    QFile::copy(kSample, QDir(recovery).filePath(QStringLiteral("1-2.archivio")));
    DataProgram later;
    later.module.setRecoveryFolder(recovery);
    later.dialogs.messageAnswers << QMessageBox::No;
    offerRecovery(later.module);
    const QStringList kept = QDir(recovery).entryList({QStringLiteral("Tipolab-dati-recupero-*")});
    QCOMPARE(kept.size(), 1);
    QCOMPARE(later.dialogs.messages.size(), 2);
    QVERIFY(later.dialogs.messages.last().text.contains(QDir(recovery).filePath(kept.first())));
}

void TestWorkKept::saveNeverUndoesAnotherSave()
{
    QTemporaryDir folder;
    const QString file = copyOfSample(folder, QStringLiteral("Tipolab-dati-Rossi"));
    DataProgram first, second;
    open(first, file);
    open(second, file);
    play(second.types(), QStringLiteral("t1 t1 j9"));
    save(second);
    QVERIFY(second.dialogs.choices.isEmpty());
    const QByteArray theirs = test::readFile(file);

    play(first.types(), QStringLiteral("t2 t2 j4"));
    save(first); // Annulla, the default
    QCOMPARE(first.dialogs.choices.size(), 1);
    const ChoiceCall& asked = first.dialogs.choices.first();
    QCOMPARE(asked.text,
             QStringLiteral("Il file Tipolab-dati-Rossi è stato modificato dopo l'apertura (da "
                            "un'altra finestra di Tipolab o da un altro programma). "
                            "Sovrascriverlo?"));
    QCOMPARE(asked.buttons, QStringList({"Sovrascrivi", "Salva con nome", "Annulla"}));
    QCOMPARE(asked.preferred, 2);
    QCOMPARE(test::readFile(file), theirs);

    first.dialogs.choiceAnswers << 0; // Sovrascrivi
    save(first);
    QVERIFY(test::readFile(file) != theirs);
    save(first); // its own save is no change by someone else
    QCOMPARE(first.dialogs.choices.size(), 2);
}

void TestWorkKept::lockTellsWhoHasTheFileOpen()
{
    QTemporaryDir folder;
    const QString file = copyOfSample(folder, QStringLiteral("Tipolab-dati-Rossi"));
    const QString lock = folder.filePath(QStringLiteral(".~lock.Tipolab-dati-Rossi#"));
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    auto lockBy = [&](pid_t process) {
        test::writeFile(lock, QStringLiteral("anna,%1,%2,2026-12-08T10:05:00\n")
                                  .arg(QString::fromLocal8Bit(host))
                                  .arg(process)
                                  .toUtf8());
    };

    lockBy(::getppid()); // a process that runs
    DataProgram program;
    program.dialogs.messageAnswers << QMessageBox::No;
    open(program, file);
    QCOMPARE(program.dialogs.messages.size(), 1);
    QCOMPARE(program.dialogs.messages.first().text,
             QStringLiteral("Il file è già aperto da anna su %1 dal 8 dicembre 2026 alle 10:05.\n"
                            "Aprirlo comunque?")
                 .arg(QString::fromLocal8Bit(host)));
    QVERIFY(program.data()->currentFileName().isEmpty());

    const pid_t gone = ::fork(); // a process that no longer runs: its lock is taken over
    if (gone == 0) ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    lockBy(gone);
    program.dialogs.clear();
    open(program, file);
    QVERIFY(program.dialogs.messages.isEmpty());
    QCOMPARE(program.data()->currentFileName(), file);
    QVERIFY(test::readFile(lock).contains(QByteArray::number(::getpid())));
    delete program.module.existingWindow(WindowId::Dati); // the file is closed
    QVERIFY(!QFile::exists(lock));
}

void TestWorkKept::openAsksBeforeDroppingUnsavedWork()
{
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("relazione.pdf"));
    test::writeFile(pdf, "%PDF-1.4\n");
    const QString mine = folder.filePath(QStringLiteral("Tipolab-dati-Verdi"));
    DataProgram program;
    program.judgeTypes();
    play(program.data(), judgeAll(3));
    typePersona(program, QStringLiteral("Verdi"));

    open(program, kSample); // Annulla, the default: nothing asked for, nothing changed
    QCOMPARE(program.dialogs.choices.size(), 1);
    QCOMPARE(program.dialogs.choices.first().text,
             QStringLiteral("La valutazione di Verdi ha modifiche non salvate. Salvarla prima di "
                            "aprire un altro file?"));
    QCOMPARE(program.dialogs.choices.first().buttons,
             QStringList({"Salva", "Non salvare", "Annulla"}));
    QVERIFY(program.dialogs.files.isEmpty());
    QCOMPARE(examinedPerson(program.module), QStringLiteral("Verdi"));

    program.dialogs.fileAnswers.clear();
    program.dialogs.choiceAnswers << 0; // Salva: saved, then opened
    program.dialogs.fileAnswers << mine << kSample;
    program.data()->Toolbar1_ButtonClick(1);
    QVERIFY(QFileInfo(mine).size() > 0);
    QCOMPARE(modeOf(mine), mode_t(0600)); // a person's data, the user's alone
    QCOMPARE(program.data()->currentFileName(), kSample);
    QVERIFY(!program.data()->archive().hasUnsavedChanges());

    // A failed open leaves the name to offer as it was.
    program.dialogs.clear();
    open(program, pdf);
    QCOMPARE(program.dialogs.messages.size(), 1);
    control<QAction>(program.data(), QStringLiteral("salvanome"))->trigger();
    QCOMPARE(program.dialogs.files.last().initialName, kSample);
}

void TestWorkKept::newAssessmentRecentArchivesAndShortcuts()
{
    DataProgram program;
    openSample(program);
    QWidget* types = program.types();
    auto* file = control<QMenu>(types, QStringLiteral("file"));
    emit file->aboutToShow();
    QCOMPARE(control<QAction>(types, QStringLiteral("recente_1"))->text(),
             QStringLiteral("&1 Mario Rossi (Tipolab-dati-esempio)"));
    // The shortcuts stand beside the entries.
    for (const auto& [entry, keys] :
         {std::pair{"nuova", "Ctrl+N"}, std::pair{"apri", "Ctrl+O"}, std::pair{"salva", "Ctrl+S"},
          std::pair{"salvanome", "Ctrl+Shift+S"}})
        QCOMPARE(control<QAction>(types, QLatin1String(entry))->shortcut(),
                 QKeySequence(QLatin1String(keys)));

    // "Salva come nuova valutazione...": today's date in the name offered.
    program.dialogs.clear();
    control<QAction>(types, QStringLiteral("salvanuova"))->trigger();
    QCOMPARE(QFileInfo(program.dialogs.files.value(0).initialName).fileName(),
             QStringLiteral("Tipolab-dati-Mario Rossi ") +
                 QDate::currentDate().toString(Qt::ISODate));

    // "Nuova valutazione": the unsaved-work question first; Annulla keeps all.
    program.judgeTypes();
    program.dialogs.clear();
    control<QAction>(types, QStringLiteral("nuova"))->trigger();
    QCOMPARE(program.dialogs.choices.value(0).text,
             QStringLiteral("La valutazione di Mario Rossi ha modifiche non salvate. Salvarla "
                            "prima di iniziare una nuova valutazione?"));
    QCOMPARE(examinedPerson(program.module), QStringLiteral("Mario Rossi"));
    program.dialogs.choiceAnswers << 1; // Non salvare
    control<QAction>(types, QStringLiteral("nuova"))->trigger();
    QVERIFY(examinedPerson(program.module).isEmpty());
    QVERIFY(program.data()->currentFileName().isEmpty());
    QVERIFY(program.module.data().types[0].step.isEmpty());
    QVERIFY(!program.data()->archive().hasUnsavedChanges());

    // The recent entry opens the sample again.
    emit file->aboutToShow();
    control<QAction>(types, QStringLiteral("recente_1"))->trigger();
    QCOMPARE(examinedPerson(program.module), QStringLiteral("Mario Rossi"));
}

void TestWorkKept::saveDialogTypesOnTheOfferedName()
{
    // The open dialog starts in the folder of the last archive, in the next
    // session too.
    QTemporaryDir home;
    const QString kept = home.filePath(QStringLiteral("recenti"));
    {
        DataProgram last;
        last.module.keepRecentArchivesIn(kept);
        openSample(last);
    }
    DataProgram next;
    next.module.keepRecentArchivesIn(kept);
    control<QAction>(next.data(), QStringLiteral("apri"))->trigger();
    QCOMPARE(next.dialogs.files.value(0).initialName, QFileInfo(kSample).absolutePath());

    // What is typed in the save dialog goes after "Tipolab-dati-".
    QtDialogs dialogs;
    QTimer::singleShot(200, [] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QTest::keyClicks(name, QStringLiteral("Rossi"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    QCOMPARE(dialogs.saveFile(QStringLiteral("Salva file"), {QStringLiteral("Tutti i file (*)")}, 0,
                              home.filePath(QStringLiteral("Tipolab-dati-"))),
             home.filePath(QStringLiteral("Tipolab-dati-Rossi")));
}

void TestWorkKept::deleteAsksWhereThereIsNoTrash()
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Tipolab-dati-Neri"));
    test::writeFile(file, "an old assessment");
    test::writeFile(folder.filePath(QStringLiteral("blocked")), "");
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    // No trash can be made under a file.
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder.filePath(QStringLiteral("blocked/share"))));
    DataProgram program;
    program.dialogs.fileAnswers << file << file;
    program.data()->Toolbar1_ButtonClick(3); // No, the default
    QCOMPARE(program.dialogs.messages.size(), 1);
    QCOMPARE(program.dialogs.messages.first().text,
             QStringLiteral("Il file non può essere spostato nel cestino. Eliminarlo "
                            "definitivamente?"));
    QCOMPARE(program.dialogs.messages.first().defaultButton, QMessageBox::No);
    QVERIFY(QFile::exists(file));
    program.dialogs.messageAnswers << QMessageBox::Yes;
    program.data()->Toolbar1_ButtonClick(3);
    qputenv("XDG_DATA_HOME", dataHome);
    QVERIFY(!QFile::exists(file));
}

void TestWorkKept::printsAfterAnOpenShowTheOpenedAssessment_data()
{
    QTest::addColumn<int>("command");
    QTest::newRow("types sheet") << 1;
    QTest::newRow("data sheet") << 2;
    QTest::newRow("results sheet") << 3;
    QTest::newRow("full report") << 4;
    QTest::newRow("profile sheet") << 5;
    QTest::newRow("comparison sheet") << 6;
}

// One assessment computed, another opened: every print shows the one opened,
// as a program that only ever opened that one prints it.
void TestWorkKept::printsAfterAnOpenShowTheOpenedAssessment()
{
    QFETCH(int, command);
    auto print = [command](DataProgram& program) {
        if (command <= 4) {
            program.working(command)->Toolbar1_ButtonClick(4);
            return;
        }
        WorkingWindow* results = program.working(3);
        QWidget* w = nullptr;
        if (command == 5) {
            results->profilo_Click();
            w = program.module.existingWindow(WindowId::Profilo);
            qobject_cast<profilo*>(w)->stampa_Click();
        } else {
            w = program.module.existingWindow(WindowId::Confronto);
            if (!w || !w->isVisible()) {
                program.dialogs.fileAnswers << kSample;
                results->confronta_Click();
                w = program.module.existingWindow(WindowId::Confronto);
            }
            qobject_cast<confronto*>(w)->stampa_Click();
        }
    };
    DataProgram stale;
    stale.types();
    openSample(stale);
    clickButton(stale.data(), QStringLiteral("avanti"));
    if (command == 6) {
        stale.dialogs.fileAnswers << kSample;
        stale.working(3)->confronta_Click(); // open while the other is opened
    }
    open(stale, kSampleAfter);
    print(stale);

    DataProgram fresh;
    fresh.types();
    open(fresh, kSampleAfter);
    clickButton(fresh.data(), QStringLiteral("avanti"));
    print(fresh);

    QVERIFY(stale.dialogs.messages.isEmpty());
    QVERIFY(!fresh.documents.opener->documents.isEmpty());
    QCOMPARE(textsOf(stale.documents.opener->documents.last()),
             textsOf(fresh.documents.opener->documents.last()));
}
