#include "file_io.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace tipolab {
namespace {

std::string_view kindOf(mode_t mode)
{
    if (S_ISDIR(mode)) return "una cartella";
    if (S_ISFIFO(mode)) return "una pipe con nome (FIFO)";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "un dispositivo";
    if (S_ISSOCK(mode)) return "un socket";
    return "un file speciale";
}

FileRead failed(FileRead::Problem problem, int error = 0)
{
    FileRead out;
    out.problem = problem;
    out.error = error;
    return out;
}

FileRead notRegular(mode_t mode)
{
    FileRead out = failed(FileRead::Problem::NotRegular);
    out.kind = kindOf(mode);
    return out;
}

// Closes the descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    // Closes now; the error number of a failed close, or 0.
    int close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

// Writes all of `bytes`; 0 or the error number.
int writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

// The permissions the user's umask leaves of `mode`. Read from the kernel's
// account of the process: setting the umask to learn it would change it for
// a moment for every thread.
mode_t lessUmask(mode_t mode)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0)
            return mode & ~static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
    }
    return mode & ~static_cast<mode_t>(S_IWGRP | S_IWOTH); // the usual 022
}

mode_t newFileMode(FileAccess access)
{
    return access == FileAccess::OwnerOnly
               ? S_IRUSR | S_IWUSR
               : lessUmask(S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH);
}

// Writes `bytes` into `fd`, the new file `path` created with mode `created`;
// once they are all there, gives it mode `mode`, has it reach the disk and
// closes it. On a failure the file is removed again. 0 or the error number.
int fill(int fd, const std::string& path, std::string_view bytes, mode_t created, mode_t mode)
{
    Descriptor file(fd);
    int error = writeAll(file.get(), bytes);
    if (!error && (mode & 07777) != created && ::fchmod(file.get(), mode & 07777) != 0)
        error = errno;
    if (!error && ::fsync(file.get()) != 0 && errno != EINVAL) error = errno;
    const int closed = file.close();
    if (!error) error = closed;
    if (error) ::unlink(path.c_str());
    return error;
}

// A file beside `target` ("<folder>/.<name>.<process>-<n>"), created for the
// user alone, filled with `bytes` and given `mode`. Returns 0 with its name in
// `temporary`, or the error number with nothing left behind.
int writeTemporary(const std::string& target, std::string_view bytes, mode_t mode,
                   std::string& temporary)
{
    const std::size_t slash = target.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    // The name of the temporary file stays within what file systems accept.
    const std::string name =
        target.substr(slash == std::string::npos ? 0 : slash + 1).substr(0, 200);

    static std::atomic<unsigned> counter{0};
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temporary = folder;
        temporary.append(1, '.').append(name).append(1, '.');
        temporary.append(std::to_string(::getpid())).append(1, '-');
        temporary.append(std::to_string(counter++));
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    S_IRUSR | S_IWUSR);
        if (fd < 0 && (errno != EEXIST || attempt > 100)) return errno;
    }
    return fill(fd, temporary, bytes, S_IRUSR | S_IWUSR, mode);
}

// Whether the link `link` (as lstat gives it) may be followed: not when it
// lies in a folder every user may write into, with the sticky bit, and
// belongs neither to the user nor to the folder's owner.
bool trustedLink(const std::string& path, const struct stat& link)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".")
                               : slash == 0               ? std::string("/")
                                                          : path.substr(0, slash);
    struct stat dir;
    if (::stat(folder.c_str(), &dir) != 0) return false;
    const bool shared = (dir.st_mode & S_ISVTX) && (dir.st_mode & S_IWOTH);
    return !shared || link.st_uid == ::geteuid() || link.st_uid == dir.st_uid;
}

// The file a name stands for: a symbolic link is followed to the file it
// names, link after link, so that saving through it changes that file and
// keeps the link. A link that leads nowhere is itself the file. 0, or
// kForeignLink or ELOOP.
int followedTarget(const std::string& path, std::string& target)
{
    target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(target.c_str(), &st) != 0) {
            if (hops > 0) target = path;
            return 0;
        }
        if (!S_ISLNK(st.st_mode)) return 0;
        if (!trustedLink(target, st)) return kForeignLink;
        std::string next(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(target.c_str(), next.data(), next.size());
        if (n < 0 || static_cast<std::size_t>(n) >= next.size())
            return 0; // changed meanwhile: as it stands
        next.resize(static_cast<std::size_t>(n));
        const std::size_t slash = target.rfind('/');
        if (!next.starts_with('/') && slash != std::string::npos)
            next.insert(0, target, 0, slash + 1);
        target = std::move(next);
    }
    return ELOOP;
}

