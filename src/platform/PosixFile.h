#pragma once
// What the platform's file code shares: a descriptor closed on scope exit and
// the message of a failed system call.

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include <unistd.h>

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

// "<what> <file>: <errno's text>"; call it right after the failing call.
inline std::string SystemMessage(const std::string& what, const std::filesystem::path& file)
{
    return what + " " + file.string() + ": " + std::strerror(errno);
}
