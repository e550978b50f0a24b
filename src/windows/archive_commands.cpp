#include "archive_commands.h"

#include "dati.h"
#include "frontespizio.h"
#include "state/archive_file.h"
#include "files/error_reasons.h"
#include "shell/modulo_tipolab.h"
#include "tipi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <unistd.h>

namespace tipolab {
namespace {

const QString kAllFiles = QStringLiteral("Tutti i file (*.*) (*)");
const QString kArchiveFiles = QStringLiteral("File Tipolab-dati- (Tipolab-dati-*)");

// The folder of a name the dialogs returned, where the open dialog starts;
// empty while no file has been chosen yet.
QString folderOf(const QString& name)
{
    const QFileInfo info(name);
    return info.isAbsolute() ? info.absolutePath() : QString();
}

// On the free desktops the user's trash lives in the data folder
// (~/.local/share/Trash), and Qt makes the trash only inside an existing data
// folder: without one it would file the "trashed" file under the working
// directory. So the data folder is made first where it is missing.
void ensureTrashHome()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
#endif
}

} // namespace

ArchiveCommands::ArchiveCommands(ModuloTipolab& module, dati& window)
    : m_module(module), m_window(window)
{
}

QStringList ArchiveCommands::saveFilters()
{
    return {kArchiveFiles};
}

QStringList ArchiveCommands::openFilters()
{
    return {kAllFiles, kArchiveFiles};
}

void ArchiveCommands::report(const QString& message)
{
    m_module.dialogs().message(message, m_module.checkTitle(), QMessageBox::Critical);
}

void ArchiveCommands::apri()
{
    const QString path = m_module.dialogs().openFile(QStringLiteral("Apri file"), openFilters(), 1,
                                                     folderOf(m_dialogName));
    if (path.isEmpty()) return;
    remember(path);
    // The whole file is read before anything changes: a damaged file is refused whole.
    const ArchiveLoad load = loadArchiveFile(path);
    if (!load.record) {
        report(load.error);
        return;
    }
    const ArchiveRecord& record = *load.record;
    m_currentFile = path;

    // The title page takes its fields as if they were typed.
    if (auto* title = m_module.windowAs<frontespizio>(WindowId::Frontespizio))
        title->setFields(record.title);
    AssessmentData& data = m_module.data();
    data.types = record.types;
    if (auto* types = m_module.windowAs<tipi>(WindowId::Tipi))
        types->showLoadedJudgements(record.types);
    data.characteristics = record.characteristics;
    m_window.showLoadedCharacteristics();
}

void ArchiveCommands::salva()
{
    save(false);
}

void ArchiveCommands::salvaConNome()
{
    save(true);
}

void ArchiveCommands::save(bool askForName)
{
    // Work in progress may be saved: the check looks at the type on display only.
    if (!m_window.checkSilently(dati::CheckScope::TypeOnDisplay)) return;

    // A title page never opened has every field empty.
    TitleFields title;
    if (auto* page = qobject_cast<frontespizio*>(m_module.existingWindow(WindowId::Frontespizio)))
        title = page->fields();
    if (QString::fromStdString(title[kPersonaField]).trimmed().isEmpty()) {
        m_module.dialogs().message(
            QStringLiteral("Digitare almeno il nome della persona sottoposta al test."),
            m_module.checkTitle(), QMessageBox::Critical);
        m_module.showWindow(WindowId::Frontespizio);
        return;
    }

    QString path = askForName ? QString() : m_currentFile;
    if (path.isEmpty()) {
        path = m_module.dialogs().saveFile(askForName ? QStringLiteral("Salva file con nome")
                                                      : QStringLiteral("Salva file"),
                                           saveFilters(), 0, m_dialogName);
        if (path.isEmpty()) return; // cancelled: nothing written
        remember(path);
    }
    const QString error = saveArchiveFile(path, recordFrom(m_module.data(), title));
    if (!error.isEmpty()) {
        report(error);
        return;
    }
    m_currentFile = path;
}

void ArchiveCommands::elimina()
{
    const QString path = m_module.dialogs().openFile(
        QString::fromStdString(ProgramIdentity::deleteTitle()), openFilters(), 1, m_dialogName);
    if (path.isEmpty()) return; // cancelled: nothing deleted
    remember(path);

    const QString name = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists()) {
        report(QStringLiteral("Il file \"%1\" non esiste: non è stato eliminato nulla.").arg(name));
        return;
    }
    if (info.isDir()) {
        report(QStringLiteral("\"%1\" è una cartella, non un file di dati: non è stata eliminata.")
                   .arg(name));
        return;
    }
    // Into the trash, so that a wrong click can be undone; deleted where there is no trash.
    ensureTrashHome();
    QFile file(path);
    if (file.moveToTrash() || ::unlink(QFile::encodeName(path).constData()) == 0) return;
    const QString why = QString::fromStdString(errorReason(errno));
    report(QStringLiteral("Impossibile eliminare il file \"%1\": %2.").arg(name, why));
}

} // namespace tipolab
