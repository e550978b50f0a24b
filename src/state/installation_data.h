// The data fixed for one installation: the studio that uses the program and the
// supplier's contact data. Read once at start from tipolab.ini in the program's
// folder; neutral texts stand in for whatever is missing.
#pragma once

#include <QString>

namespace tipolab {

struct InstallationData {
    QString studioName;
    QString studioAddress;
    QString supplierName;
    QString supplierAddress;
    QString supplierWebSite;
    QString supplierEmail;
    QString supplierPhone;

    // Reads `path` (an INI file with the sections [studio] and [fornitore]).
    static InstallationData load(const QString& path);
    // tipolab.ini in the program's folder.
    static InstallationData loadDefault();
};

} // namespace tipolab
