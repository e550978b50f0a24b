// Where documents are written, under which names, and the one checked save of
// a document's bytes. Names made from what the
// user typed never leave the folder they are meant for, and two different
// names never share a file.
#pragma once

#include "document/report_writer.h"
#include "files/file_io.h"

#include <QString>
#include <QStringList>

namespace tipolab {

// Writes `bytes` beside `path` and then in its place, so that a failure leaves
// a file of that name as it was; a new document is readable by the user
// alone, one replaced keeps its mode. Returns the system's reason of a
// failure, in Italian ("il disco \u00e8 pieno"), or an empty text.
QString replaceDocumentFile(const QString& path, const QByteArray& bytes);
// The document as RTF under `path`, saved in the same way.
QString saveRtf(const ReportDocument& document, const QString& path);

// `text` with every character that cannot stand in a file name on the usual
// systems (path separators, : * ? " < > |, control characters), and the per
// cent sign that introduces them, written as "%" and the character's code in
// two hexadecimal digits: "Rossi/Anna" gives "Rossi%2FAnna", "Rossi:Anna"
// "Rossi%3AAnna". Two different texts never give the same name; a text
// without such characters stays as it is.
QString fileNameSafe(const QString& text);

// A file name "<prefix><part><suffix>" whose UTF-8 length stays within what
// file systems accept. When the safe form of `part` must be shortened, a
// check number of the whole of it follows ("~" and eight hexadecimal digits),
// so that long names which differ only towards their end still differ.
QString boundedFileName(const QString& prefix, const QString& part, const QString& suffix);

// The report's file: the program folder's path directly followed by
// "-RelazioneTipolab-", the person's name and ".doc"; that is, in the folder
// above the program's folder, named after it.
QString reportFilePath(const QString& programDir, const QString& persona);
// The guide's file: the program folder's path directly followed by the program
// name, "-guida" and ".doc".
QString guideFilePath(const QString& programDir, const QString& programName);
// A sheet's file in `folder`: "<program>-<kind>-<persona>.doc" (without the
// last part when `persona` is empty). Saved as a numbered document (below).
QString sheetFilePath(const QString& folder, const QString& programName, const QString& kind,
                      const QString& persona);

// Where a document is to be written.
struct DocumentTarget {
    QString path;
    // Never replaces a file: when the name is taken the document goes under
    // the first free one of "<name> (2).doc", "<name> (3).doc" ..., so that an
    // earlier document, perhaps still open elsewhere, stays as it is.
    bool numbered = false;
    // Files this run of the program wrote itself: a numbered save takes the
    // first of them it meets in place of a new number, so that printing the
    // same document again replaces the copy printed before.
    QStringList ownFiles;
    // Documents hold a person's data: readable by the user alone, unless the
    // file replaced was not.
    FileAccess access = FileAccess::OwnerOnly;
    // Why the folder of `path` must not be used at all; empty when it may.
    QString folderProblem;
};

struct SavedFile {
    QString path;           // where the document is, when saved
    bool elsewhere = false; // saved in the fallback folder instead
    QString folderProblem;  // why, when the folder was refused rather than unwritable
    QString error;          // why it could not be saved; empty on success
    bool ok() const { return error.isEmpty(); }
};

// Saves as `target` says, making its folder when missing. When that folder
// cannot be written or must not be used, saves under the same file name,
// numbered, in `fallbackFolder` (created when missing): a file already there
// is never replaced, unless it is one of `target.ownFiles`.
SavedFile saveDocument(const ReportWriter& writer, const DocumentTarget& target,
                       const QString& fallbackFolder);

} // namespace tipolab
