// The archive commands of the data window: open, save, save as and delete an
// assessment file ("Tipolab-dati-..."). Every window forwards its archive
// commands to these through the data window.
//
// A failure is told to the user: which file and why, under the check title.
// An open that fails changes nothing of the assessment or the windows; a save
// that fails leaves an existing file as it was.
#pragma once

#include <QString>
#include <QStringList>

namespace tipolab {

class ModuloTipolab;
class dati;

class ArchiveCommands {
public:
    ArchiveCommands(ModuloTipolab& module, dati& window);

    // Reads a chosen file into the title page, the types window and the data window.
    void apri();
    // Writes to the current file, asking for a name when there is none yet.
    void salva();
    // Always asks for the name.
    void salvaConNome();
    // Moves a chosen file to the system's trash (deletes it where there is none).
    void elimina();

    // The file last opened or saved; empty until then.
    const QString& currentFileName() const { return m_currentFile; }

    // The file dialogs' name filters. "Tutti i file (*.*)" keeps its caption but
    // matches every name, dotted or not.
    static QStringList saveFilters();
    static QStringList openFilters();

private:
    void save(bool askForName);
    void report(const QString& message);
    void remember(const QString& chosen) { m_dialogName = chosen; }

    ModuloTipolab& m_module;
    dati& m_window;
    QString m_currentFile;
    // The name the file dialogs last returned, offered again by the next one.
    QString m_dialogName = QStringLiteral("Tipolab-dati-");
};

} // namespace tipolab
