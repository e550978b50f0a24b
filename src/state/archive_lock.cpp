#include "archive_lock.h"

#include "files/file_io.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <cerrno>
#include <csignal>
#include <pwd.h>
#include <unistd.h>

namespace tipolab {
namespace {

QString userName()
{
    if (const passwd* entry = ::getpwuid(::getuid())) return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(::getuid());
}

QString hostName()
{
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return {};
    return QString::fromLocal8Bit(name);
}

std::optional<LockOwner> readLock(const QString& lockFile)
{
    const FileRead file = readRegularFile(QFile::encodeName(lockFile).toStdString(), 4096);
    if (!file.ok()) return std::nullopt;
    const QStringList parts =
        QString::fromUtf8(file.bytes.data(), qsizetype(file.bytes.size())).trimmed().split(u',');
    if (parts.size() != 4) return std::nullopt;
    LockOwner out{parts[0], parts[1], parts[2].toLongLong(),
                  QDateTime::fromString(parts[3], Qt::ISODate)};
    return out;
}

bool isOurs(const LockOwner& owner)
{
    return owner.host == hostName() && owner.process == ::getpid();
}

// A lock of this computer whose process is gone; one of another computer
// cannot be told, and holds.
bool isStale(const LockOwner& owner)
{
    if (owner.host != hostName()) return false;
    return owner.process <= 0 ||
           (::kill(static_cast<pid_t>(owner.process), 0) != 0 && errno == ESRCH);
}

} // namespace

QString lockFileOf(const QString& path)
{
    const QFileInfo info(path);
    return info.dir().filePath(QStringLiteral(".~lock.") + info.fileName() + u'#');
}

std::optional<LockOwner> otherOwner(const QString& path)
{
    std::optional<LockOwner> owner = readLock(lockFileOf(path));
    if (!owner || isOurs(*owner) || isStale(*owner)) return std::nullopt;
    return owner;
}

void ArchiveLock::take(const QString& path)
{
    const QString lockFile = lockFileOf(path);
    if (lockFile == m_lockFile) return;
    release();
    const QString line = QStringList{userName(), hostName(), QString::number(::getpid()),
                                     QDateTime::currentDateTime().toString(Qt::ISODate)}
                             .join(u',') +
                         u'\n';
    const QByteArray bytes = line.toUtf8();
    // Made anew, never written through whatever lies there: a link planted
    // in its place would lead the write elsewhere.
    const std::string name = QFile::encodeName(lockFile).toStdString();
    ::unlink(name.c_str());
    if (saveFile(name, {bytes.constData(), static_cast<std::size_t>(bytes.size())},
                 SaveMode::CreateNew) == 0)
        m_lockFile = lockFile;
}

void ArchiveLock::release()
{
    if (m_lockFile.isEmpty()) return;
    const std::optional<LockOwner> owner = readLock(m_lockFile);
    if (owner && isOurs(*owner)) QFile::remove(m_lockFile);
    m_lockFile.clear();
}

} // namespace tipolab
