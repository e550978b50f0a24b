#include "private_folder.h"

#include "error_reasons.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tipolab {
namespace {

constexpr mode_t kOthersAccess = S_IRWXG | S_IRWXO;

bool isPrivateFolder(const char* path)
{
    struct stat st;
    return path && path[0] == '/' && ::lstat(path, &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::getuid() && (st.st_mode & kOthersAccess) == 0;
}

} // namespace

std::string privateFolderPath(const std::string& name, const std::string& temporary)
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (isPrivateFolder(runtime)) return std::string(runtime) + '/' + name;
    return temporary + '/' + name + '-' + std::to_string(::getuid());
}

std::string preparePrivateFolder(const std::string& path, uid_t owner)
{
    if (::mkdir(path.c_str(), S_IRWXU) != 0 && errno != EEXIST) return errorReason(errno);
    // Opened without following a link, and checked on what was opened.
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ELOOP || errno == ENOTDIR)
            return "al suo posto c'\u00e8 un collegamento o un file, non una cartella";
        return errorReason(errno);
    }
    std::string problem;
    struct stat st;
    // Two branches word the failure of different calls alike.
    if (::fstat(fd, &st) != 0)
        problem = errorReason(errno); // NOLINT(bugprone-branch-clone)
    else if (st.st_uid != owner)
        problem = "appartiene a un altro utente";
    else if ((st.st_mode & kOthersAccess) != 0 && ::fchmod(fd, S_IRWXU) != 0)
        problem = errorReason(errno);
    ::close(fd);
    return problem;
}

} // namespace tipolab
