// The data fixed for one installation: the studio that uses the program and the
// supplier's contact data. Read once at start; neutral texts stand in for
// whatever is missing. The studio's name and address may be set from the
// program (the studio dialog), which saves them in the user's own file.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tipolab {

// The installation files, in the order the studio's data are looked for.
struct InstallationFiles {
    QString user;    // the user's own, written by the studio dialog
    QString system;  // set for every user of the computer by whoever installs the program
    QString shipped; // the program's own, with the supplier's data
};

struct InstallationData {
    QString studioName;
    QString studioAddress;
    QString supplierName;
    QString supplierAddress;
    QString supplierWebSite;
    QString supplierEmail;
    QString supplierPhone;

    // Set by fromFiles(): no one has named the studio yet, neither
    // in the user's file nor in the system's, so the program asks for it once.
    bool studioUnset = false;
    // Where the studio's data are saved: the user's file.
    QString userFile;

    // Reads `path`, an INI file with the sections [studio] and [fornitore]:
    // "key=value" lines, blanks around either ignored, a value optionally in
    // double quotes, ';' or '#' opening a comment line. Values are taken as
    // plain text, whatever they look like.
    static InstallationData load(const QString& path);
    // The same from the file's lines.
    static InstallationData fromLines(const QStringList& lines);
    // The studio from the first of the user's and the system's files that
    // names one, else from the shipped file; the supplier always from the
    // shipped file.
    static InstallationData fromFiles(const InstallationFiles& files);

    // The user's file holding the studio's `name` and `address`, as load()
    // reads them back.
    static QByteArray studioFileBytes(const QString& name, const QString& address);
    // Writes that file at `path` (its folder made when missing) in one step:
    // a file that cannot be written leaves the one before as it was. Returns
    // why it failed, empty on success.
    static QString saveStudio(const QString& path, const QString& name, const QString& address);
};

} // namespace tipolab
