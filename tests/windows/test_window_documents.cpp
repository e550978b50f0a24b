// The print commands of the four working windows: each writes its document
// from what its window shows and hands it on; the full report agrees with the
// one the command-line tool makes from the same archive; an incomplete
// assessment or a failed write leaves everything as it was.
#include "contents/full_report.h"
#include "layout/document_layout.h"
#include "shell/preview_window.h"
#include "output/rtf_writer.h"
#include "contents/snapshot_from_archive.h"
#include "contents/window_sheets.h"
#include "archive/archive_codec.h"
#include "state/archive_file.h"
#include "shell/qt_dialogs.h"
#include "test_dati.h"
#include "test_paths.h"
#include "test_support.h"
#include "windows/profilo.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tipolab;

namespace {

const QString kLoading = QStringLiteral("sto caricando Word");

} // namespace

QStringList textsOf(const ReportDocument& document)
{
    QStringList out;
    int number = 0;
    for (const Block& block : document.blocks) {
        if (const auto* p = std::get_if<Paragraph>(&block)) {
            out << p->text();
            continue;
        }
        if (const auto* picture = std::get_if<Picture>(&block)) {
            out << QStringLiteral("picture %1 x %2 twips")
                       .arg(picture->size.width())
                       .arg(picture->size.height());
            continue;
        }
        const Table& table = std::get<Table>(block);
        ++number;
        for (int r = 1; r <= table.rows; ++r) {
            QStringList row;
            for (int c = 1; c <= table.columns; ++c)
                row << table.cell(r, c).text;
            out << QStringLiteral("table %1: ").arg(number) + row.join(u'|');
        }
    }
    return out;
}

namespace {

QString guidanceLine(QWidget* window)
{
    return window->findChild<QLabel*>(QStringLiteral("passo"))->text();
}

} // namespace

void TestWindowDocuments::fullReportAgreesWithTheArchive()
{
    DataProgram program;
    program.types();
    openSample(program);
    // The data window left on another type: the report shows each in turn.
    play(program.data(), QStringLiteral("n n"));

    program.working(4)->Toolbar1_ButtonClick(4);

    QVERIFY(program.dialogs.messages.isEmpty());
    const RecordingOpener& opener = *program.documents.opener;
    // Beside the program's folder, named after it and the person.
    const QString expected = program.documents.path("Tipolab-RelazioneTipolab-Mario Rossi.doc");
    QCOMPARE(opener.paths, QStringList{expected});
    QVERIFY(QFileInfo(expected).size() > 0);

    const ArchiveLoad load = loadArchiveFile(kSample);
    QVERIFY(load.record);
    ReportWriter fromArchive;
    composeFullReport(fromArchive, snapshotFromArchive(*load.record, {}).windows, a4PageCounter());
    QCOMPARE(textsOf(opener.documents[0]), textsOf(fromArchive.document()));
    QCOMPARE(toRtf(opener.documents[0]), toRtf(fromArchive.document()));

    // The data window back on REALISTA, the results computed.
    QCOMPARE(program.module.data().currentType, 1);
    QCOMPARE(caption(program.data(), QStringLiteral("appunti")), QStringLiteral("REALISTA"));
    QCOMPARE(caption(program.working(3), QStringLiteral("risultat")), QStringLiteral("REALISTA"));
}

void TestWindowDocuments::printCommands_data()
{
    QTest::addColumn<int>("window");    // where the command is given
    QTest::addColumn<QString>("entry"); // the menu entry; empty: toolbar button 4
    QTest::addColumn<QString>("kind");  // of the document, as its file is named
    QTest::addColumn<int>("tables");
    QTest::addColumn<int>("guided"); // the window whose guidance line tells of the loading

    QTest::newRow("types sheet") << 1 << QString() << "foglio-tipi" << 2 << 1;
    QTest::newRow("types window: blank form") << 1 << "modello"
                                              << "modello-acquisizione-dati" << 7 << 2;
    QTest::newRow("data sheet") << 2 << "stampa"
                                << "foglio-dati" << 13 << 2;
    QTest::newRow("blank form") << 2 << "modelloacquisizione"
                                << "modello-acquisizione-dati" << 7 << 2;
    QTest::newRow("results sheet") << 3 << QString() << "foglio-risultati" << 2 << 3;
}

