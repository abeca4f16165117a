#pragma once
// The single-instance rule: an exclusive flock on a lock file named after the
// instance name, in $XDG_RUNTIME_DIR (else the temp folder). The kernel drops
// the lock when the process ends, so a crashed copy leaves no stale lock.

#include <string>

class TInstanceLock {
public:
    enum class TResult {
        Acquired,      // this process is the only copy; the lock is held until destruction
        AlreadyHeld,   // another copy holds the lock: end silently
        Unavailable,   // no lock file could be made or locked: start normally
    };

    TInstanceLock() = default;
    ~TInstanceLock();
    TInstanceLock(const TInstanceLock&) = delete;
    TInstanceLock& operator=(const TInstanceLock&) = delete;

    // Tries once, without waiting. Calling it again on a held lock returns
    // Acquired without touching the file.
    TResult Acquire(const std::string& name);
    bool Held() const { return Fd >= 0; }

    // The lock file for a name: $XDG_RUNTIME_DIR/<name>.lock when that folder
    // is set and absolute, else <temp>/<name>-<uid>.lock (the temp folder is
    // shared by all users, the instance rule is per user). A '/' in the name
    // becomes '_'.
    static std::string LockFilePath(const std::string& name);

private:
    int Fd = -1;
};
