// Where documents go: file names made from what the user typed, the fallback
// folder, failures that leave everything as it was, and the print commands
// that hand documents to the word processor.
#include "report_fixtures.h"
#include "output/document_files.h"
#include "layout/document_layout.h"
#include "contents/full_report.h"
#include "shell/preview_window.h"
#include "printing/print_commands.h"
#include "files/private_folder.h"
#include "test_layout.h"
#include "test_support.h"
#include "windows/scripted_dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

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
                                 << "Tipolab-RelazioneTipolab-..%2Fx.doc";
    QTest::newRow("separator") << "a/b"
                               << "Tipolab-RelazioneTipolab-a%2Fb.doc";
    QTest::newRow("drive and backslash") << "C:\\x"
                                         << "Tipolab-RelazioneTipolab-C%3A%5Cx.doc";
    QTest::newRow("double quote") << "\""
                                  << "Tipolab-RelazioneTipolab-%22.doc";
    QTest::newRow("wildcards and pipes") << "*?<>|"
                                         << "Tipolab-RelazioneTipolab-%2A%3F%3C%3E%7C.doc";
    QTest::newRow("control characters") << "a\tb\nc"
                                        << "Tipolab-RelazioneTipolab-a%09b%0Ac.doc";
    QTest::newRow("per cent sign") << "100%"
                                   << "Tipolab-RelazioneTipolab-100%25.doc";
    // Cut to 240 bytes, the cut followed by the check number of the whole name.
    QTest::newRow("300 characters")
        << QString(300, QLatin1Char('x'))
        << "Tipolab-RelazioneTipolab-" + QString(202, QLatin1Char('x')) + "~f4238725.doc";
    QTest::newRow("300 accented characters")
        << QString(300, QChar(0xE8))
        << "Tipolab-RelazioneTipolab-" + QString(101, QChar(0xE8)) + "~9dbb6805.doc";
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
    DocumentTarget target;
    target.path = path;
    const SavedFile saved = saveDocument(smallDocument(), target, root.filePath("Documenti"));
    QVERIFY2(saved.ok(), qPrintable(saved.error));
    QVERIFY(!saved.elsewhere);
    QCOMPARE(filesUnder(root.path()), QStringList{fileName});
    QVERIFY(fileName.toUtf8().size() <= 255);
}

// Two people whose names differ only in characters a file name cannot hold,
// or only beyond the length a file name can take, never share a report.
void TestDocumentFiles::differentNamesNeverShareAFile()
{
    const QString longName(300, QLatin1Char('x'));
    const QStringList names{"Rossi/Anna",   "Rossi:Anna",   "Rossi\\Anna",  "Rossi_Anna",
                            "Rossi%2FAnna", "Rossi%3AAnna", "Rossi Anna",   "Rossi\tAnna",
                            longName + "a", longName + "b", longName + "/", longName + ":"};
    QSet<QString> files;
    for (const QString& name : names) {
        const QString file =
            QFileInfo(reportFilePath(QStringLiteral("/opt/Tipolab"), name)).fileName();
        QVERIFY2(file.toUtf8().size() <= 255, qPrintable(file));
        files.insert(file);
    }
    QCOMPARE(files.size(), names.size());
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
    // Moved to the documents folder, the report never replaces a file of the
    // user's own there: it takes the next number.
    const QString users = root.filePath("Documenti/Tipolab-RelazioneTipolab-Mario Rossi.doc");
    if (!installed) {
        QVERIFY(QDir().mkpath(root.filePath("Documenti")));
        test::writeFile(users, "the user's own");
    }
    PrintCommands commands(opener, places);
    const PrintOutcome out = commands.fullReport(fixtures::sample());

    if (!installed) QCOMPARE(test::readFile(users), QByteArray("the user's own"));
    const QString expected =
        installed ? users : root.filePath("Documenti/Tipolab-RelazioneTipolab-Mario Rossi (2).doc");
    QVERIFY(out.opened);
    QVERIFY(!out.failed);
    QCOMPARE(out.path, expected);
    QVERIFY(QFileInfo::exists(expected));
    QVERIFY(out.message.contains(QDir::toNativeSeparators(expected)));
    QCOMPARE(opener.paths, QStringList{expected});
    QCOMPARE(opener.documents.value(0).tableCount(), 17);

    // Printed again, it replaces what it wrote itself.
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
                     "Tipolab-foglio-dati-Mario Rossi.doc", "Tipolab-foglio-tipi-a%2Fb.doc",
                     "Tipolab-modello-acquisizione-dati.doc", "Tipolab-guida-Finestra TIPI.doc"}));
    // In a folder only the user can enter, readable by the user alone.
    const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
    QCOMPARE(QFile::permissions(root.filePath("fogli")),
             ownerOnly | QFile::ExeOwner | QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    for (const QString& p : opener.paths) {
        QCOMPARE(QFileInfo(p).absolutePath(), QDir(root.filePath("fogli")).absolutePath());
        QCOMPARE(QFile::permissions(p), ownerOnly | QFile::ReadUser | QFile::WriteUser);
    }
    QCOMPARE(opener.documents[1].tableCount(), 2);
    QCOMPARE(opener.documents[2].tableCount(), 13);
}