// Each sheet is written into the sheets' folder under a name that says what
// it is, holds what the window shows, and is handed on; a second print makes
// a second document.
void TestWindowDocuments::printCommands()
{
    QFETCH(int, window);
    QFETCH(QString, entry);
    QFETCH(QString, kind);
    QFETCH(int, tables);
    QFETCH(int, guided);
    DataProgram program;
    program.types();
    openSample(program);
    clickButton(program.data(), QStringLiteral("avanti"));
    WorkingWindow* w = program.working(window);
    auto print = [&] {
        if (entry.isEmpty())
            w->Toolbar1_ButtonClick(4);
        else
            control<QAction>(w, entry)->trigger();
    };

    print();
    print();

    QVERIFY(program.dialogs.messages.isEmpty());
    const RecordingOpener& opener = *program.documents.opener;
    QCOMPARE(opener.paths.size(), 2);
    const QString person = kind.startsWith(u"modello") ? QString() : QStringLiteral("-Mario Rossi");
    const QString name = QStringLiteral("Tipolab-") + kind + person;
    const QDir sheets(program.documents.path("fogli"));
    QCOMPARE(opener.paths,
             QStringList({sheets.filePath(name + ".doc"), sheets.filePath(name + " (2).doc")}));
    for (const QString& path : opener.paths)
        QVERIFY(QFileInfo(path).size() > 0);
    QCOMPARE(opener.documents[0].tableCount(), tables);
    QCOMPARE(textsOf(opener.documents[0]), textsOf(opener.documents[1]));
    QCOMPARE(guidanceLine(program.working(guided)), kLoading);
    // The data window shows REALISTA after its sheet, and stays put after the form.
    QCOMPARE(program.module.data().currentType, 1);

    // What the window shows reaches the document.
    const QStringList texts = textsOf(opener.documents[0]);
    const QString examined = QStringLiteral("Soggetto esaminato: ") +
                             (person.isEmpty() ? QString(27, u'_') : QStringLiteral("Mario Rossi"));
    QVERIFY(texts.contains(examined));
    if (window == 3) {
        auto* results = qobject_cast<risultati*>(w);
        QVERIFY(texts.contains(
            QStringLiteral("table 2: ") + results->tipolLabel(1)->text() + u'|' +
            results->sintassLabel(1)->text() + u'|' + results->anassLabel(1)->text() + u'|' +
            results->sintrelLabel(1)->text() + u'|' + results->anrelLabel(1)->text()));
    }
    if (kind == u"foglio-tipi") {
        auto* types = qobject_cast<tipi*>(w);
        QVERIFY(texts.contains(QStringLiteral("table 2: REALISTA|") +
                               types->giudizLabel(1)->text() + u'|' + types->valorLabel(1)->text() +
                               u'|' + types->coeffLabel(1)->text()));
    }
}

// A new assessment, nothing entered: the data sheet from the window is the
// one the tool makes from an empty archive.
void TestWindowDocuments::newAssessmentDataSheet()
{
    DataProgram program;
    program.types();
    program.data()->Toolbar1_ButtonClick(4);

    const RecordingOpener& opener = *program.documents.opener;
    QCOMPARE(opener.paths.size(), 1);
    ReportWriter fromArchive;
    composeDataSheet(fromArchive, sheetHeading(QString()),
                     snapshotFromArchive(ArchiveRecord{}, {}).windows.data);
    QCOMPARE(textsOf(opener.documents[0]), textsOf(fromArchive.document()));
}

// The full report with the type on display incomplete: the check says what
// is missing, the data window comes forward, no document is written.
void TestWindowDocuments::incompleteAssessmentGivesNoReport()
{
    DataProgram program;
    program.judgeTypes();
    play(program.data(), QStringLiteral("t1 j4 t2 j5"));
    program.data()->hide();
    program.dialogs.clear();

    program.working(4)->Toolbar1_ButtonClick(4);

    QCOMPARE(program.dialogs.messages.size(), 1);
    QCOMPARE(program.dialogs.messages.first().icon, QMessageBox::Critical);
    QVERIFY(program.dialogs.messages.first().text.contains(QStringLiteral("spuntare")));
    QVERIFY(program.data()->isVisible());
    QVERIFY(program.documents.opener->paths.isEmpty());
    QCOMPARE(QDir(program.documents.root.path()).entryList(QDir::Files), QStringList());
}

