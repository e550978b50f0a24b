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
    CreateNew, // only where no file of that name exists yet (error EEXIST otherwise)
};

enum class FileAccess {
    Usual,     // as the user's settings make new files; an existing file keeps its own
    OwnerOnly, // readable and writable by the user alone
};

// Writes `bytes` as the file `path`. Returns 0, or the system's error number
// with nothing changed on disk. Replace follows a symbolic link to the file it
// names; CreateNew never follows one.
int saveFile(const std::string& path, std::string_view bytes, SaveMode mode,
             FileAccess access = FileAccess::Usual);

// Whether `a` and `b` name one and the same file (the same device and file
// number: through "..", a symbolic or a hard link). False when either is missing.
bool isSameFile(const std::string& a, const std::string& b);

} // namespace tipolab
