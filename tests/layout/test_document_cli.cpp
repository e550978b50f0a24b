// "tipolab-cli relazione" and "tipolab-cli foglio" as a counsellor runs them.
#include "report_fixtures.h"
#include "test_paths.h"
#include "test_layout.h"
#include "test_support.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kSample = QStringLiteral(TIPOLAB_TEST_DATA_DIR "/Tipolab-dati-esempio");

} // namespace

void TestDocumentCli::commands_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("archive");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");
    QTest::newRow("report") << QStringList{"relazione"} << "Tipolab-dati-esempio" << 0 << "";
    QTest::newRow("results sheet")
        << QStringList{"foglio", "risultati"} << "Tipolab-dati-esempio" << 0 << "";
    QTest::newRow("profile sheet")
        << QStringList{"foglio", "profilo"} << "Tipolab-dati-esempio" << 0 << "";
    QTest::newRow("profile sheet of an incomplete assessment")
        << QStringList{"foglio", "profilo"} << "Tipolab-dati-parziale" << 1
        << "dati incompleti, documento non scritto";
    QTest::newRow("report of an incomplete assessment")
        << QStringList{"relazione"} << "Tipolab-dati-parziale" << 1
        << "  manca il giudizio generale di INVESTIGATIVO\n";
    QTest::newRow("results sheet of an incomplete assessment")
        << QStringList{"foglio", "risultati"} << "Tipolab-dati-parziale" << 1
        << "dati incompleti, documento non scritto";
    QTest::newRow("data sheet of an incomplete assessment")
        << QStringList{"foglio", "dati"} << "Tipolab-dati-parziale" << 0 << "";
    QTest::newRow("types sheet") << QStringList{"foglio", "tipi"} << "Tipolab-dati-parziale" << 0
                                 << "";
    QTest::newRow("comparison sheet")
        << QStringList{"foglio", "confronto",
                       QStringLiteral(TIPOLAB_TEST_DATA_DIR "/Tipolab-dati-parziale")}
        << "Tipolab-dati-esempio-dopo" << 1
        << "Tipolab-dati-parziale: dati incompleti, documento non scritto:\n";
    QTest::newRow("blank form without an archive")
        << QStringList{"foglio", "modello"} << "" << 0 << "";
    QTest::newRow("unknown sheet") << QStringList{"foglio", "altro"} << "Tipolab-dati-esempio" << 2
                                   << "Foglio sconosciuto: altro";
    QTest::newRow("missing archive") << QStringList{"relazione"} << "non-esiste" << 1 << "";
}

void TestDocumentCli::commands()
{
    QFETCH(QStringList, args);
    QFETCH(QString, archive);
    QFETCH(int, status);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString out = dir.filePath("documento.doc");
    if (!archive.isEmpty()) args << QStringLiteral(TIPOLAB_TEST_DATA_DIR "/") + archive;
    args << QStringLiteral("-o") << out;

    QProcess p;
    p.start(QStringLiteral(TIPOLAB_BIN_DIR "/tipolab-cli"), args);
    QVERIFY(p.waitForFinished(60000));
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QCOMPARE(p.exitCode(), status);
    QVERIFY2(err.contains(error), qPrintable(err));
    QCOMPARE(QFileInfo::exists(out), status == 0);
    if (status == 0) {
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()).trimmed(), out);
        // A person's data: for the user's eyes alone.
        QCOMPARE(QFile::permissions(out) & 0x0777, QFile::ReadUser | QFile::WriteUser);
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(6) == "{\\rtf1");
    }
}

namespace {

const QStringList kTypeNames = {"REALISTA", "INVESTIGATIVO",  "ARTISTICO",
                                "SOCIALE",  "INTRAPRENDENTE", "CONVENZIONALE"};

QString testData(const QString& name)
{
    return QStringLiteral(TIPOLAB_TEST_DATA_DIR "/") + name;
}

} // namespace

