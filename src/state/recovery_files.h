// The recovery folder (~/.local/share/Tipolab/recupero, the user's alone):
// each running program keeps there a copy of the assessment it has on display
// with the file it came from, so that a crash, a kill or a power cut loses at
// most the last seconds of work. A program that ends normally removes its
// copy; a copy whose program is gone is offered at the next start.
//
// Each program holds a lock on its own copy for as long as it runs, so that
// two programs at once never take each other's copy for a crashed one.
#pragma once

#include "file_stamp.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>
#include <string_view>

namespace tipolab {

// The archive an assessment came from and what it was when read.
struct RecoveryOrigin {
    QString file; // empty for an assessment never saved
    std::optional<FileStamp> stamp;
};

class RecoveryFiles {
public:
    explicit RecoveryFiles(QString folder);
    // Keeps a copy still written: only remove() takes it away.
    ~RecoveryFiles();
    RecoveryFiles(const RecoveryFiles&) = delete;
    RecoveryFiles& operator=(const RecoveryFiles&) = delete;

    // Writes this program's copy, readable by the user alone, in one step.
    // Returns why it failed, in Italian, or an empty text.
    QString write(std::string_view archive, const RecoveryOrigin& origin);
    // Removes this program's copy.
    void remove();
    bool holdsCopy() const { return m_written; }

private:
    QString path(const QString& suffix) const;
    QString prepare();

    QString m_folder;
    QString m_id;
    int m_lock = -1;
    bool m_written = false;
};

// A copy left by a program that did not end normally.
struct LeftCopy {
    QString archive; // the copy, in the archive format
    RecoveryOrigin origin;
    QDateTime modified; // when it was last written
};

// The copies in `folder` whose programs are gone, the newest first.
QList<LeftCopy> leftCopies(const QString& folder);
// Keeps the copy in its folder under a dated archive name, for a later look;
// returns that name, or an empty text when it could not be renamed.
QString keepDated(const LeftCopy& copy);
// Removes the copy.
void discard(const LeftCopy& copy);

} // namespace tipolab
