// The plain text files the program reads from its own folder, the tips, the
// price list and the installation data: one entry a line, written in the
// Western European code page (1252) as they always were, or in UTF-8 as
// today's editors save them.
#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>

namespace tipolab {

// The lines of `bytes`. A line ends at CR LF, CR or LF; a last line without an
// end still counts, and an end at the very end adds no empty line. The bytes
// are UTF-8 when they start with its byte-order mark, or when they are
// well-formed UTF-8 holding more than plain ASCII; code page 1252 otherwise.
QStringList decodeTextLines(const QByteArray& bytes);

// The largest file read: far more than any of these files holds.
inline constexpr qint64 kMaxTextFileSize = 4 * 1024 * 1024;

struct TextFileRead {
    std::optional<QStringList> lines;
    // Why there are none, in Italian, to follow "Il file «...»": "non esiste",
    // "non è un file ordinario: è una pipe con nome (FIFO)", "è più grande di
    // 4 MB", "non si può leggere: " and the system's reason.
    QString reason;
};

// The lines of the ordinary file `path`; none when the path is empty, names no
// ordinary file (a folder, a pipe, a device), or the file is larger than
// kMaxTextFileSize or cannot be opened or read.
TextFileRead readTextFile(const QString& path);
// The same, without the reason.
std::optional<QStringList> readTextLines(const QString& path);

} // namespace tipolab
