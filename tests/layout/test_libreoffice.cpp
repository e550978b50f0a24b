// A real word processor reads what we write: every document converted by
// LibreOffice to PDF, to text and to its own flat format, in one run of
// soffice per format; the report states the pages it lays out, and the
// characteristic tables keep their names on one line, with the document's
// usual stand-in font and with a wide one.
#include "core/model.h"
#include "report_fixtures.h"
#include "contents/comparison_sheet.h"
#include "contents/full_report.h"
#include "layout/document_layout.h"
#include "output/document_files.h"
#include "contents/guide_document.h"
#include "contents/professions_sheet.h"
#include "contents/profile_sheet.h"
#include "contents/register_sheet.h"
#include "contents/window_sheets.h"
#include "test_paths.h"
#include "test_layout.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

using namespace tipolab;

namespace {

QString readText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QString text = QString::fromUtf8(f.readAll());
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return text;
}

// The lines of a PDF as they stand on its pages, blanks run together.
QStringList pdfLines(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(60000);
    QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split(u'\n');
    for (QString& line : lines)
        line = line.simplified();
    return lines;
}

// About `length` characters of a list of attachments.
QString attachments(int length)
{
    return QStringLiteral("questionario compilato, ").repeated(length / 24 + 1).left(length);
}

// A font configuration in which a wide face (DejaVu Sans) stands in for the
// document's font, as on a machine where neither it nor its usual stand-in is
// installed.
QString wideFontConfiguration(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("largo.conf"));
    QFile conf(path);
    if (!conf.open(QIODevice::WriteOnly)) return {};
    conf.write(
        "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
        "<fontconfig>\n  <include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>\n"
        "  <match target=\"pattern\">\n    <test name=\"family\" qual=\"any\">"
        "<string>Century Gothic</string></test>\n    <edit name=\"family\" mode=\"assign\" "
        "binding=\"strong\"><string>DejaVu Sans</string></edit>\n  </match>\n"
        "</fontconfig>\n");
    return path;
}

} // namespace

