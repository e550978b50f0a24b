#include "file_io.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
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

// Writes all of `bytes`, then has them reach the disk; 0 or the error number.
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
    return ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
}

// Writes into `fd`, closes it, and removes `path` again when anything failed.
int fill(int fd, const std::string& path, std::string_view bytes)
{
    Descriptor file(fd);
    int error = writeAll(file.get(), bytes);
    const int closed = file.close();
    if (!error) error = closed;
    if (error) ::unlink(path.c_str());
    return error;
}

mode_t createMode(FileAccess access)
{
    return access == FileAccess::OwnerOnly
               ? S_IRUSR | S_IWUSR
               : S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH; // less the user's umask
}

// The file a name stands for: a symbolic link is followed to the file it
// names, so that saving through it changes that file and keeps the link.
std::string followedTarget(const std::string& path)
{
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) return path;
    std::string out(resolved);
    std::free(resolved);
    return out;
}

int replaceFile(const std::string& path, std::string_view bytes, FileAccess access)
{
    const std::string target = followedTarget(path);
    const std::size_t slash = target.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    // The name of the temporary file stays within what file systems accept.
    const std::string name =
        target.substr(slash == std::string::npos ? 0 : slash + 1).substr(0, 200);

    struct stat existing;
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) return EISDIR;
    // A pipe or a device is never replaced by a file, nor written into.
    if (exists && !S_ISREG(existing.st_mode)) return EINVAL;

    static std::atomic<unsigned> counter{0};
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temporary = folder;
        temporary.append(1, '.').append(name).append(1, '.');
        temporary.append(std::to_string(::getpid())).append(1, '-');
        temporary.append(std::to_string(counter++));
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    createMode(access));
        if (fd < 0 && (errno != EEXIST || attempt > 100)) return errno;
    }
    // A file replaced keeps who may read it.
    if (exists && access == FileAccess::Usual) ::fchmod(fd, existing.st_mode & 07777);
    if (const int error = fill(fd, temporary, bytes)) return error;
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return error;
    }
    return 0;
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
    if (mode == SaveMode::Replace) return replaceFile(path, bytes, access);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          createMode(access));
    if (fd < 0) return errno;
    return fill(fd, path, bytes);
}

bool isSameFile(const std::string& a, const std::string& b)
{
    struct stat first, second;
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace tipolab
