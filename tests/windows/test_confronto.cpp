// The comparison window: two assessments entered through the windows, the
// earlier saved and chosen again, agree with the comparison of their files;
// the sheet follows; an assessment not ready, a cancel, a damaged or
// incomplete file change nothing, and a different name is a warning.
#include "contents/comparison_files.h"
#include "contents/comparison_sheet.h"
#include "test_dati.h"
#include "test_support.h"
#include "windows/archive_commands.h"
#include "windows/confronto.h"
#include "windows/hexagon_chart_view.h"

#include <QDir>
#include <QMenu>
#include <QTableWidget>
#include <QTest>

using namespace tipolab;

namespace {

const QString kCheckTitle = QStringLiteral("Tipolab: controllo dati immessi nella finestra attiva");

// "Co&nfronta con un'altra valutazione...", the entry of "&Visualizza" right
// after the profile's, in working window n.
QAction* compareEntry(DataProgram& program, int window)
{
    const QList<QAction*> entries =
        control<QMenu>(program.working(window), QStringLiteral("visu"))->actions();
    // Between the profile and the professions, at the end of the menu.
    QAction* entry = entries.value(entries.size() - 2);
    const bool placed = entries.value(entries.size() - 3)->objectName() == u"vediprofilo" &&
                        entry->objectName() == u"confronta" &&
                        entry->text() == u"Co&nfronta con un'altra valutazione..." &&
                        entries.last()->objectName() == u"vediprofessioni" &&
                        entries.last()->text() == u"Pro&fessioni affini";
    return placed ? entry : nullptr;
}

confronto* comparisonWindow(DataProgram& program)
{
    return qobject_cast<confronto*>(program.module.existingWindow(WindowId::Confronto));
}

} // namespace

void TestConfronto::twoAssessmentsEnteredThroughTheWindows()
{
    DataProgram program;
    dati* data = enterWholeAssessment(program);
    clickButton(data, QStringLiteral("avanti"));
    QTemporaryDir dir;
    const QString earlier = dir.filePath("Tipolab-dati-prima");
    const QString later = dir.filePath("Tipolab-dati-dopo");
    program.dialogs.fileAnswers << earlier;
    control<QAction>(data, QStringLiteral("salvanome"))->trigger();

    // A year later: another general judgement of REALISTA, two characteristics
    // of INVESTIGATIVO judged again; computed and saved under another name.
    play(program.types(), QStringLiteral("t1 t1 j9"));
    play(data, QStringLiteral("n t1 t1 j1 t2 t2 j1"));
    clickButton(data, QStringLiteral("avanti"));
    program.dialogs.fileAnswers << later;
    control<QAction>(data, QStringLiteral("salvanome"))->trigger();
    QVERIFY(program.dialogs.messages.isEmpty());
    program.dialogs.clear();

    QAction* entry = compareEntry(program, 1);
    QVERIFY(entry);
    program.dialogs.fileAnswers << earlier;
    entry->trigger();

    QVERIFY(program.dialogs.messages.isEmpty()); // the same person
    QCOMPARE(program.dialogs.files.size(), 1);
    const FileCall& asked = program.dialogs.files.first();
    QCOMPARE(asked.title, QStringLiteral("Apri file: la valutazione precedente"));
    QCOMPARE(asked.filters, ArchiveCommands::openFilters());
    QCOMPARE(asked.preselected, 1);
    confronto* w = comparisonWindow(program);
    QVERIFY(w && w->isVisible() && w->shown());

    // What the window compares is what the two files give.
    const FileComparison files = compareFiles(earlier, later);
    QVERIFY(files.snapshot);
    QCOMPARE(w->shown()->comparison, files.snapshot->comparison);
    QCOMPARE(w->shown()->after.date, files.snapshot->after.date);
    QVERIFY(w->shown()->comparison.types[0].change[int(Measure::SintAss)] < 0);
    const auto* table = control<QTableWidget>(w, QStringLiteral("percentuali"));
    QCOMPARE(table->item(0, 4)->text(), percentageRows(*files.snapshot).value(0).value(4));
    QCOMPARE(control<HexagonChartView>(w, QStringLiteral("grafico"))->chart()->profiles().size(),
             2);

    // Its sheet is the one the files give.
    clickButton(w, QStringLiteral("stampa"));
    const RecordingOpener& opener = *program.documents.opener;
    QCOMPARE(opener.paths,
             QStringList{QDir(program.documents.path("fogli"))
                             .filePath("Tipolab-foglio-confronto-Maria Bianchi, 3\u00aa B.doc")});
    ReportWriter fromFiles;
    composeComparisonSheet(fromFiles, sheetHeading(files.snapshot->after.persona), *files.snapshot);
    QCOMPARE(textsOf(opener.documents[0]), textsOf(fromFiles.document()));
}

