// The lock file beside an open archive, ".~lock.<name>#": who has it open
// (user, computer, process, since when), so that a second window of the
// program, even another user's on a shared folder, can say so before it
// opens the same file. It only informs: nothing is refused because of it.
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace tipolab {

struct LockOwner {
    QString user;
    QString host;
    qint64 process = 0;
    QDateTime since;
};

// The lock file of the archive `path`.
QString lockFileOf(const QString& path);

// Who else has the archive `path` open: nothing when no one does, when the
// lock is this process's own, or when it is stale (left by a process of this
// computer that no longer runs).
std::optional<LockOwner> otherOwner(const QString& path);

// This process's lock on one archive at a time.
class ArchiveLock {
public:
    ArchiveLock() = default;
    ~ArchiveLock() { release(); }
    ArchiveLock(const ArchiveLock&) = delete;
    ArchiveLock& operator=(const ArchiveLock&) = delete;

    // Locks `path` (a stale or foreign lock is taken over), releasing the
    // archive locked before. A folder that takes no lock file is no error.
    void take(const QString& path);
    // Removes the lock file, unless someone else has taken it over since.
    void release();

private:
    QString m_lockFile;
};

} // namespace tipolab
