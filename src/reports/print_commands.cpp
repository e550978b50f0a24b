#include "print_commands.h"

#include "comparison_sheet.h"
#include "full_report.h"
#include "pdf_writer.h"
#include "profile_sheet.h"
#include "window_sheets.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace tipolab {

DocumentPlaces DocumentPlaces::standard()
{
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty()) documents = QDir::homePath();
    return {QCoreApplication::applicationDirPath(), documents,
            QDir(QDir::tempPath()).filePath(QStringLiteral("Tipolab"))};
}

QString pdfFailureMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("Non \u00e8 stato possibile scrivere il file PDF\n%1\n\n"
                          "Un file con questo nome, se c'era, \u00e8 rimasto com'era; i dati "
                          "immessi non sono stati modificati.\n\n(%2)")
        .arg(QDir::toNativeSeparators(path), reason);
}

PrintCommands::PrintCommands(DocumentOpener& opener, DocumentPlaces places)
    : m_opener(opener), m_places(std::move(places))
{
}

PrintOutcome PrintCommands::finish(const ReportWriter& w, const SavedFile& saved)
{
    PrintOutcome out;
    out.path = saved.path;
    if (!saved.ok()) {
        out.failed = true;
        out.message =
            QStringLiteral("Non \u00e8 stato possibile scrivere il documento\n%1\n\n"
                           "Se un documento con questo nome \u00e8 aperto in un altro programma, "
                           "chiuderlo e ripetere la stampa. I dati immessi non sono stati "
                           "modificati.\n\n(%2)")
                .arg(QDir::toNativeSeparators(saved.path), saved.error);
        return out;
    }
    if (saved.elsewhere) {
        out.message =
            QStringLiteral("La cartella prevista per il documento non \u00e8 scrivibile.\n"
                           "Il documento \u00e8 stato salvato in:\n%1")
                .arg(QDir::toNativeSeparators(saved.path));
    }
    m_opener.open(saved.path, w.document());
    out.opened = true;
    return out;
}

PrintOutcome PrintCommands::writePdf(const ReportWriter& w, const QString& documentName)
{
    PrintOutcome out;
    out.path = m_pdfChooser(pdfNameIn(m_places.documentsDir, documentName));
    if (out.path.isEmpty()) return out; // the user thought better of it
    const QString error = savePdf(w.document(), out.path);
    if (!error.isEmpty()) {
        out.failed = true;
        out.message = pdfFailureMessage(out.path, error);
    }
    return out;
}

PrintOutcome PrintCommands::saveBesideProgram(const ReportWriter& w, const QString& path)
{
    if (m_pdfChooser) return writePdf(w, path);
    return finish(w, saveDocument(w, path, m_places.documentsDir));
}

PrintOutcome PrintCommands::saveSheet(const ReportWriter& w, const SheetHeading& heading,
                                      const QString& kind, const QString& persona)
{
    if (m_pdfChooser)
        return writePdf(w, sheetFileName(heading.programName, kind, persona) + ".doc");
    QDir().mkpath(m_places.sheetsDir);
    const QString path = sheetFilePath(m_places.sheetsDir, heading.programName, kind, persona);
    return finish(w, saveDocument(w, path, m_places.documentsDir));
}

PrintOutcome PrintCommands::fullReport(const ReportSnapshot& snapshot)
{
    ReportWriter w;
    composeFullReport(w, snapshot);
    return saveBesideProgram(w, reportFilePath(m_places.programDir, snapshot.title.persona));
}

PrintOutcome PrintCommands::resultsSheet(const SheetHeading& heading,
                                         const ResultsWindowSnapshot& results)
{
    ReportWriter w;
    composeResultsSheet(w, heading, results);
    return saveSheet(w, heading, QStringLiteral("foglio-risultati"), heading.persona);
}

PrintOutcome PrintCommands::dataSheet(const SheetHeading& heading, const DataWindowSnapshot& data)
{
    ReportWriter w;
    composeDataSheet(w, heading, data);
    return saveSheet(w, heading, QStringLiteral("foglio-dati"), heading.persona);
}

PrintOutcome PrintCommands::acquisitionForm(const SheetHeading& heading, const ScaleCaptions& scale)
{
    ReportWriter w;
    composeAcquisitionForm(w, heading, scale);
    return saveSheet(w, heading, QStringLiteral("modello-acquisizione-dati"), QString());
}

PrintOutcome PrintCommands::typesSheet(const SheetHeading& heading,
                                       const TypesWindowSnapshot& types)
{
    ReportWriter w;
    composeTypesSheet(w, heading, types);
    return saveSheet(w, heading, QStringLiteral("foglio-tipi"), heading.persona);
}

PrintOutcome PrintCommands::profileSheet(const SheetHeading& heading,
                                         const ProfileSnapshot& profile)
{
    ReportWriter w;
    composeProfileSheet(w, heading, profile);
    return saveSheet(w, heading, QStringLiteral("foglio-profilo"), heading.persona);
}

PrintOutcome PrintCommands::comparisonSheet(const SheetHeading& heading,
                                            const ComparisonSnapshot& comparison)
{
    ReportWriter w;
    composeComparisonSheet(w, heading, comparison);
    return saveSheet(w, heading, QStringLiteral("foglio-confronto"), heading.persona);
}

PrintOutcome PrintCommands::guidePage(const SheetHeading& heading, const GuidePage& page)
{
    ReportWriter w;
    composeGuidePage(w, heading, page);
    return saveSheet(w, heading, QStringLiteral("guida"), page.title);
}

PrintOutcome PrintCommands::fullGuide(const SheetHeading& heading, const QList<GuidePage>& pages)
{
    ReportWriter w;
    composeFullGuide(w, heading, pages);
    return saveBesideProgram(w, guideFilePath(m_places.programDir, heading.programName));
}

} // namespace tipolab
