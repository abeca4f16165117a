#include "AtomicFile.h"

#include "PlatformError.h"
#include "PosixFile.h"

#include <string>
#include <system_error>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>

namespace {

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

void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes)
{
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
        // mkostemp makes the file private; the result gets the usual rights.
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