// Every document as PDF: A4 pages with their fonts embedded and text that can
// be found again; the report on as many pages as it states.
void TestDocumentCli::pdfDocuments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("texts");
    const QString sample = testData("Tipolab-dati-esempio");
    const QStringList person = {"Mario Rossi"};
    QTest::newRow("report") << QStringList{"relazione", sample} << person + kTypeNames;
    QTest::newRow("results sheet") << QStringList{"foglio", "risultati", sample} << person;
    QTest::newRow("data sheet") << QStringList{"foglio", "dati", sample} << person;
    QTest::newRow("types sheet") << QStringList{"foglio", "tipi", sample} << person;
    QTest::newRow("blank form") << QStringList{"foglio", "modello"} << QStringList{"n.giudizio"};
    // A column as wide as its longest word keeps that word whole ("ff" is one glyph).
    QTest::newRow("profile sheet")
        << QStringList{"foglio", "profilo", sample} << person + QStringList{"erenziazione"};
    QTest::newRow("comparison sheet")
        << QStringList{"foglio", "confronto", sample, testData("Tipolab-dati-esempio-dopo")}
        << QStringList{"Confronto tra due valutazioni", "Mario Rossi"};
}

void TestDocumentCli::pdfDocuments()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, texts);
    QTemporaryDir dir;
    const QString out = dir.filePath("documento.PDF");
    QProcess p;
    p.start(QStringLiteral(TIPOLAB_BIN_DIR "/tipolab-cli"), args << "-o" << out);
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(QFile::permissions(out) & 0x0777, QFile::ReadUser | QFile::WriteUser);

    const int pages = fixtures::pdfPages(out);
    QVERIFY(pages > 0);
    QCOMPARE(fixtures::pdfFontsNotEmbedded(out), QStringList());
    const QString text = fixtures::pdfText(out);
    QCOMPARE(text.count(QChar(12)), pages);
    for (const QString& t : texts)
        QVERIFY2(text.contains(t), qPrintable(t));
    const QRegularExpressionMatch stated =
        QRegularExpression(QStringLiteral("composta di n\\. (\\d+) pagine")).match(text);
    QCOMPARE(stated.hasMatch(), args.first() == u"relazione");
    if (stated.hasMatch()) QCOMPARE(stated.captured(1).toInt(), pages);
}

// A PDF that cannot be written is told on standard error, naming the file,
// with exit status 1; a file already there keeps its content.
void TestDocumentCli::pdfThatCannotBeWritten_data()
{
    QTest::addColumn<QString>("why");
    QTest::newRow("no permission") << "permission";
    QTest::newRow("file-size limit reached mid-write") << "limit";
    QTest::newRow("file-size limit, its signal not ignored") << "signal";
}

void TestDocumentCli::pdfThatCannotBeWritten()
{
    QFETCH(QString, why);
    QTemporaryDir dir;
    const QString folder = dir.filePath("cartella");
    QVERIFY(QDir().mkpath(folder));
    const QString out = QDir(folder).filePath("relazione.pdf");
    const QByteArray before = "il PDF di prima";
    tipolab::test::writeFile(out, before);

    QProcess p;
    if (why == u"permission") {
        // Read-only for its owner; a test run as root runs the tool as nobody,
        // since nothing stops root from writing.
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadOther | QFile::ExeOther);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                          QFile::ExeOther);
        p.setChildProcessModifier([] {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(127);
        });
    } else {
        // The PDF of the report is far larger than this. The signal the limit
        // sends ends a program, unless it keeps running past it itself.
        const bool ignored = why == u"limit";
        p.setChildProcessModifier([ignored] {
            std::signal(SIGXFSZ, ignored ? SIG_IGN : SIG_DFL);
            const rlimit limit{4096, 4096};
            setrlimit(RLIMIT_FSIZE, &limit);
        });
    }
    p.start(QStringLiteral(TIPOLAB_BIN_DIR "/tipolab-cli"),
            {"relazione", testData("Tipolab-dati-esempio"), "-o", out});
    QVERIFY(p.waitForFinished(60000));
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 1);
    QVERIFY2(err.contains(out), qPrintable(err));
    if (why != u"permission")
        QVERIFY2(err.contains("il file supera la dimensione massima consentita"), qPrintable(err));
    QCOMPARE(tipolab::test::readFile(out), before);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"relazione.pdf"});
}

