#include "state/installation_data.h"
#include "state/number_format.h"
#include "test_state.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tipolab;

void TestInstallation::missingFileGivesNeutralTexts()
{
    const InstallationData d = InstallationData::load(QStringLiteral("/nonexistent/tipolab.ini"));
    for (const QString* s : {&d.studioName, &d.studioAddress, &d.supplierName, &d.supplierAddress,
                             &d.supplierWebSite, &d.supplierEmail, &d.supplierPhone})
        QVERIFY(!s->isEmpty());
}

void TestInstallation::readsStudioAndSupplier()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tipolab.ini"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[studio]\nnome=Studio Verdi\nindirizzo=Via Roma, 1 - Citt\xC3\xA0 di Castello\n"
            "[fornitore]\nemail=aiuto@esempio.it\n");
    f.close();
    const InstallationData d = InstallationData::load(path);
    QCOMPARE(d.studioName, QStringLiteral("Studio Verdi"));
    QCOMPARE(d.studioAddress, QStringLiteral("Via Roma, 1 - Citt\u00e0 di Castello"));
    QCOMPARE(d.supplierEmail, QStringLiteral("aiuto@esempio.it"));
    QVERIFY(!d.supplierName.isEmpty()); // missing key: neutral text
}

void TestInstallation::numberFormats_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("shown");
    const QLocale it(QLocale::Italian, QLocale::Italy);
    QTest::newRow("it 0.000") << it << 0.72 << 3 << "0,720";
    QTest::newRow("it no grouping") << it << 1234.5 << 2 << "1234,50";
    QTest::newRow("it negative zero") << it << -0.0 << 2 << "0,00";
    QTest::newRow("C 0.00") << QLocale::c() << 24.87 << 2 << "24.87";
    QTest::newRow("en 0.0") << QLocale(QLocale::English) << 3.5 << 1 << "3.5";
}

void TestInstallation::numberFormats()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, shown);
    QCOMPARE(formatFixed(value, decimals, locale), shown);
    QCOMPARE(captionValue(shown, locale), value == 0 ? 0.0 : value);
}