// The sheets' folder: made for the user alone, or taken only when it is the
// user's own real folder; anything else is left alone and the sheet goes to
// the documents folder instead, with a word why.
void TestDocumentFiles::sheetsFolderIsPrivate_data()
{
    QTest::addColumn<QString>("found");   // what stands where the folder goes
    QTest::addColumn<QString>("problem"); // empty: the folder is used
    const QString notAFolder =
        QStringLiteral("al suo posto c'\u00e8 un collegamento o un file, non una cartella");
    QTest::newRow("nothing") << ""
                             << "";
    QTest::newRow("the user's, open to all") << "open"
                                             << "";
    QTest::newRow("a symbolic link to a folder") << "link" << notAFolder;
    QTest::newRow("a file") << "file" << notAFolder;
    QTest::newRow("someone else's") << "other"
                                    << "appartiene a un altro utente";
}

void TestDocumentFiles::sheetsFolderIsPrivate()
{
    QFETCH(QString, found);
    QFETCH(QString, problem);
    QTemporaryDir root;
    const QString folder = root.filePath("fogli");
    const QString elsewhere = root.filePath("altrove");
    QVERIFY(QDir().mkpath(elsewhere));
    const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser |
                      QFile::WriteUser | QFile::ExeUser | QFile::ReadOther | QFile::ExeOther;
    const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                           QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
    if (found == "open" || found == "other") {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::setPermissions(folder, open));
    } else if (found == "link") {
        QVERIFY(QFile::setPermissions(elsewhere, open));
        QVERIFY(QFile::link(elsewhere, folder));
    } else if (found == "file") {
        test::writeFile(folder, "");
    }
    // Someone else's folder: as if another user had made it first.
    const uid_t owner = found == "other" ? ::getuid() + 1 : ::getuid();

    QCOMPARE(QString::fromStdString(
                 preparePrivateFolder(QFile::encodeName(folder).toStdString(), owner)),
             problem);
    if (problem.isEmpty()) QCOMPARE(QFile::permissions(folder), ownerOnly);
    if (found == "link") QCOMPARE(QFile::permissions(elsewhere), open); // not followed
    if (found == "other") return; // the print commands take the user for the owner

    fixtures::RecordingOpener opener;
    PrintCommands commands(opener, {root.filePath("Tipolab"), root.filePath("Documenti"), folder});
    const ReportSnapshot s = fixtures::sample();
    const PrintOutcome out = commands.resultsSheet(sheetHeading(s.title.persona), s.results);
    QVERIFY(out.opened);
    const QString where = problem.isEmpty() ? folder : root.filePath("Documenti");
    QCOMPARE(QFileInfo(out.path).absolutePath(), QDir(where).absolutePath());
    QVERIFY2(out.message.contains(problem), qPrintable(out.message));
    QCOMPARE(out.message.isEmpty(), problem.isEmpty());
    QVERIFY(QDir(elsewhere).isEmpty());
}

void TestDocumentFiles::previewExportsThePages()
{
    QTemporaryDir root;
    ReportWriter w;
    composeFullReport(w, fixtures::sample(), a4PageCounter());
    ScriptedDialogs dialogs;
    const QString pdf = root.filePath("relazione.pdf");
    dialogs.fileAnswers << pdf;
    PreviewWindow preview(w.document(), root.filePath("relazione.doc"), dialogs);
    QVERIFY(preview.exportPdf());
    QCOMPARE(dialogs.files.value(0).initialName,
             QDir(DocumentPlaces::standard().documentsDir).filePath("relazione.pdf"));

    QCOMPARE(fixtures::pdfPages(pdf), layoutPageCount(w.document()));

    QVERIFY(!preview.exportPdf()); // cancelled: nothing asked of the user beyond the dialog
    QCOMPARE(dialogs.messages.size(), 0);
}
