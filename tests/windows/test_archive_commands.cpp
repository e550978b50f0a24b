// The archive commands: their dialogs, open, save, save as and delete from the
// windows, a whole assessment entered, saved, checked against the results
// tool and opened again, and the failures told to the user.
#include "archive/archive_codec.h"
#include "state/number_format.h"
#include "test_dati.h"
#include "test_paths.h"
#include "test_support.h"
#include "windows/archive_commands.h"
#include "windows/dati.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace tipolab;

namespace {

const QString kCheckTitle = QStringLiteral("Tipolab: controllo dati immessi nella finestra attiva");
const QString kDeleteTitle =
    QStringLiteral("Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo");
const QStringList kOpenFilters{QStringLiteral("Tutti i file (*.*) (*)"),
                               QStringLiteral("File Tipolab-dati- (Tipolab-dati-*)")};
const QStringList kSaveFilters{QStringLiteral("File Tipolab-dati- (Tipolab-dati-*)")};

} // namespace

void typePersona(DataProgram& program, const QString& name)
{
    auto* page = program.module.windowAs<frontespizio>(WindowId::Frontespizio);
    QLineEdit* persona = page->field(frontespizio::Field::Persona);
    persona->clear();
    QTest::keyClicks(persona, name);
}

namespace {

// The general judgements, REALISTA complete on display in the data window,
// INVESTIGATIVO half judged, and the person's name: enough for a save of work
// in progress.
dati* enterSaveable(DataProgram& program)
{
    program.judgeTypes();
    dati* w = program.data();
    play(w, judgeAll(3) + QStringLiteral("n t5 j2 t6 j4 n n n n n"));
    typePersona(program, QStringLiteral("Rossi"));
    return w;
}

} // namespace

dati* enterWholeAssessment(DataProgram& program)
{
    play(program.types(), QStringLiteral("t1 j2 t2 j5 t3 j8 t4 j3 t5 j6 t6 j10"));
    dati* w = program.data();
    for (int t = 1; t <= kTypeCount; ++t) {
        QString script;
        for (int c = 1; c <= kCharacteristicCount; ++c)
            script += QStringLiteral("t%1 j%2 ").arg(c).arg((t * 5 + c * 3) % kStepCount + 1);
        script += QStringLiteral("u%1 u%1 d%2 d%2 n").arg(t).arg(t + 6);
        play(w, script);
    }
    typePersona(program, QStringLiteral("Maria Bianchi, 3ª B"));
    return w;
}

namespace {

// The results table of the results window, by type: sint.ass., anal.ass.,
// sint.rel., anal.rel. with a point, and the prevailing type's name.
QStringList shownResults(DataProgram& program)
{
    auto* r = qobject_cast<risultati*>(program.module.existingWindow(WindowId::Risultati));
    if (!r) return {};
    QStringList rows;
    for (int t = 1; t <= kTypeCount; ++t) {
        for (int i = 1; i <= kTypeCount; ++i) {
            const std::string_view name = typeName(t);
            if (r->tipolLabel(i)->text() != QString::fromUtf8(name.data(), name.size())) continue;
            QStringList row;
            for (QLabel* l :
                 {r->sintassLabel(i), r->anassLabel(i), r->sintrelLabel(i), r->anrelLabel(i)})
                row << QLocale::c().toString(captionValue(l->text()), 'f', 2);
            rows << row.join(u',');
        }
    }
    rows << r->risultatLabel()->text();
    return rows;
}

// The same from the results tool: its CSV row (file, person, prevailing type,
// then four values per type in type order).
QStringList toolResults(const QString& file)
{
    QProcess tool;
    tool.start(QStringLiteral(TIPOLAB_BIN_DIR "/tipolab-cli"),
               {QStringLiteral("risultati"), QStringLiteral("--csv"), file});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0) return {tool.readAllStandardError()};
    const QStringList lines = QString::fromUtf8(tool.readAllStandardOutput()).split(u'\n');
    // The person's name holds a comma: the tool quotes it.
    QStringList values = lines.value(1).section(u'"', 2).split(u',', Qt::SkipEmptyParts);
    const QString prevailing = values.takeFirst();
    QStringList rows;
    for (int t = 0; t < kTypeCount; ++t)
        rows << values.mid(t * 4, 4).join(u',');
    rows << prevailing;
    return rows;
}

} // namespace

// Everything the windows show and the assessment holds, to tell whether a
// command changed anything.
QStringList windowState(DataProgram& program)
{
    QStringList seen;
    for (WindowId id : {WindowId::Tipi, WindowId::Dati, WindowId::Frontespizio}) {
        QWidget* w = program.module.existingWindow(id);
        if (!w) continue;
        for (const QLabel* l : w->findChildren<QLabel*>())
            seen << l->objectName() + u'=' + l->text();
        for (const QAbstractButton* b : w->findChildren<QAbstractButton*>())
            seen << b->objectName() +
                        QStringLiteral(": %1 %2").arg(b->isChecked()).arg(b->isEnabled());
        for (const QLineEdit* e : w->findChildren<QLineEdit*>())
            seen << e->objectName() + u'=' + e->text();
    }
    const AssessmentData& data = program.module.data();
    seen << QString::fromStdString(writeArchive(recordFrom(data, {})));
    for (const std::optional<double>& w : data.weighted)
        seen << (w ? QString::number(*w) : QStringLiteral("none"));
    seen << QStringLiteral("type %1").arg(data.currentType);
    return seen;
}

