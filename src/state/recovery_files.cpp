#include "recovery_files.h"

#include "files/error_reasons.h"
#include "files/file_io.h"
#include "files/private_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tipolab {
namespace {

const QString kCopy = QStringLiteral(".archivio");
const QString kOrigin = QStringLiteral(".origine");
const QString kLock = QStringLiteral(".lock");

std::string native(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// The copy's origin, as two lines: the file, then its stamp.
QByteArray originText(const RecoveryOrigin& origin)
{
    const QString stamp = origin.stamp ? origin.stamp->toText() : QString();
    return (origin.file + u'\n' + stamp + u'\n').toUtf8();
}

RecoveryOrigin originFrom(const QString& path)
{
    RecoveryOrigin out;
    const FileRead file = readRegularFile(native(path), 64 * 1024);
    if (!file.ok()) return out;
    const QStringList lines =
        QString::fromUtf8(file.bytes.data(), qsizetype(file.bytes.size())).split(u'\n');
    out.file = lines.value(0);
    out.stamp = FileStamp::fromText(lines.value(1));
    return out;
}

// Whether the program that wrote copy `id` still runs: it holds the lock.
bool ownerRuns(const QString& lockFile)
{
    const int fd = ::open(native(lockFile).c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

QString sibling(const LeftCopy& copy, const QString& suffix)
{
    QString base = copy.archive;
    base.chop(kCopy.size());
    return base + suffix;
}

} // namespace

RecoveryFiles::RecoveryFiles(QString folder)
    : m_folder(std::move(folder)),
      m_id(QStringLiteral("%1-%2").arg(::getpid()).arg(QDateTime::currentMSecsSinceEpoch()))
{
}

RecoveryFiles::~RecoveryFiles()
{
    if (m_lock < 0) return;
    if (!m_written) QFile::remove(path(kLock));
    ::close(m_lock);
}

QString RecoveryFiles::path(const QString& suffix) const
{
    return QDir(m_folder).filePath(m_id + suffix);
}

QString RecoveryFiles::prepare()
{
    if (m_lock >= 0) return {};
    QDir().mkpath(QFileInfo(m_folder).absolutePath());
    const std::string problem = preparePrivateFolder(native(m_folder), ::getuid());
    if (!problem.empty()) return QString::fromStdString(problem);
    const int fd = ::open(native(path(kLock)).c_str(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return QString::fromStdString(errorReason(errno));
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return QString::fromStdString(errorReason(error));
    }
    m_lock = fd;
    return {};
}

QString RecoveryFiles::write(std::string_view archive, const RecoveryOrigin& origin)
{
    if (QString problem = prepare(); !problem.isEmpty()) return problem;
    const QByteArray where = originText(origin);
    // The origin first: a copy is never without the file it belongs to.
    int error = saveFile(native(path(kOrigin)), {where.constData(), std::size_t(where.size())},
                         SaveMode::Replace, FileAccess::OwnerOnly);
    if (!error)
        error = saveFile(native(path(kCopy)), archive, SaveMode::Replace,
                         FileAccess::OwnerOnly);
    if (error) return QString::fromStdString(errorReason(error));
    m_written = true;
    return {};
}

void RecoveryFiles::remove()
{
    if (!m_written) return;
    QFile::remove(path(kCopy));
    QFile::remove(path(kOrigin));
    m_written = false;
}

QList<LeftCopy> leftCopies(const QString& folder)
{
    QList<LeftCopy> out;
    const QDir dir(folder);
    for (const QFileInfo& info :
         dir.entryInfoList({QStringLiteral("*") + kCopy}, QDir::Files | QDir::NoSymLinks)) {
        QString base = info.absoluteFilePath();
        base.chop(kCopy.size());
        if (ownerRuns(base + kLock)) continue;
        out.append({info.absoluteFilePath(), originFrom(base + kOrigin), info.lastModified()});
    }
    std::sort(out.begin(), out.end(),
              [](const LeftCopy& a, const LeftCopy& b) { return a.modified > b.modified; });
    return out;
}

QString keepDated(const LeftCopy& copy)
{
    const QString stem = QFileInfo(copy.archive).dir().filePath(
        QStringLiteral("Tipolab-dati-recupero-") +
        copy.modified.toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
    QString kept = stem;
    for (int n = 2; QFileInfo::exists(kept); ++n)
        kept = stem + QStringLiteral("-%1").arg(n);
    if (!QFile::rename(copy.archive, kept)) return {};
    QFile::remove(sibling(copy, kOrigin));
    QFile::remove(sibling(copy, kLock));
    return kept;
}

void discard(const LeftCopy& copy)
{
    QFile::remove(copy.archive);
    QFile::remove(sibling(copy, kOrigin));
    QFile::remove(sibling(copy, kLock));
}

} // namespace tipolab
