#pragma once
// A FIFO where a file is expected. Opening it the ordinary way waits for a
// writer, possibly for ever; after a bound this opens it for writing itself,
// which frees such a reader (it then reads nothing), and Blocked() tells the
// test that a reader waited.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class TFifoAt {
public:
    explicit TFifoAt(std::filesystem::path path) : Path(std::move(path))
    {
        std::filesystem::create_directories(Path.parent_path());
        EXPECT_EQ(::mkfifo(Path.c_str(), 0600), 0) << Path;
        Watch = std::thread([this]() {
            std::unique_lock<std::mutex> lock(Mutex);
            std::chrono::milliseconds bound = std::chrono::seconds(3);
            // After the bound, keep freeing readers until the test is done.
            while (!Finished.wait_for(lock, bound, [this]() { return Done; })) {
                const int fd = ::open(Path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0) {
                    WasBlocked = true;
                    ::close(fd);
                }
                bound = std::chrono::milliseconds(50);
            }
        });
    }
    ~TFifoAt()
    {
        {
            const std::lock_guard<std::mutex> lock(Mutex);
            Done = true;
        }
        Finished.notify_all();
        Watch.join();
    }
    TFifoAt(const TFifoAt&) = delete;
    TFifoAt& operator=(const TFifoAt&) = delete;

    bool Blocked() const { return WasBlocked; }

private:
    std::filesystem::path Path;
    std::mutex Mutex;
    std::condition_variable Finished;
    bool Done = false;
    std::atomic<bool> WasBlocked {false};
    std::thread Watch;
};
