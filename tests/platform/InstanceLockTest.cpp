// The single-instance lock: one holder at a time, across processes, and no
// stale lock once the holder is gone.

#include "platform/InstanceLock.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <optional>

#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string Name = "Orvane Kobalind 2.0";

class InstanceLock : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* old = std::getenv("XDG_RUNTIME_DIR");
        HadRuntime = old != nullptr;
        if (old)
            OldRuntime = old;
        ::setenv("XDG_RUNTIME_DIR", Folder.Path.c_str(), 1);
    }
    void TearDown() override
    {
        if (HadRuntime)
            ::setenv("XDG_RUNTIME_DIR", OldRuntime.c_str(), 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
    }

    TTempFolder Folder;
    bool HadRuntime = false;
    std::string OldRuntime;
};

TEST_F(InstanceLock, TheLockFileIsNamedAfterTheInstance)
{
    EXPECT_EQ(TInstanceLock::LockFilePath(Name), (Folder.Path / "Orvane Kobalind 2.0.lock").string());
    EXPECT_EQ(TInstanceLock::LockFilePath("a/b"), (Folder.Path / "a_b.lock").string());
    ::setenv("XDG_RUNTIME_DIR", "not/absolute", 1);
    const std::string temp = TInstanceLock::LockFilePath(Name);
    EXPECT_NE(temp.find("Orvane Kobalind 2.0-" + std::to_string(::getuid()) + ".lock"), std::string::npos);
    EXPECT_EQ(temp.find("not/absolute"), std::string::npos);
}

TEST_F(InstanceLock, OnlyOneHolderAtATime)
{
    std::optional<TInstanceLock> first(std::in_place);
    ASSERT_EQ(first->Acquire(Name), TInstanceLock::TResult::Acquired);
    EXPECT_EQ(first->Acquire(Name), TInstanceLock::TResult::Acquired);
    {
        TInstanceLock second;
        EXPECT_EQ(second.Acquire(Name), TInstanceLock::TResult::AlreadyHeld);
        EXPECT_FALSE(second.Held());
        TInstanceLock other;
        EXPECT_EQ(other.Acquire("Orvane Kobalind 3.0"), TInstanceLock::TResult::Acquired);
    }
    first.reset();
    TInstanceLock third;
    EXPECT_EQ(third.Acquire(Name), TInstanceLock::TResult::Acquired);
}

TEST_F(InstanceLock, AKilledHolderLeavesNoStaleLock)
{
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        TInstanceLock lock;
        const char ok = lock.Acquire(Name) == TInstanceLock::TResult::Acquired ? 'y' : 'n';
        (void)!::write(ready[1], &ok, 1);
        ::pause();
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, 'y');
    TInstanceLock mine;
    EXPECT_EQ(mine.Acquire(Name), TInstanceLock::TResult::AlreadyHeld);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(mine.Acquire(Name), TInstanceLock::TResult::Acquired);
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST_F(InstanceLock, NoLockFolderMeansStartNormally)
{
    ::setenv("XDG_RUNTIME_DIR", (Folder.Path / "missing").c_str(), 1);
    TInstanceLock lock;
    EXPECT_EQ(lock.Acquire(Name), TInstanceLock::TResult::Unavailable);
}

} // namespace
