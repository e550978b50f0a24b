// "tipolab-cli registro": every archive in some folders (and files) as one
// table, with the local norms from 30 complete assessments on; as text or as
// CSV, with the names replaced by codes on request.
#pragma once

#include <QLocale>
#include <QStringList>
#include <QTextStream>

namespace tipolab {

struct RegisterOptions {
    bool csv = false;
    QString workbook; // with it, the register is written as this spreadsheet (.xlsx)
    QStringList paths;
    QString keyFile; // with it, names become codes and their key goes here (0600)
    QLocale locale;
    bool toTerminal = false;
};

// Writes the register to `out`. Returns 0 when every archive could be read,
// 1 when any is damaged (it is listed all the same) or the key could not be written.
int runRegister(const RegisterOptions& options, QTextStream& out, QTextStream& err);

} // namespace tipolab
