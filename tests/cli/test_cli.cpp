// The command-line tool as a counsellor runs it: real files, real process,
// the user's locale from the environment.
#include "test_paths.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run cli(const QStringList& args, const QString& locale = QStringLiteral("it_IT.UTF-8"))
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), locale);
    env.insert(QStringLiteral("LANG"), locale);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TIPOLAB_BIN_DIR "/tipolab-cli"), args);
    if (!p.waitForFinished(30000)) qFatal("tipolab-cli did not finish");
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QString data(const char* name)
{
    return QStringLiteral(TIPOLAB_TEST_DATA_DIR "/") + QLatin1String(name);
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void tableInTheUsersLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("firstRow");
        QTest::newRow("Italian") << "it_IT.UTF-8"
                                 << "REALISTA 90,00 72,00 29,03 24,87";
        QTest::newRow("English") << "en_US.UTF-8"
                                 << "REALISTA 90.00 72.00 29.03 24.87";
    }

    void tableInTheUsersLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, firstRow);
        const Run r = cli({QStringLiteral("risultati"), data("Tipolab-dati-esempio")}, locale);
        QCOMPARE(r.status, 0);
        QVERIFY(r.err.isEmpty());
        const QStringList lines = r.out.split(QLatin1Char('\n'));
        QCOMPARE(lines.value(1), QStringLiteral("Persona: Mario Rossi"));
        QCOMPARE(lines.value(3).simplified(), firstRow);
        QCOMPARE(lines.value(4).simplified().section(QLatin1Char(' '), 0, 0),
                 QStringLiteral("SOCIALE"));
        QCOMPARE(lines.value(9), QStringLiteral("Tipo prevalente: REALISTA"));
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
        QCOMPARE(lines[0].count(QLatin1Char(',')), 26);
        QVERIFY(lines[1].endsWith(QStringLiteral(
            ",Mario Rossi,REALISTA,90.00,72.00,29.03,24.87,60.00,45.50,19.35,15.72,30.00,30.00,"
            "9.68,10.36,80.00,72.00,25.81,24.87,50.00,60.00,16.13,20.73,0.00,10.00,0.00,3.45")));
    }

    void badFilesAreReportedAndTheRestProcessed()
    {
        QTemporaryDir dir;
        const QString damaged = dir.filePath(QStringLiteral("Tipolab-dati-rotto"));
        QFile f(damaged);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\"\",\"x\",\"\",\"\",\"\",\"\",\"\"\r\n7,\"molto\",\"3\",.8\r\n");
        f.close();
        const Run r = cli({QStringLiteral("risultati"), QStringLiteral("--csv"), damaged,
                           data("Tipolab-dati-parziale"), data("Tipolab-dati-esempio"),
                           dir.filePath(QStringLiteral("manca"))});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.out.count(QLatin1Char('\n')), 2); // header and the one complete file
        QVERIFY(r.err.contains(damaged) && r.err.contains(QStringLiteral("riga 2, valore 1")));
        QVERIFY(
            r.err.contains(QStringLiteral("REALISTA: - spuntare ognuna delle caratteristiche;")));
        QVERIFY(
            r.err.contains(QStringLiteral("- esprimere i giudizi sintetici per ogni tipologia di "
                                          "personalit\u00e0 nella finestra precedente;")));
        QVERIFY(r.err.contains(QStringLiteral("non esiste")));
    }

    void wrongUsage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("unknown command") << QStringList{QStringLiteral("stampa")};
        QTest::newRow("no file") << QStringList{QStringLiteral("risultati")};
        QTest::newRow("unknown option")
            << QStringList{QStringLiteral("risultati"), QStringLiteral("--xml"), data("x")};
    }

    void wrongUsage()
    {
        QFETCH(QStringList, args);
        const Run r = cli(args);
        QCOMPARE(r.status, 2);
        QVERIFY(r.err.contains(QStringLiteral("Uso: tipolab-cli")));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
