// The register window on a class folder: thirty complete assessments with
// different prevailing types, an incomplete one, a damaged one and a file that
// is not an archive; its states, sort, search and keyboard, opening an
// assessment from it, rereading, and the exports without names.
#include "test_dati.h"
#include "test_support.h"
#include "windows/current_results.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <sys/stat.h>

using namespace tipolab;

namespace {

constexpr int kClassSize = 30;

// The sample with its types turned round by n (judgements and weights move
// with their type), named "Alunno n" and dated n November: each pupil of the
// class prevails in another type than the one before.
QByteArray pupil(const QList<QByteArray>& sample, int n)
{
    const int shift = n % kTypeCount;
    QList<QByteArray> out{
        QByteArray(sample[0])
            .replace("Mario Rossi", "Alunno " + QByteArray::number(n))
            .replace("luned\xec, 7 dic 2026", QByteArray::number(n) + "/11/2026")};
    for (int t = 0; t < kTypeCount; ++t)
        out << sample[1 + (t + shift) % kTypeCount];
    for (int t = 0; t < kTypeCount; ++t) {
        for (int k = 0; k < kCharacteristicCount; ++k)
            out << sample[1 + kTypeCount + (t + shift) % kTypeCount * kCharacteristicCount + k];
    }
    return out.join('\n') + '\n';
}

// The class folder: 3B with the thirty pupils, and beside it the others.
void writeClass(const QTemporaryDir& dir)
{
    const QList<QByteArray> sample = test::readFile(kSample).split('\n');
    QDir(dir.path()).mkdir(QStringLiteral("3B"));
    for (int n = 1; n <= kClassSize; ++n)
        test::writeFile(dir.filePath(QStringLiteral("3B/Tipolab-dati-Alunno%1").arg(n)),
                        pupil(sample, n));
    QFile::copy(QStringLiteral(TIPOLAB_TEST_DATA_DIR "/Tipolab-dati-parziale"),
                dir.filePath(QStringLiteral("Tipolab-dati-parziale")));
    test::writeFile(dir.filePath(QStringLiteral("Tipolab-dati-rotto")), "rotto\r\n");
    test::writeFile(dir.filePath(QStringLiteral("appunti.txt")), "Non un archivio\n");
}

// "&Registro delle valutazioni..." from "&File" of the types window, on `folder`.
registro* openRegister(DataProgram& program, const QString& folder)
{
    program.dialogs.fileAnswers << folder;
    control<QAction>(program.types(), QStringLiteral("registro"))->trigger();
    auto* reg = qobject_cast<registro*>(program.module.existingWindow(WindowId::Registro));
    if (reg && !QTest::qWaitFor([reg] { return !reg->loading(); }, 20000)) return nullptr;
    return reg;
}

QString shown(const registro* reg, int row, int column)
{
    const auto* table = reg->findChild<QTableView*>(QStringLiteral("tabella"));
    return table->model()->index(row, column).data().toString();
}

int shownCount(const registro* reg)
{
    return reg->findChild<QTableView*>(QStringLiteral("tabella"))->model()->rowCount();
}

// Every text inside the workbook's parts, as Python's zipfile reads them.
QString workbookText(const QString& path)
{
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import sys, zipfile\nz = zipfile.ZipFile(sys.argv[1])\n"
                                 "print(''.join(z.read(n).decode() for n in z.namelist()))"),
                  path});
    python.waitForFinished();
    return QString::fromUtf8(python.readAllStandardOutput());
}

mode_t modeOf(const QString& path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 0777;
}

} // namespace

