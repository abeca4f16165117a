#include "AtomicFile.h"

#include "PlatformError.h"

#include <cerrno>
#include <cstring>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string SystemMessage(const std::string& what, const std::filesystem::path& file)
{
    return what + " " + file.string() + ": " + std::strerror(errno);
}

struct TFd {
    int Fd;
    explicit TFd(int fd) : Fd(fd) {}
    ~TFd()
    {
        if (Fd >= 0)
            ::close(Fd);
    }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
};

void WriteAll(int fd, std::string_view bytes, const std::filesystem::path& file)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw EPlatformError(SystemMessage("Cannot write", file));
        done += std::size_t(n);
    }
}

bool SameFile(const std::filesystem::path& path, int fd)
{
    struct stat named {};
    struct stat opened {};
    return ::lstat(path.c_str(), &named) == 0 && ::fstat(fd, &opened) == 0 && named.st_dev == opened.st_dev
           && named.st_ino == opened.st_ino;
}

// ".<name>." and the six letters or digits mkostemp puts in place of XXXXXX.
bool IsTemporaryName(const std::string& entry, const std::string& prefix)
{
    if (entry.size() != prefix.size() + 6 || entry.compare(0, prefix.size(), prefix) != 0)
        return false;
    for (std::size_t i = prefix.size(); i < entry.size(); ++i) {
        const char c = entry[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

// Removes the temporary files of this name that no writer holds locked: a
// writer killed between creating one and renaming it left it behind. Best
// effort; what cannot be listed, opened or locked stays.
void RemoveStaleTemporaries(const std::filesystem::path& folder, const std::string& prefix)
{
    std::vector<std::filesystem::path> candidates;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (IsTemporaryName(it->path().filename().string(), prefix))
            candidates.push_back(it->path());
    for (const std::filesystem::path& temp : candidates) {
        TFd fd(::open(temp.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
        struct stat info {};
        if (fd.Fd < 0 || ::fstat(fd.Fd, &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        if (::flock(fd.Fd, LOCK_EX | LOCK_NB) == 0 && SameFile(temp, fd.Fd))
            ::unlink(temp.c_str());
    }
}

// A new temporary file from the pattern, locked for as long as it is open. A
// cleaner may have taken the name away between its creation and the lock;
// then another name is tried.
int CreateLockedTemporary(std::string& temp, const std::string& pattern, const std::filesystem::path& folder)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        temp = pattern;
        const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
        if (fd < 0)
            throw EPlatformError(SystemMessage("Cannot create a temporary file in", folder));
        // Where locks are not supported nobody can lock, so no cleaner removes it.
        (void)::flock(fd, LOCK_EX);
        if (SameFile(temp, fd))
            return fd;
        ::close(fd);
    }
    throw EPlatformError("Cannot keep a temporary file in " + folder.string() + ": it was removed at once");
}

} // namespace

std::string ReadWholeFile(const std::filesystem::path& file, std::size_t maxSize)
{
    // Without O_NONBLOCK, opening a FIFO would wait for a writer before its
    // kind could be checked. On a regular file the flag changes nothing.
    TFd fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Fd < 0)
        throw EPlatformError(SystemMessage("Cannot open", file));
    struct stat info {};
    if (::fstat(fd.Fd, &info) != 0 || !S_ISREG(info.st_mode))
        throw EPlatformError("Not a regular file: " + file.string());
    // Read up to one byte beyond the limit to notice a file that grew past it.
    std::string bytes;
    char piece[4096];
    while (bytes.size() <= maxSize) {
        const ssize_t n = ::read(fd.Fd, piece, sizeof piece);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw EPlatformError(SystemMessage("Cannot read", file));
        if (n == 0)
            break;
        bytes.append(piece, std::size_t(n));
    }
    if (bytes.size() > maxSize)
        throw EPlatformError(file.string() + " is larger than " + std::to_string(maxSize) + " bytes");
    return bytes;
}

TWriteOutcome WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes)
{
    // A bare file name lies in the current folder.
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        throw EPlatformError("Cannot create " + folder.string() + ": " + ec.message());

    const std::string prefix = "." + file.filename().string() + ".";
    RemoveStaleTemporaries(folder, prefix);
    std::string temp;
    TFd fd(CreateLockedTemporary(temp, (folder / (prefix + "XXXXXX")).string(), folder));
    try {
        // The temporary file is private; what replaces a file gets the usual rights.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(fd.Fd, 0666 & ~mask) != 0)
            throw EPlatformError(SystemMessage("Cannot set the rights of", temp));
        WriteAll(fd.Fd, bytes, temp);
        if (::fsync(fd.Fd) != 0)
            throw EPlatformError(SystemMessage("Cannot flush", temp));
        // Renamed while still open and locked, so no cleaner takes it first.
        if (::rename(temp.c_str(), file.c_str()) != 0)
            throw EPlatformError(SystemMessage("Cannot replace", file));
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
    // The file is replaced now, whatever follows. The rename itself reaches
    // the disk only with the folder's entry.
    TFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Fd < 0 || ::fsync(dir.Fd) != 0)
        return {false, file.string() + " was replaced, but it is not certain to be on the disk yet: "
                           + SystemMessage("cannot flush", folder)};
    return {};
}
