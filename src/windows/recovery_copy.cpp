#include "recovery_copy.h"

#include "archive_commands.h"
#include "dati.h"
#include "shell/modulo_tipolab.h"
#include "state/archive_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLocale>

namespace tipolab {

RecoveryCopy::RecoveryCopy(const QString& folder, ArchiveCommands& archive)
    : m_archive(archive), m_files(folder)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryCopy::bringUpToDate);
    // Whatever changes the assessment comes after a key or a click somewhere.
    QCoreApplication::instance()->installEventFilter(this);
}

RecoveryCopy::~RecoveryCopy()
{
    m_files.remove();
}

bool RecoveryCopy::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
    case QEvent::InputMethod:
        m_timer.start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void RecoveryCopy::bringUpToDate()
{
    m_timer.stop();
    const std::string now = m_archive.shownArchive();
    if (m_held) {
        if (now == *m_held) return;
        m_held.reset();
    }
    if (!m_archive.hasUnsavedChanges()) {
        m_files.remove();
        m_written.clear();
        return;
    }
    if (m_files.holdsCopy() && now == m_written) return;
    // A copy that cannot be written is no reason to interrupt the work: the
    // save remains the way to keep it.
    if (m_files.write(now, m_archive.origin()).isEmpty()) m_written = now;
}

void RecoveryCopy::holdCleared()
{
    m_timer.stop();
    m_held = m_archive.shownArchive();
}

void offerRecovery(ModuloTipolab& module)
{
    if (module.recoveryFolder().isEmpty()) return;
    const QLocale italian(QLocale::Italian);
    bool recovered = false; // one copy in the windows; any other is kept aside
    for (const LeftCopy& copy : leftCopies(module.recoveryFolder())) {
        const ArchiveLoad load = loadArchiveFile(copy.archive);
        const QString persona = personaAsAsked(
            load.record ? QString::fromStdString(load.record->title[kPersonaField]) : QString());
        if (load.record && !recovered) {
            const auto answer = module.dialogs().message(
                QStringLiteral("Tipolab non è stato chiuso correttamente. Recuperare la "
                               "valutazione di %1 (ultima modifica %2)?")
                    .arg(persona, italian.toString(copy.modified,
                                                   QStringLiteral("d MMMM yyyy 'alle' HH:mm"))),
                module.programName(), QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::Yes);
            auto* data = module.windowAs<dati>(WindowId::Dati);
            if (answer == QMessageBox::Yes && data) {
                module.mostratipi();
                data->archive().takeRecovered(*load.record, copy.origin);
                discard(copy);
                recovered = true;
                continue;
            }
        }
        const QString kept = keepDated(copy);
        if (kept.isEmpty()) continue;
        module.dialogs().message(
            load.record
                ? QStringLiteral("La valutazione è stata conservata nel file %1: la si può "
                                 "aprire con «Apri».")
                      .arg(QDir::toNativeSeparators(kept))
                : QStringLiteral("Una copia di recupero danneggiata è stata conservata nel file "
                                 "%1: %2")
                      .arg(QDir::toNativeSeparators(kept), load.error),
            module.programName(), QMessageBox::Information);
    }
}

} // namespace tipolab
