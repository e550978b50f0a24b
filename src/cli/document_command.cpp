#include "document_command.h"

#include "comparison_command.h"
#include "reports/comparison_sheet.h"
#include "reports/document_files.h"
#include "reports/full_report.h"
#include "reports/pdf_writer.h"
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
    case DocumentKind::ComparisonSheet:
        return QStringLiteral("foglio-confronto");
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
    case DocumentKind::ComparisonSheet:
        break; // from two archives: composeComparison
    }
}

int fail(QTextStream& err, const QString& message)
{
    err << terminalSafe(message) << '\n';
    err.flush();
    return 1;
}

// The comparison sheet of two archives; false, told on `err`, when either is
// damaged or incomplete. Differing names are a warning.
bool composeComparison(ReportWriter& w, const DocumentOptions& options, QString& persona,
                       QTextStream& err)
{
    const FileComparison compared = compareFiles(options.earlier, options.file, options.locale);
    tellComparisonProblems(compared, err);
    if (!compared.snapshot) return false;
    persona = compared.snapshot->after.persona;
    composeComparisonSheet(w, sheetHeading(persona), *compared.snapshot);
    return true;
}

// Writes the document where the options say, or where the program would put
// it. A report replaces the file of its name, as the program does; a sheet
// never replaces one; a name given with -o is written there or not at all,
// as PDF when it ends in ".pdf". Never in place of one of the archives read.
int writeDocument(const ReportWriter& w, const DocumentOptions& options, const QString& persona,
                  QTextStream& out, QTextStream& err)
{
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
    for (const QString& input : {options.earlier, options.file}) {
        if (!input.isEmpty() && !target.numbered &&
            isSameFile(QFile::encodeName(target.path).toStdString(),
                       QFile::encodeName(input).toStdString())) {
            return fail(err, QStringLiteral("Il documento \"%1\" prenderebbe il posto del file "
                                            "di dati \"%2\": indicare un altro nome con -o.")
                                 .arg(QDir::toNativeSeparators(target.path),
                                      QDir::toNativeSeparators(input)));
        }
    }

    SavedFile saved{target.path, false, {}, {}};
    if (options.output.isEmpty())
        saved = saveDocument(w, target, paths.documentsDir());
    else if (isPdfName(target.path))
        saved.error = savePdf(w.document(), target.path);
    else
        saved.error = w.save(target.path);
    if (!saved.ok()) {
        return fail(err, QStringLiteral("Impossibile scrivere il documento \"%1\": %2.")
                             .arg(QDir::toNativeSeparators(saved.path), saved.error));
    }
    if (saved.elsewhere)
        err << QStringLiteral("La cartella prevista non \u00e8 scrivibile: documento salvato "
                              "altrove.\n");
    out << terminalSafe(QDir::toNativeSeparators(saved.path)) << '\n';
    err.flush();
    return 0;
}

} // namespace

int runDocument(const DocumentOptions& options, QTextStream& out, QTextStream& err)
{
    if (options.kind == DocumentKind::ComparisonSheet) {
        ReportWriter w;
        QString persona;
        if (!composeComparison(w, options, persona, err)) return 1;
        return writeDocument(w, options, persona, out, err);
    }
    ArchiveSnapshot archive;
    ReportSnapshot& snapshot = archive.windows;
    snapshot.types.scale = snapshot.data.scale = scaleCaptions();
    if (!options.file.isEmpty()) {
        const ArchiveLoad load = loadArchiveFile(options.file);
        if (!load.record) return fail(err, load.error);
        archive = snapshotFromArchive(
            *load.record, InstallationData::fromFiles(ProgramPaths::current().installationFiles()),
            options.locale);
        if (needsResults(options.kind) && !archive.missing.empty()) {
            writeIncomplete(err, options.file, QStringLiteral("documento non scritto"),
                            archive.missing);
            err.flush();
            return 1;
        }
    }

    ReportWriter w;
    compose(w, options.kind, archive);
    return writeDocument(w, options, snapshot.title.persona, out, err);
}

} // namespace tipolab
