// Files read from and written to disk by name, for every reader and writer of
// the program. Reading takes only an ordinary file, checked on the open file
// itself and read within a size limit, so that a pipe, a device or a file
// swapped in at the last moment never blocks or floods the program. Writing
// never leaves a half-written file in place of a good one, and every failure
// is reported with the system's error number.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tipolab {

struct FileRead {
    enum class Problem {
        None,
        NotFound,   // nothing by that name
        NotRegular, // a folder, a pipe, a device, a socket: `kind` says which
        TooLarge,   // more than the limit
        OpenFailed, // `error` says why
        ReadFailed, // `error` says why
    };
    Problem problem = Problem::None;
    std::string bytes;     // the whole file, when read
    std::string_view kind; // "una cartella", "un dispositivo" ..., for NotRegular
    int error = 0;         // the system's error number, for OpenFailed and ReadFailed
    bool ok() const { return problem == Problem::None; }
};

// The bytes of the ordinary file `path`, at most `limit` of them.
FileRead readRegularFile(const std::string& path, std::size_t limit);

enum class SaveMode {
    Replace,   // written beside the target, then renamed over any file of that name
    CreateNew, // the same, but only where no file of that name exists yet (EEXIST otherwise)
};

enum class FileAccess {
    Usual,     // as the user's settings make new files
    OwnerOnly, // readable and writable by the user alone
};

// The error saveFile() gives for an output that is a symbolic link planted
// by another user (see below); errorReason() words it.
inline constexpr int kForeignLink = 0x10000;

// Writes `bytes` as the file `path`. Returns 0, or the system's error number
// with nothing changed on disk: the bytes go into a new file beside the
// target, readable by the user alone until they are all there, which then
// takes the target's name; a failure removes it again. A new file gets the
// mode `access` says, a file replaced keeps the mode it had. Replace follows
// a symbolic link to the file it names, except a link in a folder that every
// user may write into and that has the sticky bit (such as /tmp) which
// belongs neither to the user nor to the folder's owner: that one is refused
// (kForeignLink), as the kernel refuses to follow it. CreateNew never follows
// a link.
int saveFile(const std::string& path, std::string_view bytes, SaveMode mode,
             FileAccess access = FileAccess::Usual);

// Has a write beyond the file-size limit (ulimit -f) fail with EFBIG, and be
// told like a full disk, rather than end the process without a word.
void keepRunningPastFileSizeLimit();

// Whether `a` and `b` name one and the same file (the same device and file
// number: through "..", a symbolic or a hard link). False when either is missing.
bool isSameFile(const std::string& a, const std::string& b);

} // namespace tipolab