void TestRegistro::classFolderListedSortedSearchedAndOpened()
{
    QTemporaryDir dir;
    writeClass(dir);
    DataProgram program;
    openSample(program);
    program.dialogs.clear();
    registro* reg = openRegister(program, dir.path());
    QVERIFY(reg && reg->isVisible());
    // The folder dialog starts where the last archive was opened.
    QCOMPARE(program.dialogs.folderStarts, QStringList{QFileInfo(kSample).absolutePath()});
    QCOMPARE(reg->model().rowCount(), kClassSize + 2);
    QCOMPARE(reg->model().columnCount(), 10 + kTypeCount); // thirty complete: local norms
    QVERIFY(
        caption(reg, "riepilogo")
            .startsWith(QStringLiteral("Valutazioni: 30 complete, 1 incomplete, 1 danneggiate.")));

    // Every control a keyboard reaches has a name for a screen reader.
    for (QWidget* w : reg->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isVisibleTo(reg) && w->focusPolicy() != Qt::NoFocus)
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
    }

    // Dates sort as dates (2 November before 10 November), percentiles as numbers.
    auto* table = control<QTableView>(reg, "tabella");
    table->sortByColumn(1, Qt::AscendingOrder);
    for (int n = 1; n <= kClassSize; ++n)
        QCOMPARE(shown(reg, n - 1, 0), QStringLiteral("Alunno %1").arg(n));
    QCOMPARE(shown(reg, 1, 9), QStringLiteral("3B/Tipolab-dati-Alunno2"));
    table->sortByColumn(10, Qt::DescendingOrder);
    for (int r = 1; r < kClassSize; ++r)
        QVERIFY(shown(reg, r - 1, 10).toInt() >= shown(reg, r, 10).toInt());
    QVERIFY(shown(reg, 0, 10).toInt() > 50 && shown(reg, kClassSize - 1, 10).toInt() < 50);

    // The states and the search.
    control<QLineEdit>(reg, "cerca")->setText(QStringLiteral("ALUNNO 1"));
    QCOMPARE(shownCount(reg), 11); // 1 and 10 to 19
    QVERIFY(caption(reg, "riepilogo").contains(QStringLiteral("Mostrate 11 di 32.")));
    control<QLineEdit>(reg, "cerca")->clear();
    clickBox(reg, QStringLiteral("stato_1"));
    QCOMPARE(shownCount(reg), 2);
    table->sortByColumn(4, Qt::AscendingOrder);
    QVERIFY(shown(reg, 0, 4).startsWith(QStringLiteral("danneggiata: Il file")));
    QVERIFY(shown(reg, 1, 4).startsWith(QStringLiteral("incompleta: ")));
    clickBox(reg, QStringLiteral("stato_1"));

    // Enter opens the assessment of the row, asking first about unsaved work.
    table->sortByColumn(1, Qt::AscendingOrder);
    program.judgeTypes(); // a change not saved
    reg->activateWindow();
    table->setFocus();
    table->setCurrentIndex(table->model()->index(4, 0));
    QTest::keyClick(table, Qt::Key_Return); // Annulla, the default
    QCOMPARE(program.dialogs.choices.size(), 1);
    QVERIFY(program.data()->currentFileName().endsWith(QStringLiteral("Tipolab-dati-esempio")));
    program.dialogs.choiceAnswers << 1; // Non salvare
    QTest::keyClick(table, Qt::Key_Return);
    const QString fifth = dir.filePath(QStringLiteral("3B/Tipolab-dati-Alunno5"));
    QCOMPARE(program.data()->currentFileName(), fifth);
    QCOMPARE(examinedPerson(program.module), QStringLiteral("Alunno 5"));
    QVERIFY(program.module.existingWindow(WindowId::Tipi)->isVisible());

    // A file saved meanwhile is listed when the register reads the folder again,
    // and the row the user was on stays selected.
    program.dialogs.fileAnswers << dir.filePath(QStringLiteral("Tipolab-dati-Alunno5-bis"));
    control<QAction>(program.data(), QStringLiteral("salvanome"))->trigger();
    reg->aggiorna();
    QTRY_VERIFY(!reg->loading());
    QCOMPARE(reg->model().rowCount(), kClassSize + 3);
    QCOMPARE(table->currentIndex().data(RegisterModel::kPathRole).toString(), fifth);
}

void TestRegistro::exportsWithoutNames()
{
    QTemporaryDir dir;
    writeClass(dir);
    DataProgram program;
    registro* reg = openRegister(program, dir.path());
    QVERIFY(reg);
    const QString workbook = dir.filePath(QStringLiteral("classe.xlsx"));
    const QString key = dir.filePath(QStringLiteral("chiave.csv"));

    // With names: the spreadsheet of the rows on show.
    program.dialogs.clear();
    program.dialogs.fileAnswers << workbook;
    clickButton(reg, QStringLiteral("esporta"));
    QCOMPARE(program.dialogs.messages.size(), 1);
    QCOMPARE(program.dialogs.messages[0].icon, QMessageBox::Information);
    QVERIFY(workbookText(workbook).contains(QStringLiteral("Alunno 17")));

    // Without: the key asked for after the spreadsheet; cancelled, nothing written.
    clickBox(reg, QStringLiteral("senzanomi"));
    QFile::remove(workbook);
    program.dialogs.clear();
    program.dialogs.fileAnswers << workbook;
    clickButton(reg, QStringLiteral("esporta"));
    QCOMPARE(program.dialogs.files.size(), 2);
    QCOMPARE(QFileInfo(program.dialogs.files[0].initialName).fileName(),
             QFileInfo(dir.path()).fileName().prepend(QStringLiteral("Tipolab-registro-")) +
                 QStringLiteral("-senza-nomi.xlsx"));
    QVERIFY(!QFile::exists(workbook) && !QFile::exists(key));

    program.dialogs.clear();
    program.dialogs.fileAnswers << workbook << key;
    clickButton(reg, QStringLiteral("esporta"));
    const QString exported = workbookText(workbook);
    QVERIFY(exported.contains(QStringLiteral("P0032")));
    QCOMPARE(modeOf(key), mode_t(0600));
    QCOMPARE(test::readFile(key).count('\n'), 1 + kClassSize + 2);

    program.dialogs.fileAnswers << key;
    clickButton(reg, QStringLiteral("stampa"));
    QCOMPARE(program.documents.opener->documents.size(), 1);
    const QString sheet = textsOf(program.documents.opener->documents.last()).join(u'\n');
    QVERIFY(sheet.contains(QStringLiteral("P0030")));
    for (const QString& text : {exported, sheet}) {
        for (const QString& name : {QStringLiteral("Alunno"), QStringLiteral("Liceo"),
                                    QStringLiteral("Tipolab-dati"), QStringLiteral("prova")})
            QVERIFY2(!text.contains(name), qPrintable(name));
    }
}
