// "tipolab-cli relazione" and "tipolab-cli foglio" as a counsellor runs them.
#include "test_paths.h"
#include "test_reports.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

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
        << "REALISTA: - spuntare ognuna delle caratteristiche;";
    QTest::newRow("results sheet of an incomplete assessment")
        << QStringList{"foglio", "risultati"} << "Tipolab-dati-parziale" << 1
        << "dati incompleti, documento non scritto";
    QTest::newRow("data sheet of an incomplete assessment")
        << QStringList{"foglio", "dati"} << "Tipolab-dati-parziale" << 0 << "";
    QTest::newRow("types sheet") << QStringList{"foglio", "tipi"} << "Tipolab-dati-parziale" << 0
                                 << "";
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
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(6) == "{\\rtf1");
    }
}
