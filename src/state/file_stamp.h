// What a file was when the program read it: its size, its last change and a
// hash of its bytes, so that a save can tell whether anyone changed the file
// in the meantime (another window of the program, another program).
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <optional>
#include <string_view>

namespace tipolab {

struct FileStamp {
    qint64 size = 0;
    qint64 modifiedNs = 0; // nanoseconds since the epoch
    QByteArray hash;       // SHA-256 of the bytes

    bool operator==(const FileStamp& other) const
    {
        return size == other.size && modifiedNs == other.modifiedNs && hash == other.hash;
    }
    bool operator!=(const FileStamp& other) const { return !(*this == other); }

    // One line of text, and back, for the recovery copy to remember it.
    QString toText() const;
    static std::optional<FileStamp> fromText(const QString& text);
};

// The stamp of the file `path` whose bytes were just read as `bytes`; nothing
// when the file is no longer there.
std::optional<FileStamp> stampOf(const QString& path, std::string_view bytes);
// The stamp of the file `path` as it is now, read up to `limit` bytes;
// nothing when it cannot be read.
std::optional<FileStamp> currentStamp(const QString& path, std::size_t limit);

} // namespace tipolab
