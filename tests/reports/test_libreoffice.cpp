// A real word processor reads what we write: every document converted by
// LibreOffice to PDF, to text and to its own flat format, in one run of
// soffice per format.
#include "report_fixtures.h"
#include "reports/comparison_sheet.h"
#include "reports/full_report.h"
#include "reports/guide_document.h"
#include "reports/profile_sheet.h"
#include "reports/window_sheets.h"
#include "test_reports.h"

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

} // namespace

void TestLibreOffice::initTestCase()
{
    m_soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (m_soffice.isEmpty()) return;
    QVERIFY(m_dir.isValid());

    const ReportSnapshot s = fixtures::sample();
    const SheetHeading heading = sheetHeading(s.title.persona);
    auto write = [this](const QString& name, const ReportWriter& w) {
        const QString path = m_dir.filePath(name + QStringLiteral(".doc"));
        QVERIFY2(w.save(path).isEmpty(), qPrintable(path));
        m_documents << path;
    };
    ReportWriter w;
    composeFullReport(w, s);
    write(QStringLiteral("relazione"), w);
    composeResultsSheet(w, heading, s.results);
    write(QStringLiteral("foglio-risultati"), w);
    composeDataSheet(w, heading, s.data);
    write(QStringLiteral("foglio-dati"), w);
    composeTypesSheet(w, heading, s.types);
    write(QStringLiteral("foglio-tipi"), w);
    composeAcquisitionForm(w, heading, s.data.scale);
    write(QStringLiteral("modello"), w);
    composeGuidePage(w, heading,
                     {QStringLiteral("Finestra TIPI"),
                      QStringLiteral("La prima finestra riguarda l'introduzione di "
                                     "pochi, ma significativi, dati.")});
    write(QStringLiteral("guida"), w);
    composeProfileSheet(w, heading, fixtures::sampleProfile());
    write(QStringLiteral("foglio-profilo"), w);
    composeComparisonSheet(w, heading, fixtures::sampleComparison());
    write(QStringLiteral("foglio-confronto"), w);

    // One profile folder of its own, so that parallel runs do not meet.
    const QString profile = QStringLiteral("-env:UserInstallation=") +
                            QUrl::fromLocalFile(m_dir.filePath("profilo")).toString();
    QElapsedTimer timer;
    timer.start();
    for (const auto& [format, folder] :
         {std::pair{QStringLiteral("pdf"), QStringLiteral("pdf")},
          {QStringLiteral("txt:Text (encoded):UTF8"), QStringLiteral("txt")},
          {QStringLiteral("fodt"), QStringLiteral("fodt")}}) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(m_soffice,
                QStringList{profile, QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                            format, QStringLiteral("--outdir"), m_dir.filePath(folder)}
                    << m_documents);
        QVERIFY(p.waitForFinished(180000));
        QVERIFY2(p.exitCode() == 0, p.readAll().constData());
    }
    qInfo("LibreOffice converted %lld documents three times in %lld ms", m_documents.size(),
          timer.elapsed());
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
    // Only the profile and comparison sheets hold a picture: a chart, as PNG data.
    QCOMPARE(flat.contains(QStringLiteral("<draw:image")) &&
                 flat.contains(QStringLiteral("<office:binary-data>iVBORw0KGgo")),
             name == u"foglio-profilo" || name == u"foglio-confronto");
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

void TestLibreOffice::statedPageCountMatches()
{
    if (m_soffice.isEmpty()) QSKIP("LibreOffice (soffice) is not installed");
    const QString text = readText(m_dir.filePath("txt/relazione.txt"));
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("composta di n\\. (\\d+) pagine\\.")).match(text);
    QVERIFY(m.hasMatch());
    const int stated = m.captured(1).toInt();
    const int pages = fixtures::pdfPages(m_dir.filePath("pdf/relazione.pdf"));
    qInfo("stated %d pages, LibreOffice lays out %d", stated, pages);
    QVERIFY2(qAbs(stated - pages) <= 1,
             qPrintable(QStringLiteral("%1 / %2").arg(stated).arg(pages)));
}
