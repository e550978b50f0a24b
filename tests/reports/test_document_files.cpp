// Where documents go: file names made from what the user typed, the fallback
// folder, failures that leave everything as it was, and the print commands
// that hand documents to the word processor.
#include "report_fixtures.h"
#include "reports/document_files.h"
#include "reports/document_layout.h"
#include "reports/full_report.h"
#include "reports/preview_window.h"
#include "reports/print_commands.h"
#include "test_reports.h"
#include "windows/scripted_dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace tipolab;

namespace {

// Every file under `dir`, relative to it.
QStringList filesUnder(const QString& dir)
{
    QStringList out;
    const QDir root(dir);
    const QFileInfoList entries =
        root.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo& e : entries) {
        if (e.isDir()) {
            for (const QString& f : filesUnder(e.filePath()))
                out << e.fileName() + QLatin1Char('/') + f;
        } else {
            out << e.fileName();
        }
    }
    return out;
}

ReportWriter smallDocument()
{
    ReportWriter w;
    w.typeText(QStringLiteral("prova"));
    return w;
}

} // namespace

void TestDocumentFiles::reportFileNames_data()
{
    QTest::addColumn<QString>("persona");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("ordinary name") << "Rossi Mario"
                                   << "Tipolab-RelazioneTipolab-Rossi Mario.doc";
    QTest::newRow("accents kept") << "Niccol\u00f2 Citt\u00e0"
                                  << "Tipolab-RelazioneTipolab-Niccol\u00f2 Citt\u00e0.doc";
    QTest::newRow("empty") << ""
                           << "Tipolab-RelazioneTipolab-.doc";
    QTest::newRow("climbing up") << "../x"
                                 << "Tipolab-RelazioneTipolab-.._x.doc";
    QTest::newRow("separator") << "a/b"
                               << "Tipolab-RelazioneTipolab-a_b.doc";
    QTest::newRow("drive and backslash") << "C:\\x"
                                         << "Tipolab-RelazioneTipolab-C__x.doc";
    QTest::newRow("double quote") << "\""
                                  << "Tipolab-RelazioneTipolab-_.doc";
    QTest::newRow("wildcards and pipes") << "*?<>|"
                                         << "Tipolab-RelazioneTipolab-_____.doc";
    QTest::newRow("control characters") << "a\tb\nc"
                                        << "Tipolab-RelazioneTipolab-a_b_c.doc";
    QTest::newRow("300 characters")
        << QString(300, QLatin1Char('x'))
        << "Tipolab-RelazioneTipolab-" + QString(240 - 29, QLatin1Char('x')) + ".doc";
    QTest::newRow("300 accented characters")
        << QString(300, QChar(0xE8))
        << "Tipolab-RelazioneTipolab-" + QString((240 - 29) / 2, QChar(0xE8)) + ".doc";
}

void TestDocumentFiles::reportFileNames()
{
    QFETCH(QString, persona);
    QFETCH(QString, fileName);
    QTemporaryDir root;
    const QString program = root.filePath(QStringLiteral("Tipolab"));
    QVERIFY(QDir().mkpath(program));

    // Beside the program's folder, named after it, and nowhere else.
    const QString path = reportFilePath(program, persona);
    QCOMPARE(QFileInfo(path).fileName(), fileName);
    QCOMPARE(QFileInfo(path).absolutePath(), QDir(root.path()).absolutePath());
    const SavedFile saved = saveDocument(smallDocument(), path, root.filePath("Documenti"));
    QVERIFY2(saved.ok(), qPrintable(saved.error));
    QVERIFY(!saved.elsewhere);
    QCOMPARE(filesUnder(root.path()), QStringList{fileName});
    QVERIFY(fileName.toUtf8().size() <= 255);
}

void TestDocumentFiles::guideFileName()
{
    QCOMPARE(QDir::fromNativeSeparators(
                 guideFilePath(QStringLiteral("/opt/Test/Tipolab"), QStringLiteral("Tipolab"))),
             QStringLiteral("/opt/Test/TipolabTipolab-guida.doc"));
}

// The report goes to the documents folder when the folder beside the program
// cannot be written, and always for an installed program (its stand-in folder
// lies there); the user is told where the first time only.
void TestDocumentFiles::reportGoesToDocumentsWhenNotBesideTheProgram_data()
{
    QTest::addColumn<bool>("installed");
    QTest::newRow("folder beside the program cannot be written") << false;
    QTest::newRow("installed program") << true;
}

