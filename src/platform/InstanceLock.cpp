#include "InstanceLock.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

TInstanceLock::~TInstanceLock()
{
    if (Fd >= 0)
        ::close(Fd);
}

std::string TInstanceLock::LockFilePath(const std::string& name)
{
    std::string safe = name;
    for (char& c : safe)
        if (c == '/')
            c = '_';
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/')
        return (std::filesystem::path(runtime) / (safe + ".lock")).string();
    std::error_code ec;
    std::filesystem::path temp = std::filesystem::temp_directory_path(ec);
    if (ec || temp.empty())
        temp = "/tmp";
    return (temp / (safe + "-" + std::to_string(::getuid()) + ".lock")).string();
}

TInstanceLock::TResult TInstanceLock::Acquire(const std::string& name)
{
    if (Fd >= 0)
        return TResult::Acquired;
    const std::string path = LockFilePath(name);
    // O_CLOEXEC: a browser started by this process must not inherit the lock
    // and keep it after the game has ended. O_NOFOLLOW: the temp folder is
    // shared, a planted symlink must not redirect us.
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return TResult::Unavailable;
    int rc;
    do
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return held ? TResult::AlreadyHeld : TResult::Unavailable;
    }
    Fd = fd;
    return TResult::Acquired;
}
