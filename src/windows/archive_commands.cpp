#include "archive_commands.h"

#include "core/check.h"
#include "current_results.h"
#include "dati.h"
#include "files/error_reasons.h"
#include "files/file_io.h"
#include "frontespizio.h"
#include "recovery_copy.h"
#include "shell/modulo_tipolab.h"
#include "state/archive_file.h"
#include "tipi.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
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

// The name the save dialog offers: `name` in `folder`, or alone while there
// is no folder yet; by default "Tipolab-dati-", for a new file.
QString freshName(const QString& folder, const QString& name = QStringLiteral("Tipolab-dati-"))
{
    return folder.isEmpty() ? name : QDir(folder).filePath(name);
}

// On the free desktops the user's trash lives in the data folder
// (~/.local/share/Trash), and Qt makes the trash only inside an existing data
// folder: without one it would file the "trashed" file under the working
// directory. So the data folder is made first where it is missing, and where
// it cannot be made there is no trash.
bool ensureTrashHome()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
#else
    return true;
#endif
}

bool sameFile(const QString& a, const QString& b)
{
    return a == b ||
           isSameFile(QFile::encodeName(a).toStdString(), QFile::encodeName(b).toStdString());
}

} // namespace

ArchiveCommands::ArchiveCommands(ModuloTipolab& module, dati& window)
    : m_module(module), m_window(window)
{
    // What the windows hold as they open has nothing to save.
    m_savedArchive = comparableArchive();
    // The dialogs start where the last session left off.
    m_dialogName = freshName(module.recentArchives().lastFolder());
    if (!module.recoveryFolder().isEmpty())
        m_recovery = std::make_unique<RecoveryCopy>(module.recoveryFolder(), *this);
}

ArchiveCommands::~ArchiveCommands() = default;

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

TitleFields ArchiveCommands::shownTitle() const
{
    // A title page never opened has every field empty.
    TitleFields title;
    if (const auto* page =
            qobject_cast<const frontespizio*>(m_module.existingWindow(WindowId::Frontespizio)))
        title = page->fields();
    return title;
}

std::string ArchiveCommands::shownArchive() const
{
    return writeArchive(recordFrom(m_module.data(), shownTitle()));
}

std::string ArchiveCommands::comparableArchive() const
{
    AssessmentData data = m_module.data();
    for (CharacteristicRow& row : data.characteristics)
        applyDisplayDefaults(row);
    return writeArchive(recordFrom(data, shownTitle()));
}

QString personaAsAsked(const QString& name)
{
    const QString trimmed = name.trimmed();
    return trimmed.isEmpty() ? QStringLiteral("(senza nome)") : trimmed;
}

QString ArchiveCommands::persona() const
{
    return personaAsAsked(examinedPerson(m_module));
}

bool ArchiveCommands::unsavedWorkAllowsOpen(const QString& what)
{
    if (!hasUnsavedChanges()) return true;
    const int choice = m_module.dialogs().choose(
        QStringLiteral("La valutazione di %1 ha modifiche non salvate. Salvarla prima di %2?")
            .arg(persona(), what),
        m_module.programName(), QMessageBox::Warning,
        {QStringLiteral("Salva"), QStringLiteral("Non salvare"), QStringLiteral("Annulla")}, 0, 2);
    if (choice == 0) return save(false);
    return choice == 1;
}

bool ArchiveCommands::lockAllowsOpen(const QString& path)
{
    const std::optional<LockOwner> owner = otherOwner(path);
    if (!owner) return true;
    const QString since = QLocale(QLocale::Italian)
                              .toString(owner->since, QStringLiteral("d MMMM yyyy 'alle' HH:mm"));
    const auto answer = m_module.dialogs().message(
        QStringLiteral("Il file è già aperto da %1 su %2 dal %3.\nAprirlo comunque?")
            .arg(owner->user, owner->host, since),
        m_module.programName(), QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
        QMessageBox::No);
    return answer == QMessageBox::Yes;
}

void ArchiveCommands::apri()
{
    if (!unsavedWorkAllowsOpen()) return;
    const QString path = m_module.dialogs().openFile(QStringLiteral("Apri file"), openFilters(), 1,
                                                     folderOf(m_dialogName));
    if (path.isEmpty()) return;
    openChosen(path);
}

bool ArchiveCommands::apriFile(const QString& path)
{
    return unsavedWorkAllowsOpen() && openChosen(path);
}

QString ArchiveCommands::lastFolder() const
{
    return folderOf(m_dialogName);
}

bool ArchiveCommands::openChosen(const QString& path)
{
    if (!lockAllowsOpen(path)) return false;
    // The whole file is read before anything changes: a damaged file is refused whole.
    const ArchiveLoad load = loadArchiveFile(path);
    if (!load.record) {
        report(load.error);
        return false;
    }
    remember(path);
    m_currentFile = path;
    m_stamp = load.stamp;
    m_lock.take(path);
    show(*load.record);
    m_savedArchive = comparableArchive();
    if (m_recovery) m_recovery->bringUpToDate();
    listRecent(path);
    return true;
}

void ArchiveCommands::listRecent(const QString& path)
{
    m_module.recentArchives().add(path, examinedPerson(m_module).trimmed());
}

