// The data fixed for one installation: the studio that uses the program and the
// supplier's contact data. Read once at start from tipolab.ini in the program's
// folder; neutral texts stand in for whatever is missing.
#pragma once

#include <QString>
#include <QStringList>

namespace tipolab {

struct InstallationData {
    QString studioName;
    QString studioAddress;
    QString supplierName;
    QString supplierAddress;
    QString supplierWebSite;
    QString supplierEmail;
    QString supplierPhone;

    // Reads `path`, an INI file with the sections [studio] and [fornitore]:
    // "key=value" lines, blanks around either ignored, a value optionally in
    // double quotes, ';' or '#' opening a comment line. Values are taken as
    // plain text, whatever they look like.
    static InstallationData load(const QString& path);
    // The same from the file's lines.
    static InstallationData fromLines(const QStringList& lines);
    // tipolab.ini in the program's folder.
    static InstallationData loadDefault();
};

} // namespace tipolab
