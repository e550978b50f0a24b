// The copy of the assessment on display that survives a crash: written to the
// recovery folder about two seconds after the last key or click that changed
// anything, removed once the work is saved and when the windows close
// normally; and, at the next start, the offer of a copy a crashed program
// left.
#pragma once

#include "state/recovery_files.h"

#include <QObject>
#include <QTimer>
#include <optional>
#include <string>

namespace tipolab {

class ArchiveCommands;
class ModuloTipolab;

class RecoveryCopy : public QObject {
    Q_OBJECT
public:
    RecoveryCopy(const QString& folder, ArchiveCommands& archive);
    // The windows close normally: nothing is left to recover.
    ~RecoveryCopy() override;

    // The copy as the assessment now stands: written while it has unsaved
    // changes, removed when it has none.
    void bringUpToDate();
    // After a clear: the copy keeps what was cleared until the next change.
    void holdCleared();

    // How long after the last key or click the copy is written.
    static constexpr int kDelayMs = 2000;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ArchiveCommands& m_archive;
    RecoveryFiles m_files;
    QTimer m_timer;
    std::string m_written;             // what the copy holds
    std::optional<std::string> m_held; // the assessment just after a clear
};

// At the start: offers each copy that a program which did not end normally
// left in the module's recovery folder, the newest first. Sì shows it in the
// working windows as unsaved work; No keeps it in the folder under a dated
// name and says where, as happens to every copy after one is recovered.
void offerRecovery(ModuloTipolab& module);

} // namespace tipolab
