#include "print_commands.h"

#include "contents/guide_document.h"
#include "files/private_folder.h"
#include "output/pdf_writer.h"
#include "state/program_paths.h"

#include <QDir>
#include <QFile>
#include <unistd.h>

namespace tipolab {
namespace {

DocumentSource headedBy(const SheetHeading& heading)
{
    DocumentSource source;
    source.heading = heading;
    return source;
}

} // namespace

DocumentPlaces DocumentPlaces::standard()
{
    const ProgramPaths& paths = ProgramPaths::current();
    const std::string sheets =
        privateFolderPath("Tipolab", QFile::encodeName(QDir::tempPath()).toStdString());
    return {paths.documentsBeside(), paths.documentsDir(),
            QFile::decodeName(QByteArray::fromStdString(sheets)), paths.installed()};
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
    // Where the documents go when not beside the program is said once; that
    // the sheets' folder must not be used is said each time, with why.
    if (saved.elsewhere && !saved.folderProblem.isEmpty()) {
        out.message = QStringLiteral("La cartella prevista per il documento,\n%1,\nnon si pu\u00f2 "
                                     "usare: %2.\nIl documento \u00e8 stato salvato in:\n%3")
                          .arg(QDir::toNativeSeparators(m_places.sheetsDir), saved.folderProblem,
                               QDir::toNativeSeparators(saved.path));
    } else if (saved.elsewhere && !m_toldWhere) {
        out.message =
            QStringLiteral("La cartella prevista per il documento non \u00e8 scrivibile.\n"
                           "Il documento \u00e8 stato salvato in:\n%1")
                .arg(QDir::toNativeSeparators(saved.path));
        m_toldWhere = true;
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

PrintOutcome PrintCommands::saveBesideProgram(const ReportWriter& w, const QString& path,
                                              FileAccess access)
{
    if (m_pdfChooser) return writePdf(w, path);
    DocumentTarget target;
    target.path = path;
    target.access = access;
    target.ownFiles = m_writtenElsewhere;
    const SavedFile saved = saveDocument(w, target, m_places.documentsDir);
    if (saved.elsewhere && !m_writtenElsewhere.contains(saved.path))
        m_writtenElsewhere << saved.path;
    PrintOutcome out = finish(w, saved);
    // An installed program keeps its documents in the documents folder, and says so once.
    if (m_places.installed && out.opened && !m_toldWhere) {
        out.message = QStringLiteral("Tipolab salva le relazioni e la guida nella cartella "
                                     "dei documenti.\nIl documento \u00e8 stato salvato in:\n%1")
                          .arg(QDir::toNativeSeparators(out.path));
        m_toldWhere = true;
    }
    return out;
}

// The sheets hold a person's name and results: they go into a folder only the
// user can enter, readable by the user alone, and never replace one another.
PrintOutcome PrintCommands::saveSheet(const ReportWriter& w, const SheetHeading& heading,
                                      const QString& kind, const QString& persona)
{
    if (m_pdfChooser)
        return writePdf(w, sheetFilePath(m_places.sheetsDir, heading.programName, kind, persona));
    DocumentTarget target;
    target.path = sheetFilePath(m_places.sheetsDir, heading.programName, kind, persona);
    target.numbered = true;
    target.folderProblem = QString::fromStdString(
        preparePrivateFolder(QFile::encodeName(m_places.sheetsDir).toStdString(), ::getuid()));
    return finish(w, saveDocument(w, target, m_places.documentsDir));
}

PrintOutcome PrintCommands::printSheet(DocumentKind kind, const DocumentSource& source)
{
    ReportWriter w;
    composeDocument(w, kind, source);
    const DocumentKindRow& row = documentKind(kind);
    return saveSheet(w, source.heading, QLatin1String(row.stem),
                     row.named ? source.heading.persona : QString());
}

PrintOutcome PrintCommands::fullReport(const ReportSnapshot& snapshot)
{
    DocumentSource source;
    source.windows = snapshot;
    ReportWriter w;
    composeDocument(w, DocumentKind::Report, source);
    return saveBesideProgram(w, reportFilePath(m_places.programDir, snapshot.title.persona));
}

PrintOutcome PrintCommands::resultsSheet(const SheetHeading& heading,
                                         const ResultsWindowSnapshot& results)
{
    DocumentSource source = headedBy(heading);
    source.windows.results = results;
    return printSheet(DocumentKind::ResultsSheet, source);
}

PrintOutcome PrintCommands::dataSheet(const SheetHeading& heading, const DataWindowSnapshot& data)
{
    DocumentSource source = headedBy(heading);
    source.windows.data = data;
    return printSheet(DocumentKind::DataSheet, source);
}

PrintOutcome PrintCommands::acquisitionForm(const SheetHeading& heading, const ScaleCaptions& scale)
{
    DocumentSource source = headedBy(heading);
    source.scale = scale;
    return printSheet(DocumentKind::AcquisitionForm, source);
}

PrintOutcome PrintCommands::typesSheet(const SheetHeading& heading,
                                       const TypesWindowSnapshot& types)
{
    DocumentSource source = headedBy(heading);
    source.windows.types = types;
    return printSheet(DocumentKind::TypesSheet, source);
}

PrintOutcome PrintCommands::profileSheet(const SheetHeading& heading,
                                         const ProfileSnapshot& profile)
{
    DocumentSource source = headedBy(heading);
    source.profile = profile;
    return printSheet(DocumentKind::ProfileSheet, source);
}

PrintOutcome PrintCommands::comparisonSheet(const SheetHeading& heading,
                                            const ComparisonSnapshot& comparison)
{
    DocumentSource source = headedBy(heading);
    source.comparison = comparison;
    return printSheet(DocumentKind::ComparisonSheet, source);
}

PrintOutcome PrintCommands::professionsSheet(const SheetHeading& heading,
                                             const ProfessionsSnapshot& professions)
{
    DocumentSource source = headedBy(heading);
    source.professions = professions;
    return printSheet(DocumentKind::ProfessionsSheet, source);
}

PrintOutcome PrintCommands::registerSheet(const SheetHeading& heading,
                                          const RegisterSnapshot& snapshot)
{
    DocumentSource source = headedBy(heading);
    source.classRegister = snapshot;
    return printSheet(DocumentKind::RegisterSheet, source);
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
    return saveBesideProgram(w, guideFilePath(m_places.programDir, heading.programName),
                             FileAccess::Usual);
}

} // namespace tipolab
