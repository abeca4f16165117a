#include "GifTestWriter.h"

#include "resources/GifPlayer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace giftest;

namespace {

// Time moves only when the player waits: each wait advances it by the wait
// plus Lateness. From wait number BlockAt on, a wait lasts until stopped.
class TFakeClock : public TGifClock {
public:
    std::int64_t NowMs() override
    {
        std::lock_guard guard(Mutex);
        return Now;
    }
    void WaitFor(std::unique_lock<std::mutex>& lock, std::condition_variable& cv, std::int64_t ms,
                 const std::function<bool()>& stopRequested) override
    {
        {
            std::lock_guard guard(Mutex);
            Waits.push_back(ms);
            if (static_cast<int>(Waits.size()) < BlockAt) {
                Now += std::max<std::int64_t>(ms, 0) + Lateness;
                return;
            }
            Blocked = true;
        }
        cv.wait(lock, stopRequested);
    }
    std::vector<std::int64_t> TakeWaits()
    {
        std::lock_guard guard(Mutex);
        return Waits;
    }
    bool IsBlocked()
    {
        std::lock_guard guard(Mutex);
        return Blocked;
    }

    std::int64_t Lateness = 0;
    int BlockAt = 1 << 30;

private:
    std::mutex Mutex;
    std::int64_t Now = 0;
    std::vector<std::int64_t> Waits;
    bool Blocked = false;
};

struct TFrames {
    std::mutex Mutex;
    std::vector<int> Indices;
    std::vector<std::uint32_t> FirstPixels;
    std::vector<std::thread::id> Threads;

    TGifPlayer::TFrameHandler Handler()
    {
        return [this](const TPixelBuffer& frame, int index) {
            std::lock_guard guard(Mutex);
            Indices.push_back(index);
            FirstPixels.push_back(frame.Pixels.empty() ? 0 : frame.Pixels[0]);
            Threads.push_back(std::this_thread::get_id());
        };
    }
    std::vector<int> Taken()
    {
        std::lock_guard guard(Mutex);
        return Indices;
    }
};

// One pixel per frame, colour i for frame i; delays in hundredths.
TGIFImage Animation(const std::vector<int>& delays, int loop = -1)
{
    TGifWriter w(1, 1, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF});
    if (loop >= 0)
        w.Loop(loop);
    for (std::size_t i = 0; i < delays.size(); ++i) {
        w.Control(delays[i]).Image(Frame(1, 1, {std::uint8_t(i % 4)}));
    }
    const Bytes bytes = w.Finish();
    TGIFImage image;
    image.LoadFromBytes(bytes.data(), bytes.size());
    return image;
}

// Waits (briefly, really) for the player thread to end by itself.
bool EndsSoon(const TGifPlayer& player)
{
    for (int i = 0; i < 2000 && player.Playing(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return !player.Playing();
}

template <class Predicate> bool Soon(Predicate predicate)
{
    for (int i = 0; i < 2000 && !predicate(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return predicate();
}

} // namespace

TEST(GifPlayer, PlaysOnePassWithTheScheduledWaitsAndStopsOnTheLastFrame)
{
    TFakeClock clock;
    TFrames frames;
    TGifPlayer player(clock);
    player.SetContent(Animation({0, 1, 50}), 0xFF000000u);
    player.SetOnFrame(frames.Handler());
    player.Start();
    ASSERT_TRUE(EndsSoon(player));
    EXPECT_EQ(frames.Taken(), (std::vector<int>{0, 1, 2}));
    // No wait after the last frame: the play is over.
    EXPECT_EQ(clock.TakeWaits(), (std::vector<std::int64_t>{120, 36}));
    EXPECT_EQ(frames.FirstPixels, (std::vector<std::uint32_t>{0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu}));
    EXPECT_EQ(frames.Threads[0], std::this_thread::get_id()); // the first frame at once
    EXPECT_NE(frames.Threads[1], std::this_thread::get_id());
}

TEST(GifPlayer, LateWakeUpsShortenTheFollowingWaits)
{
    TFakeClock clock;
    clock.Lateness = 10;
    TFrames frames;
    TGifPlayer player(clock);
    player.SetContent(Animation({10, 10, 10, 10}));
    player.SetOnFrame(frames.Handler());
    player.Start();
    ASSERT_TRUE(EndsSoon(player));
    EXPECT_EQ(clock.TakeWaits(), (std::vector<std::int64_t>{120, 115, 115}));
}

TEST(GifPlayer, LoopCountThreePlaysThreePasses)
{
    TFakeClock clock;
    TFrames frames;
    TGifPlayer player(clock);
    player.SetContent(Animation({5, 5}, 3));
    player.SetOnFrame(frames.Handler());
    player.Start();
    ASSERT_TRUE(EndsSoon(player));
    EXPECT_EQ(frames.Taken(), (std::vector<int>{0, 1, 0, 1, 0, 1}));
}

TEST(GifPlayer, OneFrameGifIsDrawnAtOnceWithoutAThread)
{
    TFakeClock clock;
    TFrames frames;
    TGifPlayer player(clock);
    player.SetContent(Animation({10}, 0));
    player.SetOnFrame(frames.Handler());
    player.Start();
    EXPECT_FALSE(player.Playing());
    EXPECT_EQ(frames.Taken(), std::vector<int>{0});
    EXPECT_EQ(frames.Threads[0], std::this_thread::get_id());
    EXPECT_TRUE(clock.TakeWaits().empty());
}

TEST(GifPlayer, StopEndsAWaitAtOnce)
{
    TFakeClock clock;
    clock.BlockAt = 3; // the third wait lasts until stopped
    TFrames frames;
    TGifPlayer player(clock);
    player.SetContent(Animation({10, 10, 10, 10}, 0));
    player.SetOnFrame(frames.Handler());
    player.Start();
    ASSERT_TRUE(Soon([&] { return clock.IsBlocked(); }));
    EXPECT_TRUE(player.Playing());
    player.Stop();
    EXPECT_FALSE(player.Playing());
    EXPECT_EQ(frames.Taken(), (std::vector<int>{0, 1, 2}));
}

TEST(GifPlayer, NewContentStopsThePlayFirst)
{
    TFakeClock clock;
    clock.BlockAt = 1;
    TFrames frames;
    TGifPlayer player(clock);
    player.SetOnFrame(frames.Handler());
    player.SetContent(Animation({10, 10}, 0));
    player.Start();
    ASSERT_TRUE(Soon([&] { return clock.IsBlocked(); }));
    TGIFImage other = Animation({10});
    player.SetContent(other);
    EXPECT_FALSE(player.Playing());
    // The picture may be loaded again while the player keeps its frames.
    player.Start();
    const Bytes none = TGifWriter(1, 1).Finish();
    other.LoadFromBytes(none.data(), none.size());
    EXPECT_EQ(frames.Taken(), (std::vector<int>{0, 0}));
}

TEST(GifPlayer, SystemClockWaitIsEndedByStop)
{
    TFrames frames;
    auto player = std::make_unique<TGifPlayer>();
    player->SetContent(Animation({65535, 10})); // a wait of 13 minutes
    player->SetOnFrame(frames.Handler());
    player->Start();
    EXPECT_TRUE(player->Playing());
    const auto before = std::chrono::steady_clock::now();
    player.reset(); // destruction stops
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(2));
    EXPECT_EQ(frames.Taken(), std::vector<int>{0});
}