void TestWindowDocuments::resultsAndReportAgreeWithTheTool_data()
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<bool>("complete");
    const ArchiveRecord sample = *loadArchiveFile(kSample).record;
    auto bytes = [](const ArchiveRecord& r) { return QByteArray::fromStdString(writeArchive(r)); };
    QTest::newRow("complete") << bytes(sample) << true;
    ArchiveRecord realistaOnly = sample;
    for (int t = 2; t <= kTypeCount; ++t) {
        for (int c = t; c <= kCharacteristicCount; ++c)
            realistaOnly.characteristics[t - 1][c - 1] = {};
    }
    QTest::newRow("REALISTA alone complete") << bytes(realistaOnly) << false;
    ArchiveRecord weights = sample;
    weights.characteristics[5][0].weight = Value::text("10");
    QTest::newRow("CONVENZIONALE's weights at 101") << bytes(weights) << false;
    ArchiveRecord general = sample;
    general.types[2].withdraw(); // ticked, awaiting its judgement
    QTest::newRow("a general judgement missing") << bytes(general) << false;
}

// An archive the tool refuses gives, opened in the program, neither results
// nor a report; one it accepts gives both.
void TestWindowDocuments::resultsAndReportAgreeWithTheTool()
{
    QFETCH(QByteArray, archive);
    QFETCH(bool, complete);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Tipolab-dati-prova"));
    test::writeFile(file, archive);
    DataProgram program;
    program.types();
    program.dialogs.fileAnswers << file;
    program.data()->Toolbar1_ButtonClick(1);

    clickButton(program.data(), QStringLiteral("avanti"));
    program.working(4)->Toolbar1_ButtonClick(4);

    QCOMPARE(program.visibleWindows().contains(QStringLiteral("risultati")), complete);
    QCOMPARE(program.documents.opener->paths.size(), complete ? 1 : 0);
    QCOMPARE(program.dialogs.messages.size(), complete ? 0 : 2);
    QProcess tool;
    tool.start(QStringLiteral(TIPOLAB_BIN_DIR "/tipolab-cli"),
               {QStringLiteral("relazione"), file, QStringLiteral("-o"),
                folder.filePath(QStringLiteral("relazione.doc"))});
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode() == 0, complete);
}

// A report that cannot be written (a folder stands where its file would go):
// the user is told, naming the file, and the windows and the assessment are
// as they were.
void TestWindowDocuments::failedReportIsToldAndChangesNothing()
{
    DataProgram program;
    program.types();
    openSample(program);
    clickButton(program.data(), QStringLiteral("avanti"));
    const QString blocked = program.documents.path("Tipolab-RelazioneTipolab-Mario Rossi.doc");
    QVERIFY(QDir().mkpath(blocked));
    const QStringList before = windowState(program);
    program.dialogs.clear();

    program.working(4)->Toolbar1_ButtonClick(4);

    QCOMPARE(program.dialogs.messages.size(), 1);
    const MessageCall& told = program.dialogs.messages.first();
    QCOMPARE(told.icon, QMessageBox::Critical);
    QVERIFY2(told.text.contains(QDir::toNativeSeparators(blocked)), qPrintable(told.text));
    QVERIFY(program.documents.opener->paths.isEmpty());
    QCOMPARE(windowState(program), before);
}

void TestWindowDocuments::exportPdf_data()
{
    QTest::addColumn<int>("window"); // 1..4; 5 and 6 the profile and comparison windows' button
    QTest::addColumn<QString>("offered"); // in the documents folder
    QTest::addColumn<QString>("answer");  // "ok", "cancel", or "blocked": a file stands
                                          // where the folder should be
    QTest::newRow("types sheet") << 1 << "Tipolab-foglio-tipi-Mario Rossi.pdf"
                                 << "ok";
    QTest::newRow("data sheet") << 2 << "Tipolab-foglio-dati-Mario Rossi.pdf"
                                << "ok";
    QTest::newRow("results sheet") << 3 << "Tipolab-foglio-risultati-Mario Rossi.pdf"
                                   << "ok";
    QTest::newRow("report") << 4 << "Tipolab-RelazioneTipolab-Mario Rossi.pdf"
                            << "ok";
    QTest::newRow("profile sheet") << 5 << "Tipolab-foglio-profilo-Mario Rossi.pdf"
                                   << "ok";
    QTest::newRow("comparison sheet") << 6 << "Tipolab-foglio-confronto-Mario Rossi.pdf"
                                      << "ok";
    QTest::newRow("cancelled") << 3 << "Tipolab-foglio-risultati-Mario Rossi.pdf"
                               << "cancel";
    QTest::newRow("cannot be written") << 4 << "Tipolab-RelazioneTipolab-Mario Rossi.pdf"
                                       << "blocked";
}