void TestDocumentFiles::reportGoesToDocumentsWhenNotBesideTheProgram()
{
    QFETCH(bool, installed);
    QTemporaryDir root;
    // The program's folder sits under a file, so nothing can be written beside it.
    QFile blocker(root.filePath("programmi"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    fixtures::RecordingOpener opener;
    const DocumentPlaces places{installed ? root.filePath("Documenti/Tipolab")
                                          : root.filePath("programmi/Tipolab"),
                                root.filePath("Documenti"), root.filePath("fogli"), installed};
    PrintCommands commands(opener, places);
    const PrintOutcome out = commands.fullReport(fixtures::sample());

    const QString expected = root.filePath("Documenti/Tipolab-RelazioneTipolab-Mario Rossi.doc");
    QVERIFY(out.opened);
    QVERIFY(!out.failed);
    QCOMPARE(out.path, expected);
    QVERIFY(QFileInfo::exists(expected));
    QVERIFY(out.message.contains(QDir::toNativeSeparators(expected)));
    QCOMPARE(opener.paths, QStringList{expected});
    QCOMPARE(opener.documents.value(0).tableCount(), 17);

    const PrintOutcome again = commands.fullReport(fixtures::sample());
    QVERIFY(again.opened);
    QCOMPARE(again.path, expected);
    QCOMPARE(again.message, QString());
}

void TestDocumentFiles::failureLeavesEverythingAsItWas()
{
    QTemporaryDir root;
    const QString program = root.filePath("Tipolab");
    QVERIFY(QDir().mkpath(program));
    // Something that cannot be replaced holds the report's name.
    const QString taken = root.filePath("Tipolab-RelazioneTipolab-Mario Rossi.doc");
    QVERIFY(QDir().mkpath(taken));
    fixtures::RecordingOpener opener;
    PrintCommands commands(opener, {program, root.filePath("Documenti"), root.filePath("fogli")});
    const ReportSnapshot snapshot = fixtures::sample();
    const PrintOutcome out = commands.fullReport(snapshot);

    QVERIFY(out.failed);
    QVERIFY(!out.opened);
    QVERIFY(
        out.message.startsWith(QStringLiteral("Non \u00e8 stato possibile scrivere il documento")));
    QVERIFY(out.message.contains(QStringLiteral("I dati immessi non sono stati modificati.")));
    QVERIFY(opener.paths.isEmpty());
    QVERIFY(QFileInfo(taken).isDir());
    QVERIFY(!QFileInfo::exists(root.filePath("Documenti")));
}

void TestDocumentFiles::sheetsGoToTheirFolderUnderTellingNames()
{
    QTemporaryDir root;
    fixtures::RecordingOpener opener;
    PrintCommands commands(
        opener, {root.filePath("Tipolab"), root.filePath("Documenti"), root.filePath("fogli")});
    const ReportSnapshot s = fixtures::sample();
    const SheetHeading heading = sheetHeading(s.title.persona);
    QVERIFY(commands.resultsSheet(heading, s.results).opened);
    QVERIFY(commands.resultsSheet(heading, s.results).opened); // printed twice
    QVERIFY(commands.dataSheet(heading, s.data).opened);
    QVERIFY(commands.typesSheet(sheetHeading(QStringLiteral("a/b")), s.types).opened);
    QVERIFY(commands.acquisitionForm(heading, s.data.scale).opened);
    QVERIFY(commands.guidePage(heading, {QStringLiteral("Finestra TIPI"), QStringLiteral("testo")})
                .opened);

    QStringList names;
    for (const QString& p : opener.paths)
        names << QFileInfo(p).fileName();
    QCOMPARE(
        names,
        (QStringList{"Tipolab-foglio-risultati-Mario Rossi.doc",
                     "Tipolab-foglio-risultati-Mario Rossi (2).doc",
                     "Tipolab-foglio-dati-Mario Rossi.doc", "Tipolab-foglio-tipi-a_b.doc",
                     "Tipolab-modello-acquisizione-dati.doc", "Tipolab-guida-Finestra TIPI.doc"}));
    for (const QString& p : opener.paths)
        QCOMPARE(QFileInfo(p).absolutePath(), QDir(root.filePath("fogli")).absolutePath());
    QCOMPARE(opener.documents[1].tableCount(), 2);
    QCOMPARE(opener.documents[2].tableCount(), 13);
}

void TestDocumentFiles::previewExportsThePages()
{
    QTemporaryDir root;
    ReportWriter w;
    composeFullReport(w, fixtures::sample());
    ScriptedDialogs dialogs;
    const QString pdf = root.filePath("relazione.pdf");
    dialogs.fileAnswers << pdf;
    PreviewWindow preview(w.document(), root.filePath("relazione.doc"), dialogs);
    QVERIFY(preview.exportPdf());
    QCOMPARE(dialogs.files.value(0).initialName, QStringLiteral("relazione.pdf"));

    QCOMPARE(fixtures::pdfPages(pdf), layoutPageCount(w.document()));

    QVERIFY(!preview.exportPdf()); // cancelled: nothing asked of the user beyond the dialog
    QCOMPARE(dialogs.messages.size(), 0);
}