void TestArchiveCommands::dialogsAndTheirCancel_data()
{
    QTest::addColumn<QString>("command"); // a menu entry of the data window
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("filters");
    QTest::addColumn<int>("preselected");
    QTest::addColumn<QString>("initialName");
    QTest::newRow("open") << "apri" << false << "Apri file" << kOpenFilters << 1 << "";
    QTest::newRow("save") << "salva" << true << "Salva file" << kSaveFilters << 0
                          << "Tipolab-dati-";
    QTest::newRow("save as") << "salvanome" << true << "Salva file con nome" << kSaveFilters << 0
                             << "Tipolab-dati-";
    QTest::newRow("delete") << "elimina" << false << kDeleteTitle << kOpenFilters << 1
                            << "Tipolab-dati-";
}

void TestArchiveCommands::dialogsAndTheirCancel()
{
    QFETCH(QString, command);
    QFETCH(bool, save);
    QFETCH(QString, title);
    QFETCH(QStringList, filters);
    QFETCH(int, preselected);
    QFETCH(QString, initialName);
    QTemporaryDir folder;
    const QString existing = folder.filePath(QStringLiteral("Tipolab-dati-Rossi"));
    test::writeFile(existing, "not even an archive");
    DataProgram program;
    dati* w = enterSaveable(program);
    const QStringList before = windowState(program);
    program.dialogs.clear();
    program.dialogs.choiceAnswers << 1; // open: not saved first

    control<QAction>(w, command)->trigger(); // and the dialog is cancelled

    QCOMPARE(program.dialogs.files.size(), 1);
    const FileCall& asked = program.dialogs.files.first();
    QCOMPARE(asked.save, save);
    QCOMPARE(asked.title, title);
    QCOMPARE(asked.filters, filters);
    QCOMPARE(asked.preselected, preselected);
    QCOMPARE(asked.initialName, initialName);
    // Nothing written, deleted or changed.
    QVERIFY(program.dialogs.messages.isEmpty());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"Tipolab-dati-Rossi"});
    QCOMPARE(test::readFile(existing), QByteArray("not even an archive"));
    QCOMPARE(windowState(program), before);
    QVERIFY(w->currentFileName().isEmpty());
}

void TestArchiveCommands::saveRefusedWithoutAName()
{
    DataProgram program;
    program.judgeTypes();
    dati* w = program.data();
    play(w, judgeAll(3)); // complete, but the title page was never opened

    w->Toolbar1_ButtonClick(2);

    QVERIFY(program.dialogs.files.isEmpty()); // nothing asked, nothing written
    QCOMPARE(program.dialogs.messages.size(), 1);
    QCOMPARE(program.dialogs.messages.first().text,
             QStringLiteral("Digitare almeno il nome della persona sottoposta al test."));
    QCOMPARE(program.dialogs.messages.first().icon, QMessageBox::Critical);
    QVERIFY(program.visibleWindows().contains(QStringLiteral("frontespizio")));
}

void TestArchiveCommands::wholeAssessmentThroughTheWindows()
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Tipolab-dati-Bianchi"));
    DataProgram program;
    dati* w = enterWholeAssessment(program);
    clickButton(w, QStringLiteral("avanti"));
    QVERIFY(program.dialogs.messages.isEmpty());
    const QStringList results = shownResults(program);
    QCOMPARE(results.size(), kTypeCount + 1);
    const QStringList entered = windowState(program);

    program.dialogs.fileAnswers << file;
    w->Toolbar1_ButtonClick(2);
    QVERIFY(program.dialogs.messages.isEmpty());
    QCOMPARE(w->currentFileName(), file);
    QCOMPARE(toolResults(file), results);

    // Cleared everywhere, then opened again: the windows as they were.
    w->Toolbar1_ButtonClick(19);
    program.types()->Toolbar1_ButtonClick(19);
    program.module.windowAs<frontespizio>(WindowId::Frontespizio)->cancella_click();
    QVERIFY(windowState(program) != entered);
    w->hide();
    program.dialogs.fileAnswers << file;
    program.dialogs.choiceAnswers << 1; // the cleared windows not saved
    program.working(4)->Toolbar1_ButtonClick(1); // from the title page: the data window first
    QVERIFY(w->isVisible());
    QCOMPARE(windowState(program), entered);

    clickButton(w, QStringLiteral("avanti"));
    QCOMPARE(shownResults(program), results);
    // Saved again, to the opened file without asking: the same to the byte.
    const QByteArray first = test::readFile(file);
    QFile::remove(file);
    program.dialogs.clear();
    w->Toolbar1_ButtonClick(2);
    QVERIFY(program.dialogs.files.isEmpty());
    QCOMPARE(test::readFile(file), first);
    // Save as always asks, offering the name chosen last.
    control<QAction>(w, QStringLiteral("salvanome"))->trigger();
    QCOMPARE(program.dialogs.files.size(), 1);
    QCOMPARE(program.dialogs.files.first().initialName, file);
}

