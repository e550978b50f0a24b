#include "document_command.h"

#include "reports/document_files.h"
#include "reports/full_report.h"
#include "reports/snapshot_from_archive.h"
#include "reports/window_sheets.h"
#include "state/archive_file.h"
#include "state/program_paths.h"

#include <QDir>

namespace tipolab {
namespace {

bool needsResults(DocumentKind kind)
{
    return kind == DocumentKind::Report || kind == DocumentKind::ResultsSheet;
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
    case DocumentKind::Report:
        break;
    }
    return QStringLiteral("relazione");
}

void compose(ReportWriter& w, DocumentKind kind, const ReportSnapshot& s)
{
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
    }
}

} // namespace

int runDocument(const DocumentOptions& options, QTextStream& out, QTextStream& err)
{
    ReportSnapshot snapshot;
    snapshot.types.scale = snapshot.data.scale = scaleCaptions();
    if (!options.file.isEmpty()) {
        const ArchiveLoad load = loadArchiveFile(options.file);
        if (!load.record) {
            err << load.error << '\n';
            err.flush();
            return 1;
        }
        const ArchiveSnapshot archive = snapshotFromArchive(
            *load.record, InstallationData::fromFiles(ProgramPaths::current().installationFiles()),
            options.locale);
        if (needsResults(options.kind) && !archive.missing.empty()) {
            err << QStringLiteral("%1: dati incompleti, documento non scritto:\n")
                       .arg(options.file);
            for (const std::string& line : archive.missing)
                err << "  " << QString::fromStdString(line) << '\n';
            err.flush();
            return 1;
        }
        snapshot = archive.windows;
    }

    ReportWriter w;
    compose(w, options.kind, snapshot);

    const QString persona = snapshot.title.persona;
    SavedFile saved;
    if (!options.output.isEmpty()) {
        saved.path = options.output;
        saved.error = w.save(options.output);
    } else {
        const ProgramPaths& paths = ProgramPaths::current();
        const QString path =
            options.kind == DocumentKind::Report
                ? reportFilePath(paths.documentsBeside(), persona)
                : sheetFilePath(QDir::currentPath(), sheetHeading(persona).programName,
                                sheetKind(options.kind),
                                options.kind == DocumentKind::AcquisitionForm ? QString()
                                                                              : persona);
        saved = saveDocument(w, path, paths.documentsDir());
    }
    if (!saved.ok()) {
        err << QStringLiteral("Impossibile scrivere %1: %2\n").arg(saved.path, saved.error);
        err.flush();
        return 1;
    }
    if (saved.elsewhere)
        err << QStringLiteral("La cartella prevista non \u00e8 scrivibile: documento salvato "
                              "altrove.\n");
    out << QDir::toNativeSeparators(saved.path) << '\n';
    out.flush();
    err.flush();
    return 0;
}

} // namespace tipolab
