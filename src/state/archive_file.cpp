#include "archive_file.h"

#include "files/error_reasons.h"
#include "files/file_io.h"
#include "file_save.h"

#include <QDir>
#include <QFile>

namespace tipolab {
namespace {

QString shownName(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

ArchiveLoad loadArchiveFile(const QString& path)
{
    ArchiveLoad out;
    const QString name = shownName(path);
    const FileRead file = readRegularFile(QFile::encodeName(path).toStdString(), kMaxArchiveSize);
    switch (file.problem) {
    case FileRead::Problem::None:
        break;
    case FileRead::Problem::NotFound:
        out.error = QStringLiteral("Il file \"%1\" non esiste.").arg(name);
        return out;
    case FileRead::Problem::NotRegular:
        out.error = QStringLiteral("\"%1\" \u00e8 %2, non un file di dati.")
                        .arg(name, QString::fromUtf8(file.kind.data(), file.kind.size()));
        return out;
    case FileRead::Problem::TooLarge:
        out.error = QStringLiteral("Il file \"%1\" \u00e8 troppo grande per essere un file di "
                                   "dati di Tipolab.")
                        .arg(name);
        return out;
    case FileRead::Problem::OpenFailed:
        out.error = QStringLiteral("Impossibile aprire il file \"%1\": %2.")
                        .arg(name, QString::fromStdString(errorReason(file.error)));
        return out;
    case FileRead::Problem::ReadFailed:
        out.error = QStringLiteral("Impossibile leggere il file \"%1\": %2.")
                        .arg(name, QString::fromStdString(errorReason(file.error)));
        return out;
    }
    ArchiveReadResult read = readArchive(file.bytes);
    if (!read.record) {
        out.error = QStringLiteral("Il file \"%1\" non \u00e8 un file di dati di Tipolab "
                                   "valido e non \u00e8 stato caricato: %2.")
                        .arg(name, QString::fromStdString(read.error.describe()));
        return out;
    }
    out.record = std::move(read.record);
    out.stamp = stampOf(path, file.bytes);
    return out;
}

QString loadArchiveInto(const QString& path, AssessmentData& data, TitleFields& title)
{
    ArchiveLoad load = loadArchiveFile(path);
    if (!load.record) return load.error;
    applyRecord(*load.record, data);
    title = load.record->title;
    return {};
}

QString saveArchiveFile(const QString& path, const ArchiveRecord& record)
{
    return saveArchiveFile(path, writeArchive(record));
}

QString saveArchiveFile(const QString& path, const std::string& archive)
{
    // A person's data: readable by the user alone, unless the file replaced was not.
    return saveWholeFile(path, QByteArray::fromStdString(archive), FileAccess::OwnerOnly);
}

} // namespace tipolab
