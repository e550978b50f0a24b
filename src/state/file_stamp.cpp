#include "file_stamp.h"

#include "files/file_io.h"

#include <QCryptographicHash>
#include <QFile>
#include <QStringList>
#include <sys/stat.h>

namespace tipolab {

QString FileStamp::toText() const
{
    return QStringLiteral("%1 %2 %3")
        .arg(size)
        .arg(modifiedNs)
        .arg(QString::fromLatin1(hash.toHex()));
}

std::optional<FileStamp> FileStamp::fromText(const QString& text)
{
    const QStringList parts = text.split(u' ');
    if (parts.size() != 3) return std::nullopt;
    FileStamp out;
    bool sizeOk = false, timeOk = false;
    out.size = parts[0].toLongLong(&sizeOk);
    out.modifiedNs = parts[1].toLongLong(&timeOk);
    out.hash = QByteArray::fromHex(parts[2].toLatin1());
    if (!sizeOk || !timeOk || out.hash.size() != 32) return std::nullopt;
    return out;
}

std::optional<FileStamp> stampOf(const QString& path, std::string_view bytes)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return std::nullopt;
    FileStamp out;
    out.size = static_cast<qint64>(bytes.size());
    out.modifiedNs = static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    out.hash = QCryptographicHash::hash(QByteArrayView(bytes.data(), qsizetype(bytes.size())),
                                        QCryptographicHash::Sha256);
    return out;
}

std::optional<FileStamp> currentStamp(const QString& path, std::size_t limit)
{
    const FileRead file = readRegularFile(QFile::encodeName(path).toStdString(), limit);
    if (!file.ok()) return std::nullopt;
    return stampOf(path, file.bytes);
}

} // namespace tipolab
