// Where documents are written and under which names. Names made from what the
// user typed never leave the folder they are meant for.
#pragma once

#include "report_writer.h"

#include <QString>

namespace tipolab {

// `text` with every character that cannot stand in a file name on the usual
// systems (path separators, : * ? " < > |, control characters) replaced by "_".
QString fileNameSafe(const QString& text);

// A file name "<prefix><part><suffix>" whose UTF-8 length stays within what
// file systems accept, shortening the safe form of `part` when needed.
QString boundedFileName(const QString& prefix, const QString& part, const QString& suffix);

// The report's file: the program folder's path directly followed by
// "-RelazioneTipolab-", the person's name and ".doc"; that is, in the folder
// above the program's folder, named after it.
QString reportFilePath(const QString& programDir, const QString& persona);
// The guide's file: the program folder's path directly followed by the program
// name, "-guida" and ".doc".
QString guideFilePath(const QString& programDir, const QString& programName);
// A sheet's file in `folder`: "<program>-<kind>-<persona>.doc" (without the
// last part when `persona` is empty), numbered " (2)", " (3)" ... when taken,
// so that an earlier sheet still open elsewhere is never overwritten.
QString sheetFilePath(const QString& folder, const QString& programName, const QString& kind,
                      const QString& persona);

struct SavedFile {
    QString path;           // where the document is, when saved
    bool elsewhere = false; // saved in the fallback folder instead
    QString error;          // why it could not be saved; empty on success
    bool ok() const { return error.isEmpty(); }
};

// Saves under `path`, making its folder when missing. When that folder cannot
// be written, saves under the same file name in `fallbackFolder` (created when
// missing).
SavedFile saveDocument(const ReportWriter& writer, const QString& path,
                       const QString& fallbackFolder);

} // namespace tipolab
