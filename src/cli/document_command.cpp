#include "document_command.h"

#include "archive/archive_results.h"
#include "comparison_command.h"
#include "contents/comparison_files.h"
#include "contents/snapshot_from_archive.h"
#include "output/document_files.h"
#include "output/pdf_writer.h"
#include "state/archive_file.h"
#include "state/program_paths.h"
#include "terminal_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tipolab {
namespace {

int fail(QTextStream& err, const QString& message)
{
    err << terminalSafe(message) << '\n';
    err.flush();
    return 1;
}

// The comparison sheet of two archives; false, told on `err`, when either is
// damaged or incomplete. Differing names are a warning.
bool readComparison(const DocumentOptions& options, DocumentSource& source, QTextStream& err)
{
    std::optional<ComparisonSnapshot> compared =
        compareOrTell(options.earlier, options.file, options.locale,
                      QStringLiteral("documento non scritto"), err);
    if (!compared) return false;
    source.heading = sheetHeading(compared->after.persona);
    source.comparison = std::move(*compared);
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
        const DocumentKindRow& row = documentKind(options.kind);
        target.path = sheetFilePath(QDir::currentPath(), sheetHeading(persona).programName,
                                    QLatin1String(row.stem), row.named ? persona : QString());
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
        saved.error = saveRtf(w.document(), target.path);
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
    DocumentSource source;
    if (options.kind == DocumentKind::RegisterSheet) {
        RegisterSnapshot& reg = source.classRegister;
        reg.rows = readRegister(registerFiles(options.paths));
        reg.folderName =
            QFileInfo(QDir::cleanPath(QDir(options.paths.front()).absolutePath())).fileName();
        reg.locale = options.locale;
        for (const RegisterRow& row : reg.rows) {
            if (row.state == RegisterState::Damaged) err << terminalSafe(row.reason) << '\n';
        }
        source.heading = sheetHeading(reg.folderName);
    } else if (options.kind == DocumentKind::ComparisonSheet) {
        if (!readComparison(options, source, err)) return 1;
    } else {
        ReportSnapshot& snapshot = source.windows;
        snapshot.types.scale = snapshot.data.scale = source.scale = scaleCaptions();
        if (!options.file.isEmpty()) {
            const ArchiveLoad load = loadArchiveFile(options.file);
            if (!load.record) return fail(err, load.error);
            ArchiveSnapshot archive = snapshotFromArchive(
                *load.record,
                InstallationData::fromFiles(ProgramPaths::current().installationFiles()),
                options.locale);
            if (documentKind(options.kind).needsResults && !archive.missing.empty()) {
                writeIncomplete(err, options.file, QStringLiteral("documento non scritto"),
                                evaluateArchive(*load.record).data);
                err.flush();
                return 1;
            }
            if (options.kind == DocumentKind::ProfessionsSheet) {
                source.professions =
                    professionsSnapshot(archive.profile.profile.synthetic,
                                        archive.profile.profile.analytic, false, options.locale);
                if (source.professions.ranking.flat) {
                    return fail(err, QStringLiteral("%1: %2 Foglio non scritto.")
                                         .arg(options.file, QString::fromUtf8(kFlatProfile)));
                }
            }
            snapshot = std::move(archive.windows);
            source.profile = std::move(archive.profile);
        }
        source.heading = sheetHeading(snapshot.title.persona);
    }
    ReportWriter w;
    composeDocument(w, options.kind, source);
    return writeDocument(w, options, source.heading.persona, out, err);
}

} // namespace tipolab