void TestLibreOffice::initTestCase()
{
    m_soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (m_soffice.isEmpty()) return;
    QVERIFY(m_dir.isValid());

    const ReportSnapshot s = fixtures::sample();
    const SheetHeading heading = sheetHeading(s.title.persona);
    QStringList pagesOnly; // converted to PDF only, for their pages
    auto write = [this](const QString& name, const ReportWriter& w, QStringList& list) {
        const QString path = m_dir.filePath(name + QStringLiteral(".doc"));
        QVERIFY2(saveRtf(w.document(), path).isEmpty(), qPrintable(path));
        list << path;
    };
    ReportWriter w;
    composeFullReport(w, s, a4PageCounter());
    write(QStringLiteral("relazione"), w, m_documents);
    composeResultsSheet(w, heading, s.results);
    write(QStringLiteral("foglio-risultati"), w, m_documents);
    composeDataSheet(w, heading, s.data);
    write(QStringLiteral("foglio-dati"), w, m_documents);
    composeTypesSheet(w, heading, s.types);
    write(QStringLiteral("foglio-tipi"), w, m_documents);
    composeAcquisitionForm(w, heading, s.data.scale);
    write(QStringLiteral("modello"), w, m_documents);
    composeGuidePage(w, heading,
                     {QStringLiteral("Finestra TIPI"),
                      QStringLiteral("La prima finestra riguarda l'introduzione di "
                                     "pochi, ma significativi, dati.")});
    write(QStringLiteral("guida"), w, m_documents);
    composeProfileSheet(w, heading, fixtures::sampleProfile());
    write(QStringLiteral("foglio-profilo"), w, m_documents);
    composeComparisonSheet(w, heading, fixtures::sampleComparison());
    write(QStringLiteral("foglio-confronto"), w, m_documents);
    const Profile sampleProfile = fixtures::sampleProfile().profile;
    composeProfessionsSheet(w, heading,
                            professionsSnapshot(sampleProfile.synthetic, sampleProfile.analytic,
                                                false, QLocale::c()));
    write(QStringLiteral("foglio-professioni"), w, m_documents);
    RegisterSnapshot classRegister{QStringLiteral("3B"),
                                   readRegister(registerFiles({QStringLiteral(TIPOLAB_TEST_DATA_DIR)})),
                                   QLocale::c()};
    composeRegisterSheet(w, sheetHeading(classRegister.folderName), classRegister);
    write(QStringLiteral("foglio-registro"), w, m_documents);
    // Every title-page field at 60 characters: the title page runs over.
    ReportSnapshot long60 = s;
    for (QString* field : {&long60.title.progetto, &long60.title.persona, &long60.title.tipostudio,
                           &long60.title.committente, &long60.title.luogo, &long60.title.data,
                           &long60.title.allegati})
        *field = attachments(60);
    composeFullReport(w, long60, a4PageCounter());
    write(QStringLiteral("relazione-60"), w, pagesOnly);
    // Long attachments; the longer push the closing lines onto a page of their own.
    for (int length : {600, 1200}) {
        ReportSnapshot attached = s;
        attached.title.allegati = attachments(length);
        composeFullReport(w, attached, a4PageCounter());
        write(QStringLiteral("relazione-allegati-%1").arg(length), w, pagesOnly);
    }

    // One profile folder of its own, so that parallel runs do not meet.
    const QString profile = QStringLiteral("-env:UserInstallation=") +
                            QUrl::fromLocalFile(m_dir.filePath("profilo")).toString();
    auto convert = [&](const QString& format, const QString& folder, const QStringList& documents,
                       const QProcessEnvironment& environment) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.setProcessEnvironment(environment);
        p.start(m_soffice,
                QStringList{profile, QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                            format, QStringLiteral("--outdir"), m_dir.filePath(folder)}
                    << documents);
        QVERIFY(p.waitForFinished(180000));
        QVERIFY2(p.exitCode() == 0, p.readAll().constData());
    };
    QElapsedTimer timer;
    timer.start();
    const QProcessEnvironment system = QProcessEnvironment::systemEnvironment();
    convert(QStringLiteral("pdf"), QStringLiteral("pdf"), m_documents + pagesOnly, system);
    convert(QStringLiteral("txt:Text (encoded):UTF8"), QStringLiteral("txt"), m_documents, system);
    convert(QStringLiteral("fodt"), QStringLiteral("fodt"), m_documents, system);

    // The report and the data sheet written and read where a wide face
    // stands in for the document's font.
    QProcessEnvironment wide = system;
    wide.insert(QStringLiteral("FONTCONFIG_FILE"), wideFontConfiguration(m_dir));
    QStringList wideDocuments;
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("largo")));
    for (const QStringList& command : {QStringList{"relazione"}, QStringList{"foglio", "dati"}}) {
        const QString out = m_dir.filePath(QStringLiteral("largo/") + command.last() + ".doc");
        QProcess tool;
        tool.setProcessEnvironment(wide);
        tool.start(QStringLiteral(TIPOLAB_BIN_DIR "/tipolab-cli"),
                   command +
                       QStringList{QStringLiteral(TIPOLAB_TEST_DATA_DIR "/Tipolab-dati-esempio"),
                                   QStringLiteral("-o"), out});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        wideDocuments << out;
    }
    convert(QStringLiteral("pdf"), QStringLiteral("largo"), wideDocuments, wide);
    qInfo("LibreOffice converted %lld documents in %lld ms",
          m_documents.size() * 3 + pagesOnly.size() + wideDocuments.size(), timer.elapsed());
}