// "Esporta in PDF..." writes what the print command writes, as a PDF file the
// user names; the word processor gets nothing, and a file that cannot be
// written is told, naming it, with nothing else changed.
void TestWindowDocuments::exportPdf()
{
    QFETCH(int, window);
    QFETCH(QString, offered);
    QFETCH(QString, answer);
    DataProgram program;
    program.types();
    openSample(program);
    clickButton(program.data(), QStringLiteral("avanti"));
    if (window == 6) { // the sample compared with itself
        program.dialogs.fileAnswers << kSample;
        program.working(3)->runCommand(FrameCommand::Compare);
    }
    const QStringList before = windowState(program);
    program.dialogs.clear();
    const QString blocker = program.documents.path("file");
    test::writeFile(blocker, "un file");
    const QString pdf = answer == u"blocked" ? QDir(blocker).filePath("documento.pdf")
                                             : program.documents.path("documento.pdf");
    if (answer != u"cancel") program.dialogs.fileAnswers << pdf;

    if (window <= 4) {
        control<QAction>(program.working(window), QStringLiteral("esportapdf"))->trigger();
    } else if (window == 5) {
        program.working(3)->runCommand(FrameCommand::ShowProfilo);
        clickButton(program.module.existingWindow(WindowId::Profilo), QStringLiteral("esportapdf"));
    } else {
        clickButton(program.module.existingWindow(WindowId::Confronto),
                    QStringLiteral("esportapdf"));
    }

    QCOMPARE(program.dialogs.files.size(), 1);
    const FileCall& asked = program.dialogs.files.first();
    QVERIFY(asked.save);
    QCOMPARE(asked.title, QStringLiteral("Esporta in PDF"));
    QCOMPARE(asked.initialName, QDir(program.documents.path("Documenti")).filePath(offered));
    QVERIFY(program.documents.opener->paths.isEmpty());
    QCOMPARE(windowState(program), before);
    if (window <= 3) QVERIFY(guidanceLine(program.working(window)) != kLoading);
    const QByteArray written = test::readFile(pdf);
    QCOMPARE(written.startsWith("%PDF-") && written.trimmed().endsWith("%%EOF"), answer == u"ok");
    QCOMPARE(program.dialogs.messages.size(), answer == u"blocked" ? 1 : 0);
    if (answer == u"blocked") {
        QCOMPARE(program.dialogs.messages.first().icon, QMessageBox::Critical);
        QVERIFY(program.dialogs.messages.first().text.contains(QDir::toNativeSeparators(pdf)));
    }
}

// Names from an archive, the installation file or the user show as the text
// they are: markup in them neither changes the look nor makes the program
// fetch a picture (a pipe or a device named there would freeze it).
void TestWindowDocuments::markupInNamesShowsAsText()
{
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("manca.png"));
    const QString markup = QStringLiteral("<b>x</b><img src=\"%1\">").arg(picture);
    const QString archive = dir.filePath(QStringLiteral("Tipolab-dati-markup"));
    test::writeFile(archive, test::readFile(kSample).replace("Mario Rossi", markup.toUtf8()));
    InstallationData installation;
    installation.studioName = QStringLiteral("<i>Studio</i>");
    installation.studioAddress = QStringLiteral("<u>Via</u><img src=\"%1\">").arg(picture);

    DataProgram program(installation);
    program.types();
    program.dialogs.fileAnswers << archive;
    program.data()->Toolbar1_ButtonClick(1);
    clickButton(program.data(), QStringLiteral("avanti")); // "&Risultati"
    for (int window = 1; window <= 4; ++window)
        program.working(window)->Toolbar1_ButtonClick(4); // every print command
    control<QAction>(program.working(1), QStringLiteral("vediprofilo"))->trigger();
    program.dialogs.fileAnswers << archive; // compared with itself
    control<QAction>(program.working(1), QStringLiteral("confronta"))->trigger();
    QVERIFY(program.dialogs.messages.isEmpty());
    PreviewWindow preview(ReportDocument(), dir.filePath(markup), program.dialogs);
    preview.show();
    // The message boxes the program shows quote names too.
    const auto box = QtDialogs::messageBox(markup, {}, QMessageBox::Critical, QMessageBox::Ok);

    QStringList shown;
    for (QWidget* widget : QApplication::allWidgets()) {
        auto* label = qobject_cast<QLabel*>(widget);
        if (!label || !label->text().contains(u'<')) continue;
        shown << label->objectName();
        QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
    }
    shown.sort();
    QCOMPARE(shown.join(u' '),
             QStringLiteral("Label14 Labelstudio dopo labelindirizzo percorso prima qt_msgbox_label "
                            "titolo titolo"));
}
