// Whole files with every byte checked, on the POSIX calls directly: the
// streams of the standard library hide short writes and open FIFOs
// blocking.
#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>

namespace plat {
namespace {

std::string Reason(int err) { return std::strerror(err); }

// Closes on every way out.
class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() { Close(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return m_fd; }
    // The result of close, which reports late write errors of some file systems.
    bool Close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int m_fd;
};

std::string SizeText(std::size_t bytes)
{
    return bytes >= (std::size_t{1} << 20) ? std::to_string(bytes >> 20) + " MiB" : std::to_string(bytes) + " bytes";
}

// What a path names when it is not a regular file.
std::string NotRegular(mode_t mode)
{
    if (S_ISDIR(mode))
        return "it is a folder, not a file";
    if (S_ISFIFO(mode) || S_ISSOCK(mode))
        return "it is a pipe or socket, not a file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "it is a device, not a file";
    return "it is not a regular file";
}

// Writes every byte; a short write is followed by another, which then
// reports why the file takes no more (ENOSPC, EFBIG ...).
bool WriteAll(int fd, std::string_view bytes, std::string& error)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? Reason(errno) : "the file takes no more bytes";
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A name beside the target that no other writer uses.
std::string TemporaryName(const std::string& target)
{
    static std::atomic<unsigned> counter{0};
    const auto slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    return folder + "." + name + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

// The file a path stands for: a symbolic link is followed, so saving keeps
// the link and changes its file.
bool ResolveTarget(const std::string& path, std::string& target, bool& exists, mode_t& mode, std::string& error)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno != ENOENT) {
            error = Reason(errno);
            return false;
        }
        exists = false;
        target = path;
        return true;
    }
    if (!S_ISREG(st.st_mode)) {
        error = NotRegular(st.st_mode);
        return false;
    }
    exists = true;
    mode = st.st_mode & 07777;
    char* real = ::realpath(path.c_str(), nullptr);
    target = real ? real : path;
    std::free(real);
    return true;
}

} // namespace

bool ReadFileBytes(const std::string& path, std::size_t maxBytes, std::string& bytes, std::string& error)
{
    // Non-blocking, so that opening a FIFO returns at once; it is refused below.
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.Get() < 0) {
        error = Reason(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0) {
        error = Reason(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = NotRegular(st.st_mode);
        return false;
    }
    const std::string tooLarge = "it is larger than " + SizeText(maxBytes);
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) {
        error = tooLarge;
        return false;
    }
    try {
        std::string out;
        out.reserve(static_cast<std::size_t>(st.st_size));
        char buffer[1 << 16];
        for (;;) {
            const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                error = Reason(errno);
                return false;
            }
            if (n == 0)
                break;
            // Files that grow while read, and those of /proc that report no size.
            if (out.size() + static_cast<std::size_t>(n) > maxBytes) {
                error = tooLarge;
                return false;
            }
            out.append(buffer, static_cast<std::size_t>(n));
        }
        bytes = std::move(out);
    } catch (const std::bad_alloc&) {
        error = "there is not enough memory to read it";
        return false;
    }
    return true;
}

bool ReplaceFile(const std::string& path, std::string_view bytes, std::string& error)
{
    std::string target;
    bool exists = false;
    mode_t mode = 0;
    if (!ResolveTarget(path, target, exists, mode, error))
        return false;
    const std::string temp = TemporaryName(target);
    Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.Get() < 0) {
        error = Reason(errno);
        return false;
    }
    bool ok = true;
    // The old file's permissions carry over; a file of another owner keeps the default ones.
    if (exists && ::fchmod(fd.Get(), mode) != 0 && errno != EPERM) {
        error = Reason(errno);
        ok = false;
    }
    ok = ok && WriteAll(fd.Get(), bytes, error);
    if (ok && ::fsync(fd.Get()) != 0) {
        error = Reason(errno);
        ok = false;
    }
    if (!fd.Close() && ok) {
        error = Reason(errno);
        ok = false;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        error = Reason(errno);
        ok = false;
    }
    if (!ok)
        ::unlink(temp.c_str());
    return ok;
}

bool AppendToFile(const std::string& path, std::string_view bytes, std::string& error)
{
    Fd fd(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666));
    struct stat st {};
    if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0) {
        error = Reason(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = NotRegular(st.st_mode);
        return false;
    }
    if (!WriteAll(fd.Get(), bytes, error)) {
        // Half a line would run into the next append: cut it off.
        if (::ftruncate(fd.Get(), st.st_size) != 0)
            error += " (and the part written could not be removed)";
        return false;
    }
    if (!fd.Close()) {
        error = Reason(errno);
        return false;
    }
    return true;
}

NewFile CreateNewFile(const std::string& path, std::string_view bytes, std::string& error)
{
    Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.Get() < 0) {
        if (errno == EEXIST)
            return NewFile::Exists;
        error = Reason(errno);
        return NewFile::Failed;
    }
    bool ok = WriteAll(fd.Get(), bytes, error);
    if (!fd.Close() && ok) {
        error = Reason(errno);
        ok = false;
    }
    if (!ok)
        ::unlink(path.c_str());
    return ok ? NewFile::Created : NewFile::Failed;
}

} // namespace plat
