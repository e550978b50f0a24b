#include "archive_file.h"

#include "file_save.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
    QFileInfo info(path);
    if (!info.exists()) {
        out.error = QStringLiteral("Il file \"%1\" non esiste.").arg(name);
        return out;
    }
    if (info.isDir()) {
        out.error = QStringLiteral("\"%1\" \u00e8 una cartella, non un file di dati.").arg(name);
        return out;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        out.error =
            QStringLiteral("Impossibile aprire il file \"%1\": %2.").arg(name, file.errorString());
        return out;
    }
    // An archive is a few kilobytes; anything far larger is not one.
    constexpr qint64 kMaxSize = 16 * 1024 * 1024;
    if (file.size() > kMaxSize) {
        out.error = QStringLiteral("Il file \"%1\" \u00e8 troppo grande per essere un file di "
                                   "dati di Tipolab.")
                        .arg(name);
        return out;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        out.error =
            QStringLiteral("Impossibile leggere il file \"%1\": %2.").arg(name, file.errorString());
        return out;
    }
    ArchiveReadResult read = readArchive(std::string_view(bytes.constData(), bytes.size()));
    if (!read.record) {
        out.error = QStringLiteral("Il file \"%1\" non \u00e8 un file di dati di Tipolab "
                                   "valido e non \u00e8 stato caricato: %2.")
                        .arg(name, QString::fromStdString(read.error.describe()));
        return out;
    }
    out.record = std::move(read.record);
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
    return saveWholeFile(path, QByteArray::fromStdString(writeArchive(record)));
}

} // namespace tipolab