void TestArchiveCommands::damagedFileIsRefusedWhole_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // null: no file of that name
    ArchiveRecord sound;
    sound.title[kPersonaField] = "Verdi";
    for (Judgement& j : sound.types)
        j = {Value::number(1), Value::text("molto"), Value::text("3"), Value::number(0.8f)};
    const QByteArray whole = QByteArray::fromStdString(writeArchive(sound));
    QTest::newRow("cut short") << "Tipolab-dati-corto" << whole.split('\n').mid(0, 40).join('\n');
    QTest::newRow("a step out of the scale")
        << "Tipolab-dati-passo" << QByteArray(whole).replace("\"3\"", "\"15\"");
    QTest::newRow("empty") << "Tipolab-dati-vuoto" << QByteArray("");
    QTest::newRow("missing") << "Tipolab-dati-assente" << QByteArray();
    QTest::newRow("a folder") << "Tipolab-dati-cartella" << QByteArray("folder");
    // Neither blocks nor floods the program: refused before anything is read.
    QTest::newRow("a pipe") << "Tipolab-dati-pipe" << QByteArray("fifo");
    QTest::newRow("a device") << "/dev/zero" << QByteArray();
}

void TestArchiveCommands::damagedFileIsRefusedWhole()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(name);
    if (bytes == "folder")
        QVERIFY(QDir(folder.path()).mkdir(name));
    else if (bytes == "fifo")
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (!bytes.isNull())
        test::writeFile(path, bytes);
    DataProgram program;
    dati* w = enterSaveable(program);
    play(w, QStringLiteral("n t2 j7"));
    const QStringList before = windowState(program);
    program.dialogs.clear();

    program.dialogs.fileAnswers << path;
    program.dialogs.choiceAnswers << 1; // the work on display not saved
    w->Toolbar1_ButtonClick(1);

    QCOMPARE(program.dialogs.messages.size(), 1);
    const MessageCall& told = program.dialogs.messages.first();
    QVERIFY2(told.text.contains(QDir::toNativeSeparators(path)), qPrintable(told.text));
    QCOMPARE(told.title, kCheckTitle);
    QCOMPARE(told.icon, QMessageBox::Critical);
    QCOMPARE(windowState(program), before);
    QVERIFY(w->currentFileName().isEmpty());
}

void TestArchiveCommands::failedSaveIsReported()
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Tipolab-dati-Rossi"));
    DataProgram program;
    dati* w = enterSaveable(program);
    program.dialogs.fileAnswers << file;
    w->Toolbar1_ButtonClick(2);
    QVERIFY(program.dialogs.messages.isEmpty());
    const QByteArray saved = test::readFile(file);
    QVERIFY(!saved.isEmpty());
    QVERIFY(saved.contains("1,\"quasi massimo\",\"2\",.9,\"8\"")); // INVESTIGATIVO's row 5
    play(w, QStringLiteral("t1 t1 j9")); // a change that the failed save must not reach
    program.dialogs.clear();

    // A folder chosen as the file to write.
    program.dialogs.fileAnswers << folder.path();
    control<QAction>(w, QStringLiteral("salvanome"))->trigger();

    QCOMPARE(program.dialogs.messages.size(), 1);
    const QString told = program.dialogs.messages.first().text;
    QVERIFY2(told.contains(QDir::toNativeSeparators(folder.path())), qPrintable(told));
    QVERIFY2(told.contains(QStringLiteral(": \u00e8 una cartella.")), qPrintable(told));
    QCOMPARE(program.dialogs.messages.first().icon, QMessageBox::Critical);
    QVERIFY(QFileInfo(folder.path()).isDir());
    QCOMPARE(test::readFile(file), saved);
    QCOMPARE(w->currentFileName(), file);
}

void TestArchiveCommands::deleteMovesTheFileToTheTrash()
{
    QTemporaryDir folder; // under the tests' own home
    const QString file = folder.filePath(QStringLiteral("Tipolab-dati-Neri"));
    test::writeFile(file, "an old assessment");
    DataProgram program;
    dati* w = enterSaveable(program);
    const QStringList before = windowState(program);

    program.dialogs.fileAnswers << file;
    w->Toolbar1_ButtonClick(3);

    QVERIFY(program.dialogs.messages.isEmpty());
    QVERIFY(!QFile::exists(file));
    const QString trashed =
        qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Trash/files/Tipolab-dati-Neri");
    QCOMPARE(test::readFile(trashed), QByteArray("an old assessment"));
    QCOMPARE(windowState(program), before);
    QVERIFY(w->currentFileName().isEmpty()); // a later save still asks for its name

    // A file no longer there is reported.
    program.dialogs.fileAnswers << file;
    w->Toolbar1_ButtonClick(3);
    QCOMPARE(program.dialogs.messages.size(), 1);
    QVERIFY(program.dialogs.messages.first().text.contains(QDir::toNativeSeparators(file)));
}
