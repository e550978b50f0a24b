// The archive commands of the data window: open, save, save as and delete an
// assessment file ("Tipolab-dati-..."). Every window forwards its archive
// commands to these through the data window.
//
// A failure is told to the user: which file and why, under the check title.
// An open that fails changes nothing of the assessment or the windows; a save
// that fails leaves an existing file as it was.
//
// Nothing typed is lost on the way: work not yet saved is offered for saving
// before another file replaces it; a save never silently undoes a change that
// someone else made to the file after it was opened; a lock file beside the
// open archive tells other windows of the program that it is open; and, when
// the module names a recovery folder, a copy of the work survives a crash.
#pragma once

#include "archive/archive_codec.h"
#include "state/archive_lock.h"
#include "state/recovery_files.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <string>

namespace tipolab {

class ModuloTipolab;
class RecoveryCopy;
class dati;

// The examined person as the questions about an assessment name it.
QString personaAsAsked(const QString& name);

class ArchiveCommands {
public:
    ArchiveCommands(ModuloTipolab& module, dati& window);
    ~ArchiveCommands();

    // Reads a chosen file into the title page, the types window and the data window.
    void apri();
    // The same with the file `path` chosen elsewhere (the register): the
    // unsaved-work question, the lock, the whole file read. False when nothing opened.
    bool apriFile(const QString& path);
    // The folder of the file last opened or saved (or chosen), for the next dialog.
    QString lastFolder() const;
    // Empties every working window for another person, after the unsaved-work
    // question; the next save asks for a name.
    void nuova();
    // Writes to the current file, asking for a name when there is none yet.
    void salva();
    // Saves under a new name that carries today's date, offered in the save
    // dialog, so that the file of an earlier assessment stays as it was.
    void salvaComeNuova();
    // Always asks for the name.
    void salvaConNome();
    // Moves a chosen file to the system's trash, or deletes it for good when
    // the user agrees that there is no trash to take it.
    void elimina();

    // The file last opened or saved; empty until then.
    const QString& currentFileName() const { return m_currentFile; }

    // The assessment on display, as its archive would hold it.
    std::string shownArchive() const;
    // Whether it changed since it was last opened or saved.
    bool hasUnsavedChanges() const { return comparableArchive() != m_savedArchive; }
    // The file it belongs to, for the recovery copy.
    RecoveryOrigin origin() const { return {m_currentFile, m_stamp}; }
    // Shows a recovered copy as work not yet saved to `origin`.
    void takeRecovered(const ArchiveRecord& record, const RecoveryOrigin& origin);
    // A window was cleared: the recovery copy keeps what it held until the next change.
    void cleared();

    // The file dialogs' name filters. "Tutti i file (*.*)" keeps its caption but
    // matches every name, dotted or not.
    static QStringList saveFilters();
    static QStringList openFilters();

private:
    bool save(bool askForName);
    // Asked before the assessment on display is replaced (to do `what`:
    // "aprire un altro file"); false to stop.
    bool unsavedWorkAllowsOpen(const QString& what = QStringLiteral("aprire un altro file"));
    // Asked when `path` changed on disk since it was read; false to stop,
    // `saveAs` set when the user would rather choose another name.
    bool changedFileMayBeReplaced(const QString& path, bool& saveAs);
    bool lockAllowsOpen(const QString& path);
    bool openChosen(const QString& path);
    void show(const ArchiveRecord& record);
    void report(const QString& message);
    void remember(const QString& chosen) { m_dialogName = chosen; }
    // `path` now holds the assessment on display: first of the recent archives.
    void listRecent(const QString& path);
    QString persona() const;
    TitleFields shownTitle() const;
    // The archive with every type as the data window displays it, so that
    // merely looking at a type (which fills in its default weights) is no change.
    std::string comparableArchive() const;

    ModuloTipolab& m_module;
    dati& m_window;
    QString m_currentFile;
    // The name the file dialogs last returned, offered again by the next one.
    QString m_dialogName;
    // What the assessment was when last opened or saved (comparable), and
    // what the file was.
    std::string m_savedArchive;
    std::optional<FileStamp> m_stamp;
    ArchiveLock m_lock;
    std::unique_ptr<RecoveryCopy> m_recovery; // none without a recovery folder
};

} // namespace tipolab