void TestLibreOffice::opensEveryDocument_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("report") << "relazione"
                            << QStringList{"VALUTAZIONE DELLA PERSONALITA",
                                           "progetto: Orientamento scolastico",
                                           "esaminato: Mario Rossi",
                                           "Citt\u00e0 di Castello: luned\u00ec, 7 dic 2026",
                                           "tipo considerato",
                                           "coefficienti",
                                           "sicuro di s\u00e8",
                                           "analita relativa (come sei in %)",
                                           "(" + fixtures::kStudio + ")"};
    QTest::newRow("results sheet")
        << "foglio-risultati"
        << QStringList{"Soggetto esaminato: Mario Rossi", "Risultati della elaborazione",
                       "anal.rel.", "REALISTA"};
    QTest::newRow("data sheet") << "foglio-dati"
                                << QStringList{"Dati sulle caratteristiche personali", "pesi in %",
                                               "sicuro di s\u00e8",
                                               "Giudizio complessivo: molto-abbastanza"};
    QTest::newRow("types sheet") << "foglio-tipi"
                                 << QStringList{"Giudizi generali sulla propria personalit\u00e0",
                                                "tipo considerato", "media dei coefficienti"};
    QTest::newRow("acquisition form")
        << "modello"
        << QStringList{"___________________________", "n.giudizio", "peso in % (totale = 100)",
                       "sicuro di s\u00e8"};
    QTest::newRow("help page") << "guida" << QStringList{"Guida: Finestra TIPI", "significativi"};
    QTest::newRow("profile sheet")
        << "foglio-profilo"
        << QStringList{"Soggetto esaminato: Mario Rossi",
                       "Profilo della persona",
                       "Attendibilit\u00e0 delle risposte",
                       "Codici a tre lettere e indici",
                       "(R/S)E",
                       "R e S, distacco 0.00 (non distinti)",
                       "Tipi in comune tra i primi tre: 2 su 3. \u03c1 di Spearman: 0.928.",
                       "giudicate pi\u00f9 in basso",
                       "asociale (massimo, peso 9%): 9.00"};
    QTest::newRow("comparison sheet")
        << "foglio-confronto"
        << QStringList{
               "Confronto tra due valutazioni",
               "Prima: Mario Rossi, luned\u00ec, 7 dic 2026",
               "Dopo: Mario Rossi, marted\u00ec, 14 dic 2027",
               "codice analitico",
               "SRE",
               "Il tipo prevalente \u00e8 cambiato: prima era REALISTA, ora \u00e8 SOCIALE.",
               "+20.00"};
    QTest::newRow("professions sheet")
        << "foglio-professioni"
        << QStringList{"Professioni affini al profilo",
                       "Codice sintetico: RSI; codice analitico: (R/S)E.",
                       "Livello 4 \u2013 laurea",
                       "Livello 1 \u2013 scuola dell'obbligo",
                       "Istruttore/trice di fitness e personal trainer",
                       "0.794",
                       "Fonti: banca dati O*NET 30.2"};
    QTest::newRow("register sheet")
        << "foglio-registro"
        << QStringList{"Registro delle valutazioni: 3B",
                       "Valutazioni: 2 complete, 2 incomplete, 0 danneggiate.",
                       "Tipi prevalenti delle valutazioni complete",
                       "codice analitico", "Mario Rossi", "SRE"};
}

