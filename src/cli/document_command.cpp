#include "document_command.h"

#include "reports/document_files.h"
#include "reports/full_report.h"
#include "reports/profile_sheet.h"
#include "reports/snapshot_from_archive.h"
#include "reports/window_sheets.h"
#include "state/archive_file.h"
#include "state/program_paths.h"
#include "terminal_text.h"

#include <QDir>
#include <QFile>

namespace tipolab {
namespace {

bool needsResults(DocumentKind kind)
{
    return kind == DocumentKind::Report || kind == DocumentKind::ResultsSheet ||
           kind == DocumentKind::ProfileSheet;
}

QString sheetKind(DocumentKind kind)
{
    switch (kind) {
    case DocumentKind::ResultsSheet:
        return QStringLiteral("foglio-risultati");
    case DocumentKind::DataSheet:
        return QStringLiteral("foglio-dati");
    case DocumentKind::TypesSheet:
        return QStringLiteral("foglio-tipi");
    case DocumentKind::AcquisitionForm:
        return QStringLiteral("modello-acquisizione-dati");
    case DocumentKind::ProfileSheet:
        return QStringLiteral("foglio-profilo");
    case DocumentKind::Report:
        break;
    }
    return QStringLiteral("relazione");
}

void compose(ReportWriter& w, DocumentKind kind, const ArchiveSnapshot& archive)
{
    const ReportSnapshot& s = archive.windows;
    const SheetHeading heading = sheetHeading(s.title.persona);
    switch (kind) {
    case DocumentKind::Report:
        composeFullReport(w, s);
        break;
    case DocumentKind::ResultsSheet:
        composeResultsSheet(w, heading, s.results);
        break;
    case DocumentKind::DataSheet:
        composeDataSheet(w, heading, s.data);
        break;
    case DocumentKind::TypesSheet:
        composeTypesSheet(w, heading, s.types);
        break;
    case DocumentKind::AcquisitionForm:
        composeAcquisitionForm(w, heading, scaleCaptions());
        break;
    case DocumentKind::ProfileSheet:
        composeProfileSheet(w, heading, archive.profile);
        break;
    }
}

} // namespace

int runDocument(const DocumentOptions& options, QTextStream& out, QTextStream& err)
{
    auto fail = [&err](const QString& message) {
        err << terminalSafe(message) << '\n';
        err.flush();
        return 1;
    };
    ArchiveSnapshot archive;
    ReportSnapshot& snapshot = archive.windows;
    snapshot.types.scale = snapshot.data.scale = scaleCaptions();
    if (!options.file.isEmpty()) {
        const ArchiveLoad load = loadArchiveFile(options.file);
        if (!load.record) return fail(load.error);
        archive = snapshotFromArchive(
            *load.record, InstallationData::fromFiles(ProgramPaths::current().installationFiles()),
            options.locale);
        if (needsResults(options.kind) && !archive.missing.empty()) {
            err << QStringLiteral("%1: dati incompleti, documento non scritto:\n")
                       .arg(terminalSafe(options.file));
            for (const std::string& line : archive.missing)
                err << "  " << QString::fromStdString(line) << '\n';
            err.flush();
            return 1;
        }
    }

    // Where it goes: the name given, or where the program would put it. A
    // report replaces the file of its name, as the program does; a sheet never
    // replaces one.
    const QString persona = snapshot.title.persona;
    const ProgramPaths& paths = ProgramPaths::current();
    DocumentTarget target;
    if (!options.output.isEmpty()) {
        target.path = options.output;
    } else if (options.kind == DocumentKind::Report) {
        target.path = reportFilePath(paths.documentsBeside(), persona);
    } else {
        target.path = sheetFilePath(
            QDir::currentPath(), sheetHeading(persona).programName, sheetKind(options.kind),
            options.kind == DocumentKind::AcquisitionForm ? QString() : persona);
        target.numbered = true;
    }
    if (!options.file.isEmpty() && !target.numbered &&
        isSameFile(QFile::encodeName(target.path).toStdString(),
                   QFile::encodeName(options.file).toStdString())) {
        return fail(QStringLiteral("Il documento \"%1\" prenderebbe il posto del file di dati "
                                   "\"%2\": indicare un altro nome con -o.")
                        .arg(QDir::toNativeSeparators(target.path),
                             QDir::toNativeSeparators(options.file)));
    }

    ReportWriter w;
    compose(w, options.kind, archive);
    // A name given with -o is written there or not at all.
    const SavedFile saved = options.output.isEmpty()
                                ? saveDocument(w, target, paths.documentsDir())
                                : SavedFile{target.path, false, {}, w.save(target.path)};
    if (!saved.ok()) {
        return fail(QStringLiteral("Impossibile scrivere il documento \"%1\": %2.")
                        .arg(QDir::toNativeSeparators(saved.path), saved.error));
    }
    if (saved.elsewhere)
        err << QStringLiteral("La cartella prevista non \u00e8 scrivibile: documento salvato "
                              "altrove.\n");
    out << terminalSafe(QDir::toNativeSeparators(saved.path)) << '\n';
    err.flush();
    return 0;
}

} // namespace tipolab