int replaceFile(const std::string& path, std::string_view bytes, FileAccess access)
{
    std::string target;
    if (const int error = followedTarget(path, target)) return error;

    struct stat existing;
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) return EISDIR;
    // A pipe or a device is never replaced by a file, nor written into.
    if (exists && !S_ISREG(existing.st_mode)) return EINVAL;

    // A file replaced keeps who may read it.
    const mode_t mode = exists ? existing.st_mode : newFileMode(access);
    std::string temporary;
    if (const int error = writeTemporary(target, bytes, mode, temporary)) return error;
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return error;
    }
    return 0;
}

// Said by takeFreeName() of a file system that can neither rename without
// replacing nor link.
constexpr int kNoFreeNameRename = -1;

// Gives the complete `temporary` the name `path` unless a file (or a link) of
// that name is there: 0, EEXIST, kNoFreeNameRename or the error number.
int takeFreeName(const std::string& temporary, const std::string& path)
{
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
    if (::link(temporary.c_str(), path.c_str()) == 0) {
        ::unlink(temporary.c_str());
        return 0;
    }
    if (errno == EPERM || errno == ENOTSUP || errno == EOPNOTSUPP) return kNoFreeNameRename;
    return errno;
}

// Writes straight into a new file of the name, for file systems that can
// neither rename without replacing nor link; removed again on a failure.
int createInPlace(const std::string& path, std::string_view bytes, FileAccess access)
{
    const mode_t mode = newFileMode(access);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) return errno;
    return fill(fd, path, bytes, mode, mode);
}

int createFile(const std::string& path, std::string_view bytes, FileAccess access)
{
    // A name taken is told before anything is written; the rename at the end
    // still never replaces a file that came meanwhile.
    struct stat st;
    if (::lstat(path.c_str(), &st) == 0) return EEXIST;
    std::string temporary;
    if (const int error = writeTemporary(path, bytes, newFileMode(access), temporary)) return error;
    const int error = takeFreeName(temporary, path);
    if (error) ::unlink(temporary.c_str());
    return error == kNoFreeNameRename ? createInPlace(path, bytes, access) : error;
}

} // namespace

FileRead readRegularFile(const std::string& path, std::size_t limit)
{
    // A look at the path first keeps devices from being opened at all (opening
    // some has effects); the open file is then checked again, and that check holds.
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        const int error = errno;
        return failed(error == ENOENT ? FileRead::Problem::NotFound : FileRead::Problem::OpenFailed,
                      error);
    }
    if (!S_ISREG(st.st_mode)) return notRegular(st.st_mode);

    // Without blocking: a pipe put in the file's place must not hold the open.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) {
        const int error = errno;
        return failed(error == ENOENT ? FileRead::Problem::NotFound : FileRead::Problem::OpenFailed,
                      error);
    }
    if (::fstat(file.get(), &st) != 0) return failed(FileRead::Problem::ReadFailed, errno);
    if (!S_ISREG(st.st_mode)) return notRegular(st.st_mode);
    if (st.st_size < 0 || static_cast<unsigned long long>(st.st_size) > limit)
        return failed(FileRead::Problem::TooLarge);

    FileRead out;
    // One byte more than the limit tells a file that grew while it was read.
    out.bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t got = 0;
    for (;;) {
        if (got == out.bytes.size()) {
            if (got > limit) return failed(FileRead::Problem::TooLarge);
            out.bytes.resize(std::min(limit + 1, got * 2 + 4096));
        }
        const ssize_t n = ::read(file.get(), out.bytes.data() + got, out.bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            return failed(FileRead::Problem::ReadFailed, errno);
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    if (got > limit) return failed(FileRead::Problem::TooLarge);
    out.bytes.resize(got);
    return out;
}

int saveFile(const std::string& path, std::string_view bytes, SaveMode mode, FileAccess access)
{
    if (path.empty()) return ENOENT;
    return mode == SaveMode::Replace ? replaceFile(path, bytes, access)
                                     : createFile(path, bytes, access);
}

void keepRunningPastFileSizeLimit()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

bool isSameFile(const std::string& a, const std::string& b)
{
    struct stat first, second;
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace tipolab