void TestLibreOffice::opensEveryDocument()
{
    if (m_soffice.isEmpty()) QSKIP("LibreOffice (soffice) is not installed");
    QFETCH(QString, name);
    QFETCH(QStringList, texts);
    QVERIFY(fixtures::pdfPages(m_dir.filePath("pdf/" + name + ".pdf")) >= 1);
    const QString text = readText(m_dir.filePath("txt/" + name + ".txt"));
    for (const QString& t : texts)
        QVERIFY2(text.contains(t), qPrintable(name + QStringLiteral(": ") + t));

    // Every font the word processor gives the text is the document's: the
    // normal style's (which a paragraph added at the end takes) and those of
    // the document's own paragraphs and runs.
    const QString flat = readText(m_dir.filePath("fodt/" + name + ".fodt"));
    // Only the profile, comparison and register sheets hold pictures: charts, as PNG data.
    QCOMPARE(flat.contains(QStringLiteral("<draw:image")) &&
                 flat.contains(QStringLiteral("<office:binary-data>iVBORw0KGgo")),
             name == u"foglio-profilo" || name == u"foglio-confronto" ||
                 name == u"foglio-registro");
    const QRegularExpression used(
        QStringLiteral("<style:style style:name=\"Standard\".*?</style:style>|"
                       "<office:automatic-styles>.*?</office:automatic-styles>"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression fontName(QStringLiteral("style:font-name=\"([^\"]*)\""));
    QStringList fonts;
    for (const QRegularExpressionMatch& part : used.globalMatch(flat)) {
        for (const QRegularExpressionMatch& m : fontName.globalMatch(part.captured()))
            fonts << m.captured(1);
    }
    fonts.removeDuplicates();
    QCOMPARE(fonts, QStringList{QString::fromLatin1(kDocumentFont)});
}

void TestLibreOffice::statedPageCountMatches_data()
{
    QTest::addColumn<QString>("pdf");
    QTest::newRow("sample") << "pdf/relazione.pdf";
    QTest::newRow("title-page fields of 60 characters") << "pdf/relazione-60.pdf";
    QTest::newRow("attachments of 600 characters") << "pdf/relazione-allegati-600.pdf";
    QTest::newRow("closing lines on a page of their own") << "pdf/relazione-allegati-1200.pdf";
    QTest::newRow("sample, wide stand-in font") << "largo/relazione.pdf";
}

// The report states the pages of the document as the word processor lays it out.
void TestLibreOffice::statedPageCountMatches()
{
    if (m_soffice.isEmpty()) QSKIP("LibreOffice (soffice) is not installed");
    QFETCH(QString, pdf);
    const QString path = m_dir.filePath(pdf);
    const QRegularExpression sentence(QStringLiteral("composta di n\\. (\\d+) pagine\\."));
    const QStringList stated = pdfLines(path).filter(sentence);
    QCOMPARE(stated.size(), 1);
    const int pages = fixtures::pdfPages(path);
    qInfo("stated %s, LibreOffice lays out %d", qPrintable(stated.first()), pages);
    QCOMPARE(sentence.match(stated.first()).captured(1).toInt(), pages);
}

void TestLibreOffice::characteristicNamesStayOnOneLine_data()
{
    QTest::addColumn<QString>("pdf");
    QTest::newRow("report") << "pdf/relazione.pdf";
    QTest::newRow("data sheet") << "pdf/foglio-dati.pdf";
    QTest::newRow("report, wide stand-in font") << "largo/relazione.pdf";
    QTest::newRow("data sheet, wide stand-in font") << "largo/dati.pdf";
}

// In every characteristic table each name and each heading stands on one line.
void TestLibreOffice::characteristicNamesStayOnOneLine()
{
    if (m_soffice.isEmpty()) QSKIP("LibreOffice (soffice) is not installed");
    QFETCH(QString, pdf);
    const QStringList lines = pdfLines(m_dir.filePath(pdf));
    QCOMPARE(lines
                 .filter(QStringLiteral("tipologia caratteristiche giudizi valori coefficienti "
                                        "pesi in %"))
                 .size(),
             kTypeCount);
    for (int t = 1; t <= kTypeCount; ++t) {
        for (int c = 1; c <= kCharacteristicCount; ++c) {
            const QString name = QString::fromUtf8(characteristicName(t, c));
            const QRegularExpression whole(QStringLiteral("(^| )") +
                                           QRegularExpression::escape(name) +
                                           QStringLiteral("( |$)"));
            QVERIFY2(!lines.filter(whole).isEmpty(), qPrintable(name));
        }
    }
}