// The disk fills up while the document is written: the old document stays as
// it was, and the tool says why and ends with status 1.
void TestDocumentCli::failedWriteKeepsTheOldDocument()
{
    QTemporaryDir dir;
    const QString out = dir.filePath("tipi.doc");
    tipolab::test::writeFile(out, "the old document");
    QProcess p;
    p.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{1024, 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    p.start(QStringLiteral(TIPOLAB_BIN_DIR "/tipolab-cli"), {"foglio", "tipi", kSample, "-o", out});
    QVERIFY(p.waitForFinished(60000));
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QCOMPARE(p.exitCode(), 1);
    QVERIFY2(err.contains("il file supera la dimensione massima consentita"), qPrintable(err));
    QCOMPARE(tipolab::test::readFile(out), QByteArray("the old document"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 1);
}

// A sheet written without -o, under a free name in the current folder, is
// written whole or not at all.
void TestDocumentCli::sheetWithoutOutputIsWholeOrNothing()
{
    QTemporaryDir dir;
    QProcess p;
    p.setWorkingDirectory(dir.path());
    p.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit limit{1024, 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    p.start(QStringLiteral(TIPOLAB_BIN_DIR "/tipolab-cli"), {"foglio", "tipi", kSample});
    QVERIFY(p.waitForFinished(60000));
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 1);
    QVERIFY2(err.contains("il file supera la dimensione massima consentita"), qPrintable(err));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList());
}

// An output that is a symbolic link another user planted in a folder open to
// all (such as /tmp) is not followed; one of the user's own is.
void TestDocumentCli::plantedLinkIsNotFollowed()
{
    if (geteuid() != 0) QSKIP("only root can give a link to another user");
    QTemporaryDir dir;
    const QString shared = dir.filePath("condivisa");
    const QString elsewhere = dir.filePath("altrove.doc");
    QVERIFY(QDir().mkpath(shared));
    QCOMPARE(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
    tipolab::test::writeFile(elsewhere, "un altro documento");
    const QString planted = QDir(shared).filePath("relazione.doc");
    const QString own = QDir(shared).filePath("mia.doc");
    QVERIFY(QFile::link(elsewhere, planted));
    QVERIFY(QFile::link(elsewhere, own));
    QCOMPARE(::lchown(QFile::encodeName(planted).constData(), 65534, 65534), 0);

    QProcess p;
    p.start(QStringLiteral(TIPOLAB_BIN_DIR "/tipolab-cli"), {"relazione", kSample, "-o", planted});
    QVERIFY(p.waitForFinished(60000));
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QCOMPARE(p.exitCode(), 1);
    QVERIFY2(err.contains(planted) && err.contains("collegamento simbolico di un altro utente"),
             qPrintable(err));
    QCOMPARE(tipolab::test::readFile(elsewhere), QByteArray("un altro documento"));
    QVERIFY(QFileInfo(planted).isSymLink());

    p.start(QStringLiteral(TIPOLAB_BIN_DIR "/tipolab-cli"), {"relazione", kSample, "-o", own});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(tipolab::test::readFile(elsewhere).startsWith("{\\rtf1"));
}

// An output that is one of the inputs, by whatever name, or no file at all,
// is refused and left as it was.
void TestDocumentCli::outputMustNotBeAnInput_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<QString>("output"); // in the folder of the archive "A"
    QTest::addColumn<QString>("error");
    const QString same = "prenderebbe il posto del file di dati";
    QTest::newRow("the same name") << QStringList{"relazione"} << "./A" << same;
    QTest::newRow("through a parent folder") << QStringList{"foglio", "dati"} << "sub/../A" << same;
    QTest::newRow("a symbolic link") << QStringList{"relazione"} << "link" << same;
    QTest::newRow("a hard link") << QStringList{"foglio", "tipi"} << "hard" << same;
    QTest::newRow("a pipe") << QStringList{"relazione"} << "pipe"
                            << "\"pipe\": non \u00e8 un file ordinario.";
}

void TestDocumentCli::outputMustNotBeAnInput()
{
    QFETCH(QStringList, command);
    QFETCH(QString, output);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString archive = dir.filePath("A");
    QVERIFY(QFile::copy(kSample, archive));
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    QVERIFY(QFile::link(archive, dir.filePath("link")));
    QCOMPARE(::link(QFile::encodeName(archive).constData(),
                    QFile::encodeName(dir.filePath("hard")).constData()),
             0);
    QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600), 0);

    QProcess p;
    p.setWorkingDirectory(dir.path());
    p.start(QStringLiteral(TIPOLAB_BIN_DIR "/tipolab-cli"), command << "A"
                                                                    << "-o" << output);
    QVERIFY(p.waitForFinished(60000));
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QCOMPARE(p.exitCode(), 1);
    QVERIFY2(err.contains(error), qPrintable(err));
    QCOMPARE(tipolab::test::readFile(archive), tipolab::test::readFile(kSample));
    struct stat pipe;
    QCOMPARE(lstat(QFile::encodeName(dir.filePath("pipe")).constData(), &pipe), 0);
    QVERIFY(S_ISFIFO(pipe.st_mode));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 4);
}
