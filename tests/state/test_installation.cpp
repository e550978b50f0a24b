#include "state/installation_data.h"
#include "state/number_format.h"
#include "state/program_paths.h"
#include "state/text_lines.h"
#include "test_state.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    test::writeFile(path, "[studio]\nnome=Studio Verdi\nindirizzo=Via Roma, 1 - Citt\xC3\xA0 di "
                          "Castello\n[fornitore]\nemail=aiuto@esempio.it\n");
    const InstallationData d = InstallationData::load(path);
    QCOMPARE(d.studioName, QStringLiteral("Studio Verdi"));
    QCOMPARE(d.studioAddress, QStringLiteral("Via Roma, 1 - Citt\u00e0 di Castello"));
    QCOMPARE(d.supplierEmail, QStringLiteral("aiuto@esempio.it"));
    QVERIFY(!d.supplierName.isEmpty()); // missing key: neutral text
}

// How one line of the file reaches the studio's name; "" means the neutral text.
void TestInstallation::readingRules_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("studio");
    const QByteArray head = "[studio]\n";
    QTest::newRow("blanks around key and value") << head + "  nome   =  Studio Blu  \n"
                                                 << "Studio Blu";
    QTest::newRow("quoted, with a comma") << head + "nome=\"Rossi, Bianchi & C.\"\n"
                                          << "Rossi, Bianchi & C.";
    QTest::newRow("unquoted comma") << head + "nome=Rossi, Bianchi\n"
                                    << "Rossi, Bianchi";
    QTest::newRow("what looks like a stored value stays text")
        << head + "nome=@Variant(\\0\\0\\0\\t)\n"
        << "@Variant(\\0\\0\\0\\t)";
    QTest::newRow("key and section in capitals")
        << QByteArray("[Studio]\nNOME=Studio Uno\n") << "Studio Uno";
    QTest::newRow("empty value") << head + "nome=\n"
                                 << "";
    QTest::newRow("empty quotes") << head + "nome=\"\"\n"
                                  << "";
    QTest::newRow("comment lines") << head + "; nome=No\n# nome=No\nnome=S\u00ec\n"
                                   << "S\u00ec";
    QTest::newRow("other section") << QByteArray("[fornitore]\nnome=Fornitore\n") << "";
    QTest::newRow("no section") << QByteArray("nome=Studio\n") << "";
    QTest::newRow("no equals sign") << head + "nome Studio\n"
                                    << "";
    QTest::newRow("last one holds") << head + "nome=Primo\nnome=Secondo\n"
                                    << "Secondo";
    QTest::newRow("code page 1252") << head + "nome=Citt\xE0\r\n"
                                    << "Citt\u00e0";
    QTest::newRow("UTF-8 with mark") << "\xEF\xBB\xBF" + head + "nome=Citt\xC3\xA0\n"
                                     << "Citt\u00e0";
}

void TestInstallation::readingRules()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, studio);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tipolab.ini"));
    test::writeFile(path, file);
    const InstallationData neutral = InstallationData::load(QString());
    QCOMPARE(InstallationData::load(path).studioName,
             studio.isEmpty() ? neutral.studioName : studio);
}

// A file far larger than any installation file is not read at all.
void TestInstallation::oversizedFileIsNotRead()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tipolab.ini"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[studio]\nnome=Grande\n");
    QVERIFY(f.resize(kMaxTextFileSize + 1));
    f.close();
    QCOMPARE(InstallationData::load(path).studioName, InstallationData::load({}).studioName);
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

// Where the studio's data come from: the user's file, else the system's, else
// the shipped one; the supplier's always from the shipped one.
void TestInstallation::studioLookedForInOrder_data()
{
    QTest::addColumn<QByteArray>("user");   // "" for no file
    QTest::addColumn<QByteArray>("system"); // "" for no file
    QTest::addColumn<QString>("studio");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("unset");
    const QByteArray user = "[studio]\nnome=Studio Utente\nindirizzo=Via Utente\n";
    const QByteArray system = "[studio]\nnome=Scuola Media\n[fornitore]\nnome=Altro\n";
    QTest::newRow("user's file") << user << system << "Studio Utente"
                                 << "Via Utente" << false;
    QTest::newRow("system's file, address not given") << QByteArray() << system << "Scuola Media"
                                                      << "indirizzo non indicato" << false;
    QTest::newRow("user's file without a name")
        << QByteArray("[studio]\nindirizzo=Via Sola\n") << system << "Scuola Media"
        << "indirizzo non indicato" << false;
    QTest::newRow("neither: the shipped one, to be set")
        << QByteArray() << QByteArray() << "Studio Spedito"
        << "Via Spedita" << true;
}

