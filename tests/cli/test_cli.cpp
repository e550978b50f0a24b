// The command-line tool as a counsellor runs it: real files, real process,
// the user's locale from the environment.
#include "test_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run cli(const QStringList& args, const QString& locale = QStringLiteral("it_IT.UTF-8"),
        const QString& standardOutput = {}, const QString& folder = {})
{
    QProcess p;
    if (!standardOutput.isEmpty()) p.setStandardOutputFile(standardOutput);
    if (!folder.isEmpty()) p.setWorkingDirectory(folder);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), locale);
    env.insert(QStringLiteral("LANG"), locale);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TIPOLAB_BIN_DIR "/tipolab-cli"), args);
    if (!p.waitForFinished(30000)) qFatal("tipolab-cli did not finish");
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// The tool run with its standard output on a terminal (a pseudo-terminal of
// the test's); what the terminal received.
QByteArray cliOnTerminal(const QStringList& args)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) qFatal("no terminal");
    const QByteArray slave = ptsname(master);
    QProcess p;
    p.setChildProcessModifier([slave] {
        const int fd = ::open(slave.constData(), O_RDWR | O_NOCTTY);
        if (fd < 0 || ::dup2(fd, STDOUT_FILENO) < 0) ::_exit(127);
    });
    p.start(QStringLiteral(TIPOLAB_BIN_DIR "/tipolab-cli"), args);
    if (!p.waitForFinished(30000)) qFatal("tipolab-cli did not finish");
    QByteArray shown;
    ::fcntl(master, F_SETFL, O_NONBLOCK);
    char buffer[4096];
    for (ssize_t n; (n = ::read(master, buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR);)
        if (n > 0) shown.append(buffer, n);
    ::close(master);
    return shown;
}

QString data(const char* name)
{
    return QStringLiteral(TIPOLAB_TEST_DATA_DIR "/") + QLatin1String(name);
}

