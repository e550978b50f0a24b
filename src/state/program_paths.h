// Where the program's files are. The one place that decides it:
// - the read-only files the program ships (tips, price list, tune, the default
//   installation data): beside the program in a build tree; in share/tipolab
//   beside the program's bin folder when installed (/usr/share/tipolab for
//   /usr/bin/tipolab, and the same for an installation moved elsewhere);
// - the user's own writable files: the configuration folder Tipolab
//   (~/.config/Tipolab), the data folder Tipolab (~/.local/share/Tipolab) for
//   the files the user brings in, such as a refreshed price list, and the
//   system-wide installation data that whoever installs the program may set
//   (/etc/tipolab/tipolab.ini);
// - where the report and the full guide go: beside the program's folder in a
//   build tree; an installed program never writes beside itself, whoever runs
//   it, so its documents go to the user's documents folder.
#pragma once

#include "installation_data.h"

#include <QString>
#include <QStringList>
#include <array>

namespace tipolab {

class ProgramPaths {
public:
    // The paths of a program whose executable lies in `programDir`, for a user
    // whose configuration folder is `configHome` (e.g. ~/.config) and whose
    // documents folder is `documentsDir`; `systemConfigDir` holds the
    // system-wide installation data; the user's data folder lies in
    // `dataHome` (e.g. ~/.local/share).
    ProgramPaths(const QString& programDir, const QString& configHome, const QString& documentsDir,
                 const QString& systemConfigDir = QStringLiteral("/etc/tipolab"),
                 const QString& dataHome = {});

    // The running program's, for the user who runs it.
    static const ProgramPaths& current();

    // True when the shipped files lie in share/tipolab beside the program's
    // bin folder rather than beside the program.
    bool installed() const { return m_installed; }
    QString programDir() const { return m_programDir; }
    QString dataDir() const { return m_dataDir; }
    // A shipped read-only file, by name.
    QString dataFile(const QString& name) const;
    // The user's configuration file, written by the studio dialog.
    QString userConfigFile() const;
    // A file of the user's own data folder, by name.
    QString userDataFile(const QString& name) const;
    QString systemConfigFile() const;
    // The three installation files in the order they are read.
    InstallationFiles installationFiles() const;

    QString documentsDir() const { return m_documentsDir; }
    // The folder that the report and the full guide are written beside and
    // named after: the program's own folder in a build tree; for an installed
    // program a "Tipolab" folder inside the documents folder, which is never
    // made, so that the report is <documents>/Tipolab-RelazioneTipolab-....doc.
    QString documentsBeside() const;

    // The shipped files the program reads.
    struct ShippedFile {
        const char* name;
        const char* what; // in the user's words
    };
    static const std::array<ShippedFile, 4>& shippedFiles();
    // The shipped files that are not there, as full paths.
    QStringList missingShippedFiles() const;

private:
    QString m_programDir;
    QString m_dataDir;
    QString m_configDir;
    QString m_userDataDir;
    QString m_systemConfigDir;
    QString m_documentsDir;
    bool m_installed = false;
};

} // namespace tipolab