void TestConfronto::refusals_data()
{
    QTest::addColumn<QString>("ready");  // "incomplete", "not computed", "computed"
    QTest::addColumn<QString>("chosen"); // the earlier file: "" cancels
    QTest::addColumn<int>("icon");       // of the one message; -1: none
    QTest::addColumn<QString>("told");
    QTest::addColumn<bool>("compared");
    const int none = -1;
    QTest::newRow("incomplete assessment")
        << "incomplete"
        << "" << int(QMessageBox::Critical)
        << "INVESTIGATIVO: - spuntare ognuna delle caratteristiche;" << false;
    QTest::newRow("results not computed")
        << "not computed"
        << "" << int(QMessageBox::Information) << "premere \u00abRisultati\u00bb" << false;
    QTest::newRow("cancelled") << "computed"
                               << "" << none << "" << false;
    QTest::newRow("damaged file") << "computed"
                                  << "damaged" << int(QMessageBox::Critical) << "riga 2, valore 1"
                                  << false;
    QTest::newRow("incomplete file")
        << "computed"
        << "Tipolab-dati-parziale" << int(QMessageBox::Critical) << "\u00e8 incompleta" << false;
    QTest::newRow("another person") << "computed"
                                    << "other" << int(QMessageBox::Warning)
                                    << "potrebbero riguardare due persone diverse" << true;
}

void TestConfronto::refusals()
{
    QFETCH(QString, ready);
    QFETCH(QString, chosen);
    QFETCH(int, icon);
    QFETCH(QString, told);
    QFETCH(bool, compared);
    DataProgram program;
    if (ready == u"incomplete") {
        program.judgeTypes();
        play(program.data(), judgeAll(3)); // REALISTA only
    } else {
        program.types();
        openSample(program);
        if (ready == u"computed") clickButton(program.data(), QStringLiteral("avanti"));
    }
    QTemporaryDir dir;
    QString file = dir.filePath(chosen);
    if (chosen == u"damaged") {
        test::writeFile(file, "\"\",\"x\",\"\",\"\",\"\",\"\",\"\"\r\n7,\"molto\",\"3\",.8\r\n");
    } else if (chosen == u"other") {
        test::writeFile(file, test::readFile(kSample).replace("Mario Rossi", "Maria Bianchi"));
    } else if (!chosen.isEmpty()) {
        file = QStringLiteral(TIPOLAB_TEST_DATA_DIR "/") + chosen;
    }
    if (!chosen.isEmpty()) program.dialogs.fileAnswers << file;
    const QStringList before = windowState(program);
    program.dialogs.clear();

    program.working(2)->runCommand(FrameCommand::Compare);

    QCOMPARE(program.dialogs.files.size(), ready == u"computed" ? 1 : 0);
    QCOMPARE(program.dialogs.messages.size(), icon == -1 ? 0 : 1);
    if (icon != -1) {
        const MessageCall& m = program.dialogs.messages.first();
        QCOMPARE(int(m.icon), icon);
        QCOMPARE(m.title, kCheckTitle);
        QVERIFY2(m.text.contains(told), qPrintable(m.text));
        if (icon == QMessageBox::Critical && !chosen.isEmpty())
            QVERIFY(m.text.contains(QDir::toNativeSeparators(file)));
    }
    QCOMPARE(windowState(program), before);
    confronto* w = comparisonWindow(program);
    QCOMPARE(w && w->isVisible(), compared);
    QCOMPARE(w && w->shown(), compared);
}