// An archive of the sample assessment for the person `persona` (code page
// 1252), written into `dir` as `name`.
QString sampleFor(const QTemporaryDir& dir, const QString& name, const QByteArray& persona)
{
    QFile sample(data("Tipolab-dati-esempio"));
    if (!sample.open(QIODevice::ReadOnly)) qFatal("fixture unreadable");
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(file.fileName()));
    file.write(sample.readAll().replace("Mario Rossi", persona));
    return file.fileName();
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void textInTheUsersLocale_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("lines"); // from the second, blanks run together
        QTest::newRow("results, Italian")
            << "risultati"
            << "it_IT.UTF-8"
            << QStringList{"Persona: Mario Rossi", "Tipo sint.ass. anal.ass. sint.rel. anal.rel.",
                           "REALISTA 90,00 72,00 29,03 24,87", "SOCIALE 80,00 72,00 25,81 24,87"};
        QTest::newRow("results, English")
            << "risultati"
            << "en_US.UTF-8"
            << QStringList{"Persona: Mario Rossi", "Tipo sint.ass. anal.ass. sint.rel. anal.rel.",
                           "REALISTA 90.00 72.00 29.03 24.87"};
        QTest::newRow("profile, Italian")
            << "profilo"
            << "it_IT.UTF-8"
            << QStringList{
                   "Persona: Mario Rossi",
                   "sintetico analitico",
                   "Codice RSI (R/S)E",
                   "Differenziazione 29,03 21,42",
                   "Primi due tipi R e S, distacco 3,22 R e S, distacco 0,00 (non distinti)",
                   "Coerenza bassa bassa",
                   "Tipo sint.rel. anal.rel. differenza",
                   "REALISTA 29,03 24,87 -4,16",
                   "INVESTIGATIVO 19,35 15,72 -3,63",
                   "ARTISTICO 9,68 10,36 +0,68",
                   "SOCIALE 25,81 24,87 -0,94",
                   "INTRAPRENDENTE 16,13 20,73 +4,60",
                   "CONVENZIONALE 0,00 3,45 +3,45",
                   "Tipi in comune tra i primi tre: 2 su 3. \u03c1 di Spearman: 0,928.",
                   "Tipo prevalente REALISTA, a pari merito con SOCIALE.",
                   "Rispetto al risultato analitico l'esaminato si sottovaluta soprattutto "
                   "nel tipo INTRAPRENDENTE (+4,60 punti) e si sopravvaluta soprattutto "
                   "nel tipo REALISTA (-4,16 punti)."};
        QTest::newRow("profile, English")
            << "profilo"
            << "en_US.UTF-8"
            << QStringList{"Persona: Mario Rossi", "sintetico analitico", "Codice RSI (R/S)E",
                           "Differenziazione 29.03 21.42"};
    }

    void textInTheUsersLocale()
    {
        QFETCH(QString, command);
        QFETCH(QString, locale);
        QFETCH(QStringList, lines);
        const Run r = cli({command, data("Tipolab-dati-esempio")}, locale);
        QCOMPARE(r.status, 0);
        QVERIFY(r.err.isEmpty());
        const QStringList shown = r.out.split(QLatin1Char('\n'));
        QCOMPARE(shown.value(0), data("Tipolab-dati-esempio"));
        for (int i = 0; i < lines.size(); ++i)
            QCOMPARE(shown.value(i + 1).simplified(), lines[i]);
        if (command == u"risultati")
            QCOMPARE(shown.value(9), QStringLiteral("Tipo prevalente: REALISTA"));
    }

    void csvForASpreadsheet()
    {
        const Run r = cli(
            {QStringLiteral("risultati"), QStringLiteral("--csv"), data("Tipolab-dati-esempio")});
        QCOMPARE(r.status, 0);
        const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY(
            lines[0].startsWith(QStringLiteral("file,persona,tipo prevalente,REALISTA sint.ass.")));
        QVERIFY(lines[0].endsWith(QStringLiteral(",codice_sintetico,codice_analitico")));
        QCOMPARE(lines[0].count(QLatin1Char(',')), 28);
        QVERIFY(lines[1].endsWith(QStringLiteral(
            ",Mario Rossi,REALISTA,90.00,72.00,29.03,24.87,60.00,45.50,19.35,15.72,30.00,30.00,"
            "9.68,10.36,80.00,72.00,25.81,24.87,50.00,60.00,16.13,20.73,0.00,10.00,0.00,3.45,"
            "RSI,(R/S)E")));
    }

    void profileCsvForASpreadsheet()
    {
        const Run r =
            cli({QStringLiteral("profilo"), QStringLiteral("--csv"), data("Tipolab-dati-esempio")});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out,
                 QStringLiteral("file,persona,codice_sintetico,codice_analitico,tipi_in_comune,"
                                "spearman,differenziazione_sintetica,differenziazione_analitica,"
                                "coerenza_sintetica,coerenza_analitica,differenza_R,differenza_I,"
                                "differenza_A,differenza_S,differenza_E,differenza_C,avvisi\n") +
                     data("Tipolab-dati-esempio") +
                     QStringLiteral(",Mario Rossi,RSI,(R/S)E,2,0.928,29.03,21.42,bassa,bassa,"
                                    "-4.16,-3.63,0.68,-0.94,4.60,3.45,in_blocco\n"));
    }

    void badFilesAreReportedAndTheRestProcessed_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("results") << "risultati";
        QTest::newRow("profile") << "profilo";
    }

    void badFilesAreReportedAndTheRestProcessed()
    {
        QFETCH(QString, command);
        QTemporaryDir dir;
        const QString damaged = dir.filePath(QStringLiteral("Tipolab-dati-rotto"));
        QFile f(damaged);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\"\",\"x\",\"\",\"\",\"\",\"\",\"\"\r\n7,\"molto\",\"3\",.8\r\n");
        f.close();
        const QString pipe = dir.filePath(QStringLiteral("pipe"));
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const Run r = cli({command, QStringLiteral("--csv"), damaged, data("Tipolab-dati-parziale"),
                           data("Tipolab-dati-esempio"), dir.filePath(QStringLiteral("manca")),
                           pipe, QStringLiteral("/dev/zero")});
        QCOMPARE(r.status, 1);
        // Neither waited on nor read: refused, naming what they are.
        QVERIFY(r.err.contains(QStringLiteral("\"%1\" \u00e8 una pipe con nome (FIFO)").arg(pipe)));
        QVERIFY(r.err.contains(QStringLiteral("\"/dev/zero\" \u00e8 un dispositivo")));
        QCOMPARE(r.out.count(QLatin1Char('\n')), 2); // header and the one complete file
        QVERIFY(r.err.contains(damaged) && r.err.contains(QStringLiteral("riga 2, valore 1")));
        // What the incomplete file lacks, a short line for each thing, type by type.
        const QStringList told = r.err.split(u'\n');
        const qsizetype at =
            told.indexOf(data("Tipolab-dati-parziale") +
                         QStringLiteral(": dati incompleti, risultati non calcolati:"));
        QVERIFY2(at >= 0, qPrintable(r.err));
        QStringList lacks{QStringLiteral("  REALISTA: 11 caratteristiche senza giudizio")};
        for (const char* type :
             {"INVESTIGATIVO", "ARTISTICO", "SOCIALE", "INTRAPRENDENTE", "CONVENZIONALE"}) {
            lacks << QStringLiteral("  manca il giudizio generale di %1").arg(QLatin1String(type))
                  << QStringLiteral("  %1: nessuna caratteristica giudicata")
                         .arg(QLatin1String(type));
        }
        QCOMPARE(told.mid(at + 1, lacks.size()), lacks);
        QVERIFY(!told.value(at + 1 + lacks.size()).startsWith(u' '));
        QVERIFY(r.err.contains(QStringLiteral("non esiste")));
    }

    // The earlier assessment of the sample (code page 1252) against the later
    // one (UTF-8), as CSV and as text.
    void comparison_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("lines"); // blanks run together
        QTest::newRow("csv")
            << QStringList{"--csv"}
            << QStringList{"tipo,sint_ass_prima,sint_ass_dopo,anal_ass_prima,"
                           "anal_ass_dopo,sint_rel_prima,sint_rel_dopo,anal_rel_prima,"
                           "anal_rel_dopo",
                           "REALISTA,90.00,70.00,72.00,64.80,29.03,21.21,24.87,21.96",
                           "INVESTIGATIVO,60.00,60.00,45.50,45.50,19.35,18.18,15.72,15.42",
                           "ARTISTICO,30.00,30.00,30.00,30.00,9.68,9.09,10.36,10.17",
                           "SOCIALE,80.00,100.00,72.00,84.80,25.81,30.30,24.87,28.74",
                           "INTRAPRENDENTE,50.00,50.00,60.00,60.00,16.13,15.15,20.73,20.33",
                           "CONVENZIONALE,0.00,20.00,10.00,10.00,0.00,6.06,3.45,3.39"};
        QTest::newRow("text") << QStringList{}
                              << QStringList{"Prima: Mario Rossi, luned\u00ec, 7 dic 2026 (" +
                                                 data("Tipolab-dati-esempio") + ")",
                                             "Dopo: Mario Rossi, marted\u00ec, 14 dic 2027 (" +
                                                 data("Tipolab-dati-esempio-dopo") + ")",
                                             "",
                                             "Tipo percentuale prima dopo variazione",
                                             "REALISTA sint.ass. 90,00 70,00 -20,00",
                                             "anal.ass. 72,00 64,80 -7,20"};
    }

    void comparison()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, lines);
        const Run r =
            cli(QStringList{"confronta"} + options +
                QStringList{data("Tipolab-dati-esempio"), data("Tipolab-dati-esempio-dopo")});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err, QString());
        const QStringList shown = r.out.split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i)
            QCOMPARE(shown.value(i).simplified(), lines[i]);
        if (options.isEmpty()) {
            QVERIFY(shown.contains(QStringLiteral(
                "Il tipo prevalente \u00e8 cambiato: prima era REALISTA, ora \u00e8 SOCIALE.")));
        }
    }

    // A file that cannot be compared is told, naming it, with status 1; two
    // different names are a warning, and the comparison goes on.
    void comparisonProblems_data()
    {
        QTest::addColumn<QString>("earlier"); // "damaged", "incomplete", "other person"
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("told");
        QTest::newRow("damaged") << "damaged" << 1 << "riga 2, valore 1";
        QTest::newRow("incomplete")
            << "incomplete" << 1
            << "dati incompleti, confronto non eseguito:\n  REALISTA: 11 caratteristiche senza "
               "giudizio\n";
        QTest::newRow("other person")
            << "other person" << 0 << "potrebbero riguardare due persone diverse";
    }

    void comparisonProblems()
    {
        QFETCH(QString, earlier);
        QFETCH(int, status);
        QFETCH(QString, told);
        QTemporaryDir dir;
        QString file = dir.filePath(QStringLiteral("Tipolab-dati-prima"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        if (earlier == u"damaged") {
            f.write("\"\",\"x\",\"\",\"\",\"\",\"\",\"\"\r\n7,\"molto\",\"3\",.8\r\n");
        } else if (earlier == u"other person") {
            QFile sample(data("Tipolab-dati-esempio"));
            QVERIFY(sample.open(QIODevice::ReadOnly));
            f.write(sample.readAll().replace("Mario Rossi", "Maria Bianchi"));
        } else {
            file = data("Tipolab-dati-parziale");
        }
        f.close();
        const Run r = cli({QStringLiteral("confronta"), QStringLiteral("--csv"), file,
                           data("Tipolab-dati-esempio-dopo")});
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(told), qPrintable(r.err));
        QCOMPARE(r.err.contains(file), status == 1);
        QCOMPARE(r.out.count(QLatin1Char('\n')), status == 0 ? 7 : 0);
    }

    void wrongUsage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("told"); // part of the first line; "" for any
        QTest::newRow("nothing") << QStringList{} << QString();
        QTest::newRow("unknown command") << QStringList{QStringLiteral("stampa")} << QString();
        QTest::newRow("no file") << QStringList{QStringLiteral("risultati")} << QString();
        QTest::newRow("profile without a file")
            << QStringList{QStringLiteral("profilo")} << QString();
        QTest::newRow("comparison of one file")
            << QStringList{QStringLiteral("confronta"), data("Tipolab-dati-esempio")} << QString();
        QTest::newRow("unknown option")
            << QStringList{QStringLiteral("risultati"), QStringLiteral("--xml"), data("x")}
            << QString();
        QTest::newRow("a level outside 1..4")
            << QStringList{QStringLiteral("professioni"), QStringLiteral("--livello"),
                           QStringLiteral("2,5"), data("Tipolab-dati-esempio")}
            << QString();
        QTest::newRow("a count that is not a number")
            << QStringList{QStringLiteral("professioni"), QStringLiteral("--quante"),
                           QStringLiteral("dieci"), data("Tipolab-dati-esempio")}
            << QString();
        QTest::newRow("an empty output name")
            << QStringList{QStringLiteral("relazione"), data("Tipolab-dati-esempio"),
                           QStringLiteral("-o"), QString()}
            << QString();
        QTest::newRow("a document in .docx")
            << QStringList{QStringLiteral("relazione"), data("Tipolab-dati-esempio"),
                           QStringLiteral("-o"), QStringLiteral("rel.docx")}
            << QStringLiteral("Il documento non si pu\u00f2 scrivere in .docx: indicare dopo -o "
                              "un nome che finisce in .doc (RTF, si apre con i programmi di "
                              "videoscrittura) o in .pdf.");
        QTest::newRow("a sheet in .odt")
            << QStringList{QStringLiteral("foglio"), QStringLiteral("modello"),
                           QStringLiteral("-o"), QStringLiteral("modello.odt")}
            << QStringLiteral("non si pu\u00f2 scrivere in .odt");
    }

    // What is wrong in one line, and where to read more: never the whole help.
    void wrongUsage()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, told);
        const Run r = cli(args);
        QCOMPARE(r.status, 2);
        QStringList lines = r.err.split(u'\n', Qt::SkipEmptyParts);
        lines.removeIf([](const QString& l) { return l.startsWith(u"QStandardPaths:"); }); // Qt's
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].contains(told), qPrintable(lines[0]));
        QCOMPARE(lines[1], QStringLiteral("Per l'uso: tipolab-cli --help"));
    }

    void versionNamesTheProgram()
    {
        const Run r = cli({QStringLiteral("--version")});
        QCOMPARE(r.status, 0);
        QVERIFY2(
            QRegularExpression(QStringLiteral("^tipolab-cli \\(Tipolab\\) \\d+\\.\\d+\\.\\d+\n$"))
                .match(r.out)
                .hasMatch(),
            qPrintable(r.out));
    }

    // After "--" a name that starts with a dash is a file, for every command.
    void fileNamesAfterDoubleDash()
    {
        QTemporaryDir dir;
        sampleFor(dir, QStringLiteral("-Rossi"), "Mario Rossi");
        const Run report =
            cli({QStringLiteral("relazione"), QStringLiteral("-o"), QStringLiteral("rel.doc"),
                 QStringLiteral("--"), QStringLiteral("-Rossi")},
                QStringLiteral("it_IT.UTF-8"), {}, dir.path());
        QCOMPARE(report.status, 0);
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("rel.doc"))));
        const Run results =
            cli({QStringLiteral("risultati"), QStringLiteral("--"), QStringLiteral("-Rossi")},
                QStringLiteral("it_IT.UTF-8"), {}, dir.path());
        QCOMPARE(results.status, 0);
    }

    // A name whose bytes are not UTF-8 could be neither found nor written
    // under its own name: it is refused, its bytes shown, and nothing done.
    void namesNotInUtf8AreRefused()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(data("Tipolab-dati-esempio"), dir.filePath(QStringLiteral("esempio"))));
        QVERIFY(::link(QFile::encodeName(dir.filePath(QStringLiteral("esempio"))).constData(),
                       (QFile::encodeName(dir.path()) + "/Tipolab-dati-\xe9").constData()) == 0);
        for (const char* command : {"risultati \"$(printf 'Tipolab-dati-\\351')\"",
                                    "relazione esempio -o \"$(printf 'rel\\351.doc')\""}) {
            QProcess p;
            p.setWorkingDirectory(dir.path());
            p.start(QStringLiteral("/bin/sh"),
                    {QStringLiteral("-c"),
                     QStringLiteral(TIPOLAB_BIN_DIR "/tipolab-cli ") + QLatin1String(command)});
            QVERIFY(p.waitForFinished(30000));
            const QString err = QString::fromUtf8(p.readAllStandardError());
            QCOMPARE(p.exitCode(), 1);
            QVERIFY2(err.contains(QStringLiteral("\\xe9")) &&
                         err.contains(QStringLiteral("non \u00e8 in UTF-8")),
                     qPrintable(err));
            QCOMPARE(p.readAllStandardOutput(), QByteArray());
        }
        // Neither that name nor the one it would have become.
        QVERIFY(::access((QFile::encodeName(dir.path()) + "/rel\xe9.doc").constData(), F_OK) != 0);
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("rel*")}, QDir::Files), QStringList());
    }

    void outputThatCannotBeWrittenFails_data()
    {
        QTest::addColumn<QStringList>("args");
        const QString sample = data("Tipolab-dati-esempio");
        QTest::newRow("csv") << QStringList{QStringLiteral("risultati"), QStringLiteral("--csv"),
                                            sample};
        QTest::newRow("table") << QStringList{QStringLiteral("risultati"), sample};
        QTest::newRow("help") << QStringList{QStringLiteral("--help")};
        QTest::newRow("the path of a document")
            << QStringList{QStringLiteral("foglio"), QStringLiteral("modello"),
                           QStringLiteral("-o"), QStringLiteral("%1/modello.doc")};
    }

    void outputThatCannotBeWrittenFails()
    {
        QFETCH(QStringList, args);
        QTemporaryDir dir;
        args.replaceInStrings(QStringLiteral("%1"), dir.path());
        const Run r = cli(args, QStringLiteral("it_IT.UTF-8"), QStringLiteral("/dev/full"));
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains(QStringLiteral(
                     "impossibile scrivere sull'uscita standard: il disco \u00e8 pieno.")),
                 qPrintable(r.err));
    }

    // Control characters from a file or the command line reach the terminal
    // escaped; the CSV keeps the data as it is.
    void controlCharactersAreShownEscaped()
    {
        QTemporaryDir dir;
        const QByteArray raw = "Mario\x1b]0;x\x07\x1b[2J";
        const QString escaped = QStringLiteral("Mario\\x1b]0;x\\x07\\x1b[2J");
        const QString file = sampleFor(dir, QStringLiteral("Tipolab-dati-\x1b[1m"), raw);
        const QString fileShown = dir.filePath(QStringLiteral("Tipolab-dati-\\x1b[1m"));

        const Run table = cli({QStringLiteral("risultati"), file});
        QCOMPARE(table.status, 0);
        QVERIFY2(table.out.startsWith(fileShown + QStringLiteral("\nPersona: ") + escaped + u'\n'),
                 qPrintable(table.out));
        const Run profile = cli({QStringLiteral("profilo"), file});
        QVERIFY2(
            profile.out.startsWith(fileShown + QStringLiteral("\nPersona: ") + escaped + u'\n'),
            qPrintable(profile.out));
        const Run csv = cli({QStringLiteral("risultati"), QStringLiteral("--csv"), file});
        QVERIFY(csv.out.contains(QString::fromLatin1(raw)));
        // Shown on a terminal, the CSV is escaped as the table is.
        for (const char* command : {"risultati", "profilo"}) {
            const QByteArray shown =
                cliOnTerminal({QString::fromLatin1(command), QStringLiteral("--csv"), file});
            QVERIFY2(shown.contains(escaped.toUtf8()) && !shown.contains('\x1b'),
                     shown.constData());
        }
        const Run missing = cli({QStringLiteral("risultati"), file + QStringLiteral("\r\x9b")});
        QVERIFY2(missing.err.contains(fileShown + QStringLiteral("\\x0d\\x9b")),
                 qPrintable(missing.err));
        const Run option = cli({QStringLiteral("risultati"), QStringLiteral("--\x1b[2J"), file});
        QVERIFY(option.err.contains(QStringLiteral("Opzione sconosciuta: --\\x1b[2J")));
        const Run compared = cli({QStringLiteral("confronta"), data("Tipolab-dati-esempio"), file});
        QCOMPARE(compared.status, 0);
        QVERIFY2(compared.out.contains(QStringLiteral("Dopo: ") + escaped),
                 qPrintable(compared.out));
        QVERIFY2(compared.err.contains(escaped), qPrintable(compared.err));
        for (const Run& r : {table, profile, missing, option, compared})
            QVERIFY(!r.out.contains(QChar(0x1b)) && !r.err.contains(QChar(0x1b)));
    }

    // Names a spreadsheet would take for formulas get an apostrophe in front,
    // in both text columns; every other name and every number stays as it is.
    void csvNamesAreNeverFormulas()
    {
        QTemporaryDir dir;
        const QList<QPair<QByteArray, QString>> names{
            {"=1+1", "'=1+1"}, {"+39 333", "'+39 333"},
            {"-2+3", "'-2+3"}, {"@SOMMA(A1)", "'@SOMMA(A1)"},
            {"\tx", "'\tx"},   {"\rx", "\"'\rx\""},
            {"Anna", "Anna"},  {"a=b", "a=b"}};
        QStringList args{QStringLiteral("risultati"), QStringLiteral("--csv")};
        for (int i = 0; i < names.size(); ++i)
            args << QFileInfo(sampleFor(dir, QString::number(i), names[i].first)).fileName();
        args << QFileInfo(sampleFor(dir, QStringLiteral("=HYPERLINK(x)"), "Anna")).fileName();
        const Run r = cli(args, QStringLiteral("it_IT.UTF-8"), {}, dir.path());
        QCOMPARE(r.status, 0);
        const QStringList lines = r.out.split(u'\n');
        QCOMPARE(lines.size(), names.size() + 3); // the header, the rows and the last line end
        const QString numbers = QStringLiteral(",REALISTA,90.00,72.00,29.03,24.87,");
        for (int i = 0; i < names.size(); ++i)
            QVERIFY2(lines[i + 1].startsWith(QString::number(i) + u',' + names[i].second + numbers),
                     qPrintable(lines[i + 1]));
        QVERIFY(
            lines[names.size() + 1].startsWith(QStringLiteral("'=HYPERLINK(x),Anna") + numbers));
    }

    // A folder of archives: every state listed, local norms from 30 complete
    // ones, and an export without names whose key only the user can read.
    void registerOfAFolder()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("3B"));
        QStringList names;
        for (int i = 1; i <= 29; ++i) {
            names << QStringLiteral("Alunno%1").arg(i);
            sampleFor(dir, QStringLiteral("3B/Tipolab-dati-%1").arg(names.last()),
                      names.last().toUtf8());
        }
        QFile::copy(data("Tipolab-dati-parziale"), dir.filePath("Tipolab-dati-parziale"));
        QFile damaged(dir.filePath(QStringLiteral("Tipolab-dati-rotto")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("rotto\r\n");
        damaged.close();
        sampleFor(dir, QStringLiteral("appunti.txt"), "Non un archivio");

        const Run below = cli({QStringLiteral("registro"), QStringLiteral("--csv"), dir.path()});
        QCOMPARE(below.status, 1); // the damaged one
        QStringList lines = below.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + 31);
        QVERIFY(lines.filter(QStringLiteral("appunti")).isEmpty());
        QVERIFY(lines.filter(QStringLiteral(",incompleta,")).size() == 1);
        QVERIFY(lines.filter(QStringLiteral(",danneggiata,")).size() == 1);
        QVERIFY(lines[1].endsWith(QStringLiteral(",in_blocco,,,,,,"))); // 29: no norms

        sampleFor(dir, QStringLiteral("Tipolab-dati-Alunno30"), "Alunno30");
        names << QStringLiteral("Alunno30");
        const QString key = dir.filePath(QStringLiteral("chiave.csv"));
        const Run r = cli({QStringLiteral("registro"), QStringLiteral("--csv"),
                           QStringLiteral("--senza-nomi"), key, dir.path()});
        QCOMPARE(r.status, 1);
        lines = r.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + 32);
        // Thirty equal profiles: every one in the middle of the group.
        QCOMPARE(lines.filter(QStringLiteral(",in_blocco,50,50,50,50,50,50")).size(), 30);
        QVERIFY(lines[1].startsWith(QStringLiteral("P0001,P0001,")));
        for (const QString& name : names + QStringList{QStringLiteral("prova"), dir.path(),
                                                       QStringLiteral("Tipolab-dati")})
            QVERIFY2(!r.out.contains(name), qPrintable(name));
        struct stat mode {};
        QCOMPARE(::stat(QFile::encodeName(key).constData(), &mode), 0);
        QCOMPARE(mode.st_mode & 0777, 0600u);
        QFile keyFile(key);
        QVERIFY(keyFile.open(QIODevice::ReadOnly));
        const QStringList keyLines =
            QString::fromUtf8(keyFile.readAll()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(keyLines.size(), 1 + 32);
        QCOMPARE(
            keyLines.filter(QStringLiteral(",Alunno30,") + dir.filePath("Tipolab-dati-Alunno30"))
                .size(),
            1);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