void TestInstallation::studioLookedForInOrder()
{
    QFETCH(QByteArray, user);
    QFETCH(QByteArray, system);
    QFETCH(QString, studio);
    QFETCH(QString, address);
    QFETCH(bool, unset);
    QTemporaryDir dir;
    const InstallationFiles files{dir.filePath("utente.ini"), dir.filePath("sistema.ini"),
                                  dir.filePath("tipolab.ini")};
    test::writeFile(files.shipped, "[studio]\nnome=Studio Spedito\nindirizzo=Via Spedita\n"
                                   "[fornitore]\nnome=Fornitore Spedito\n");
    if (!user.isEmpty()) test::writeFile(files.user, user);
    if (!system.isEmpty()) test::writeFile(files.system, system);

    const InstallationData d = InstallationData::fromFiles(files);
    QCOMPARE(d.studioName, studio);
    QCOMPARE(d.studioAddress, address);
    QCOMPARE(d.studioUnset, unset);
    QCOMPARE(d.supplierName, QStringLiteral("Fornitore Spedito"));
    QCOMPARE(d.userFile, files.user);
}

// The studio dialog's file comes back as typed, in a folder made for it; a
// file that cannot be written says so and leaves what was there.
void TestInstallation::studioSavedAndReadBack()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("config/Tipolab/tipolab.ini");
    const QString name = QStringLiteral("\"Rossi, Bianchi\" & C. = Città");
    QCOMPARE(InstallationData::saveStudio(path, name, QStringLiteral("; Via Roma 1")), QString());
    const InstallationData back = InstallationData::fromFiles({path, QString(), QString()});
    QCOMPARE(back.studioName, name);
    QCOMPARE(back.studioAddress, QStringLiteral("; Via Roma 1"));
    QVERIFY(!back.studioUnset);

    const QString taken = dir.filePath("cartella");
    QVERIFY(QDir().mkpath(taken + "/dentro"));
    QVERIFY(!InstallationData::saveStudio(taken, name, QString()).isEmpty());
    QVERIFY(QFileInfo(taken + "/dentro").isDir());
}

// The shipped files beside the program in a build tree, in share/tipolab
// beside the bin folder when installed, wherever the installation lies.
void TestInstallation::programPaths_data()
{
    QTest::addColumn<QString>("program"); // the executable's folder, under a temporary root
    QTest::addColumn<QString>("data");    // "" for none made
    QTest::addColumn<QString>("shipped");
    QTest::addColumn<QString>("beside"); // the folder the report is named after
    QTest::newRow("build tree") << "build/bin"
                                << ""
                                << "build/bin"
                                << "build/bin";
    QTest::newRow("installed") << "usr/bin"
                               << "usr/share/tipolab"
                               << "usr/share/tipolab"
                               << "Documenti/Tipolab";
    QTest::newRow("installed elsewhere") << "opt/tipolab/bin"
                                         << "opt/tipolab/share/tipolab"
                                         << "opt/tipolab/share/tipolab"
                                         << "Documenti/Tipolab";
}

void TestInstallation::programPaths()
{
    QFETCH(QString, program);
    QFETCH(QString, data);
    QFETCH(QString, shipped);
    QFETCH(QString, beside);
    QTemporaryDir root;
    const QDir r(root.path());
    QVERIFY(r.mkpath(program));
    if (!data.isEmpty()) QVERIFY(r.mkpath(data));
    test::writeFile(r.filePath(shipped + "/listino.txt"), "listino\n");

    const ProgramPaths paths(r.filePath(program), r.filePath("config"), r.filePath("Documenti"),
                             r.filePath("etc"));
    QCOMPARE(paths.installed(), !data.isEmpty());
    QCOMPARE(paths.dataFile("listino.txt"), r.filePath(shipped + "/listino.txt"));
    QCOMPARE(paths.missingShippedFiles().size(), int(ProgramPaths::shippedFiles().size()) - 1);
    QCOMPARE(paths.documentsBeside(), r.filePath(beside));
    QCOMPARE(paths.installationFiles().user, r.filePath("config/Tipolab/tipolab.ini"));
    QCOMPARE(paths.installationFiles().system, r.filePath("etc/tipolab.ini"));
    QCOMPARE(paths.installationFiles().shipped, r.filePath(shipped + "/tipolab.ini"));
}

// Numbers that already have their decimals are written without the locale's
// general conversion; they must read exactly as it writes them.
void TestInstallation::numberFormatsAgreeWithTheLocale()
{
    for (const QLocale& locale : {QLocale(QLocale::Italian, QLocale::Italy), QLocale::c(),
                                  QLocale(QLocale::German, QLocale::Germany)}) {
        QLocale plain = locale;
        plain.setNumberOptions(QLocale::OmitGroupSeparator);
        for (int i = -3000; i <= 3000; ++i) {
            for (const double v :
                 {i / 100.0, i / 1000.0, i / 10.0, i * 12345.678, i / 3.0, i * 1e-9}) {
                for (const int decimals : {0, 1, 2, 3}) {
                    const double shown = v == 0 ? 0 : v;
                    QCOMPARE(formatFixed(v, decimals, locale),
                             plain.toString(shown, 'f', decimals));
                }
            }
        }
    }
}

// The day and the month are named in Italian on a system set to English.
void TestInstallation::titlePageDateInItalian()
{
    QCOMPARE(titlePageDate(QDate(2026, 12, 8), QLocale(QLocale::English, QLocale::UnitedStates)),
             QStringLiteral("marted\u00ec, 8 dic 2026"));
}