void ArchiveCommands::nuova()
{
    if (!unsavedWorkAllowsOpen(QStringLiteral("iniziare una nuova valutazione"))) return;
    if (auto* types = qobject_cast<tipi*>(m_module.existingWindow(WindowId::Tipi)))
        types->cancellaFinestra();
    m_window.cancella_click();
    if (auto* title =
            qobject_cast<frontespizio*>(m_module.existingWindow(WindowId::Frontespizio))) {
        TitleFields empty;
        empty[kDataField] = title->fields()[kDataField]; // the date stays today's
        title->setFields(empty);
    }
    m_currentFile.clear();
    m_stamp.reset();
    m_lock.release();
    m_dialogName = freshName(folderOf(m_dialogName));
    m_savedArchive = comparableArchive();
    assessmentReplaced(m_module);
    if (m_recovery) m_recovery->bringUpToDate();
}

void ArchiveCommands::salvaComeNuova()
{
    const QString folder = folderOf(m_currentFile.isEmpty() ? m_dialogName : m_currentFile);
    m_dialogName =
        freshName(folder, QStringLiteral("Tipolab-dati-%1 %2")
                              .arg(examinedPerson(m_module).simplified().replace(u'/', u'-'),
                                   QDate::currentDate().toString(Qt::ISODate)));
    save(true);
}

void ArchiveCommands::show(const ArchiveRecord& record)
{
    // The title page takes its fields as if they were typed.
    if (auto* title = m_module.windowAs<frontespizio>(WindowId::Frontespizio))
        title->setFields(record.title);
    AssessmentData& data = m_module.data();
    data.types = record.types;
    if (auto* types = m_module.windowAs<tipi>(WindowId::Tipi))
        types->showLoadedJudgements(record.types);
    data.characteristics = record.characteristics;
    m_window.showLoadedCharacteristics();
    // The results on show are another assessment's now.
    assessmentReplaced(m_module);
}

void ArchiveCommands::takeRecovered(const ArchiveRecord& record, const RecoveryOrigin& origin)
{
    m_currentFile = origin.file;
    m_stamp = origin.stamp;
    if (!origin.file.isEmpty()) {
        remember(origin.file);
        m_lock.take(origin.file);
    }
    show(record);
    m_savedArchive.clear(); // nothing of it is saved
    if (m_recovery) m_recovery->bringUpToDate();
}

void ArchiveCommands::cleared()
{
    assessmentReplaced(m_module);
    if (m_recovery) m_recovery->holdCleared();
}

void ArchiveCommands::salva()
{
    save(false);
}

void ArchiveCommands::salvaConNome()
{
    save(true);
}

bool ArchiveCommands::changedFileMayBeReplaced(const QString& path, bool& saveAs)
{
    saveAs = false;
    if (!m_stamp || m_currentFile.isEmpty() || !sameFile(path, m_currentFile)) return true;
    const std::optional<FileStamp> now = currentStamp(path, kMaxArchiveSize);
    // A file gone since holds nothing to undo.
    if (!now || *now == *m_stamp) return true;
    const int choice = m_module.dialogs().choose(
        QStringLiteral("Il file %1 è stato modificato dopo l'apertura (da un'altra finestra di "
                       "Tipolab o da un altro programma). Sovrascriverlo?")
            .arg(QFileInfo(path).fileName()),
        m_module.programName(), QMessageBox::Warning,
        {QStringLiteral("Sovrascrivi"), QStringLiteral("Salva con nome"),
         QStringLiteral("Annulla")},
        2, 2);
    saveAs = choice == 1;
    return choice == 0;
}

bool ArchiveCommands::save(bool askForName)
{
    // Work in progress may be saved: the check looks at the type on display only.
    if (!m_window.checkSilently(dati::CheckScope::TypeOnDisplay)) return false;

    const TitleFields title = shownTitle();
    if (QString::fromStdString(title[kPersonaField]).trimmed().isEmpty()) {
        m_module.dialogs().message(
            QStringLiteral("Digitare almeno il nome della persona sottoposta al test."),
            m_module.checkTitle(), QMessageBox::Critical);
        m_module.showWindow(WindowId::Frontespizio);
        return false;
    }

    QString path = askForName ? QString() : m_currentFile;
    for (;;) {
        if (path.isEmpty()) {
            path = m_module.dialogs().saveFile(askForName ? QStringLiteral("Salva file con nome")
                                                          : QStringLiteral("Salva file"),
                                               saveFilters(), 0, m_dialogName);
            if (path.isEmpty()) return false; // cancelled: nothing written
            remember(path);
        }
        bool saveAs = false;
        if (changedFileMayBeReplaced(path, saveAs)) break;
        if (!saveAs) return false;
        path.clear();
        askForName = true;
    }
    const std::string bytes = writeArchive(recordFrom(m_module.data(), title));
    const QString error = saveArchiveFile(path, bytes);
    if (!error.isEmpty()) {
        report(error);
        return false;
    }
    m_currentFile = path;
    m_stamp = stampOf(path, bytes);
    m_lock.take(path);
    m_savedArchive = comparableArchive();
    if (m_recovery) m_recovery->bringUpToDate();
    listRecent(path);
    return true;
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
    // Into the trash, so that a wrong click can be undone; for good only when
    // there is no trash to take it and the user agrees.
    QFile file(path);
    if (ensureTrashHome() && file.moveToTrash()) return;
    const auto answer = m_module.dialogs().message(
        QStringLiteral("Il file non può essere spostato nel cestino. Eliminarlo definitivamente?"),
        m_module.programName(), QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No,
        QMessageBox::No);
    if (answer != QMessageBox::Yes) return;
    if (::unlink(QFile::encodeName(path).constData()) == 0) return;
    const QString why = QString::fromStdString(errorReason(errno));
    report(QStringLiteral("Impossibile eliminare il file \"%1\": %2.").arg(name, why));
}

} // namespace tipolab
