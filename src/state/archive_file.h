// Reading and writing an archive file on disk. A save never leaves a half-written
// file behind, and a load never hands back part of a file: either outcome comes
// back with a message, in Italian, that names the file and the reason.
#pragma once

#include "archive/archive_codec.h"
#include "file_stamp.h"

#include <QString>
#include <optional>

namespace tipolab {

// An archive is a few kilobytes; anything far larger is not one.
inline constexpr std::size_t kMaxArchiveSize = 16 * 1024 * 1024;

struct ArchiveLoad {
    std::optional<ArchiveRecord> record;
    QString error; // empty on success
    std::optional<FileStamp> stamp; // the file as it was read
};

// Reads the whole file; on any failure `record` is empty and `error` says why.
ArchiveLoad loadArchiveFile(const QString& path);

// Loads `path` into the assessment and the title-page fields. On any failure
// neither is touched and the error comes back; an empty text means success.
QString loadArchiveInto(const QString& path, AssessmentData& data, TitleFields& title);

// Writes beside the target and renames over it, so that a failed save leaves
// an existing file as it was. Returns the error, or an empty text on success.
QString saveArchiveFile(const QString& path, const ArchiveRecord& record);
// The same for an archive already written out by writeArchive().
QString saveArchiveFile(const QString& path, const std::string& archive);

} // namespace tipolab
