#pragma once
// Kills a writer at many moments of its work: a child process saves again
// and again (save(i) for i = 1, 2, ...) and is killed with SIGKILL after a
// delay that grows with each round; after each kill, check() must find a
// whole file. save returns false when it failed, which ends the child.

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <functional>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

inline void KillWhileWriting(const std::function<bool(std::int32_t i)>& save, const std::function<void()>& check,
                             int rounds = 12)
{
    for (int round = 0; round < rounds; ++round) {
        int saved[2];
        ASSERT_EQ(::pipe(saved), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (std::int32_t i = 1;; ++i) {
                if (!save(i))
                    ::_exit(3);
                if (i == 1)
                    (void)!::write(saved[1], "s", 1); // the kill may come from now on
            }
        }
        char byte = 0;
        ASSERT_EQ(::read(saved[0], &byte, 1), 1) << "the writer never saved";
        ::close(saved[0]);
        ::close(saved[1]);
        std::this_thread::sleep_for(std::chrono::microseconds(500 + 1500 * round));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself";
        check();
    }
}
