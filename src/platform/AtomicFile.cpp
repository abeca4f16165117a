#include "AtomicFile.h"

#include "PlatformError.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include <fcntl.h>
#include <stdlib.h>
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

} // namespace

std::string ReadWholeFile(const std::filesystem::path& file, std::size_t maxSize)
{
    TFd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
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

void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes)
{
    // A bare file name lies in the current folder.
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        throw EPlatformError("Cannot create " + folder.string() + ": " + ec.message());

    std::string temp = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
    const int raw = ::mkostemp(temp.data(), O_CLOEXEC);
    if (raw < 0)
        throw EPlatformError(SystemMessage("Cannot create a temporary file in", folder));
    try {
        TFd fd(raw);
        // The temporary file is private; what replaces a file gets the usual rights.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(fd.Fd, 0666 & ~mask) != 0)
            throw EPlatformError(SystemMessage("Cannot set the rights of", temp));
        WriteAll(fd.Fd, bytes, temp);
        if (::fsync(fd.Fd) != 0)
            throw EPlatformError(SystemMessage("Cannot flush", temp));
        const int closing = fd.Fd;
        fd.Fd = -1;
        if (::close(closing) != 0)
            throw EPlatformError(SystemMessage("Cannot write", temp));
        if (::rename(temp.c_str(), file.c_str()) != 0)
            throw EPlatformError(SystemMessage("Cannot replace", file));
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
    // The rename itself reaches the disk only with the folder's entry.
    TFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Fd < 0 || ::fsync(dir.Fd) != 0)
        throw EPlatformError(SystemMessage("Cannot flush", folder));
}
