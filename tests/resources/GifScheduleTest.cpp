#include "resources/GifSchedule.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TGifFrame Frame(int delay, bool holdsPixels = true)
{
    TGifFrame f;
    f.Width = holdsPixels ? 1 : 0;
    f.Height = 1;
    f.HasControl = true;
    f.Delay = delay;
    return f;
}

TGifData Gif(int frames, int delay = 10)
{
    TGifData gif;
    gif.Width = gif.Height = 1;
    for (int i = 0; i < frames; ++i)
        gif.Frames.push_back(Frame(delay));
    return gif;
}

void SetLoop(TGifData& gif, int frame, int count)
{
    gif.Frames[static_cast<std::size_t>(frame)].HasLoop = true;
    gif.Frames[static_cast<std::size_t>(frame)].LoopCount = count;
}

// The frames drawn, in order, with every wait kept exactly to plan.
std::vector<int> Played(const TGifData& gif, int limit = 100)
{
    std::vector<int> frames;
    TGifPlayPosition p = GifFirstStep(gif, 0);
    if (p.Finished)
        return frames;
    frames.push_back(p.Frame);
    while (static_cast<int>(frames.size()) < limit && GifHasNextStep(gif, p)) {
        p = GifNextStep(gif, p, p.DrawnAt + p.PlannedWait);
        EXPECT_FALSE(p.Finished);
        frames.push_back(p.Frame);
    }
    return frames;
}

} // namespace

TEST(GifSchedule, DelayUnitsAreTwelveMillisecondsWithDefaultAndMinimum)
{
    const int delays[] = {0, 1, 2, 3, 10, 50, 65535};
    const int expected[] = {120, 36, 36, 36, 120, 600, 786420};
    for (std::size_t i = 0; i < std::size(delays); ++i)
        EXPECT_EQ(GifFrameDelayMs(Frame(delays[i])), expected[i]) << "delay " << delays[i];
    TGifFrame noControl;
    noControl.Delay = 50; // without its extension the field is not there
    EXPECT_EQ(GifFrameDelayMs(noControl), 120);
}

TEST(GifSchedule, LateFrameShortensTheNextWaitByHalfItsOvershoot)
{
    TGifData gif = Gif(4, 10); // 120 ms each
    gif.Frames[2].Delay = 3;   // 36 ms
    SetLoop(gif, 0, 0);
    TGifPlayPosition p = GifFirstStep(gif, 1000);
    EXPECT_EQ(p.Frame, 0);
    EXPECT_EQ(p.DrawnAt, 1000);
    EXPECT_EQ(p.PlannedWait, 120);

    p = GifNextStep(gif, p, 1151); // 31 ms late: 15 off
    EXPECT_EQ(p.Frame, 1);
    EXPECT_EQ(p.PlannedWait, 105);

    p = GifNextStep(gif, p, 1151 + 105 + 100); // 100 late: 50 off a 36 ms wait
    EXPECT_EQ(p.Frame, 2);
    EXPECT_EQ(p.PlannedWait, 0);

    p = GifNextStep(gif, p, 1356 + 4); // 4 late against a plan of 0
    EXPECT_EQ(p.Frame, 3);
    EXPECT_EQ(p.PlannedWait, 118);

    p = GifNextStep(gif, p, 1360 + 50); // early: no correction
    EXPECT_EQ(p.Frame, 0);
    EXPECT_EQ(p.PlannedWait, 120);
}

TEST(GifSchedule, WithoutLoopExtensionOnePassEndsOnTheLastFrame)
{
    const TGifData gif = Gif(3);
    EXPECT_EQ(Played(gif), (std::vector<int>{0, 1, 2}));
    TGifPlayPosition p = GifFirstStep(gif, 0);
    p = GifNextStep(gif, GifNextStep(gif, p, 120), 240);
    const TGifPlayPosition after = GifNextStep(gif, p, 360);
    EXPECT_TRUE(after.Finished);
    EXPECT_EQ(after.Frame, 2);
}

TEST(GifSchedule, LoopCountsPlayThatManyPassesOrForever)
{
    TGifData three = Gif(2);
    SetLoop(three, 0, 3);
    EXPECT_EQ(Played(three), (std::vector<int>{0, 1, 0, 1, 0, 1}));

    TGifData one = Gif(2);
    SetLoop(one, 0, 1);
    EXPECT_EQ(Played(one), (std::vector<int>{0, 1}));

    TGifData endless = Gif(3);
    SetLoop(endless, 0, 0);
    const std::vector<int> frames = Played(endless, 300);
    ASSERT_EQ(frames.size(), 300u);
    for (std::size_t i = 0; i < frames.size(); ++i)
        EXPECT_EQ(frames[i], static_cast<int>(i % 3));
}

TEST(GifSchedule, LoopExtensionOnFrameTwoRestartsThere)
{
    TGifData gif = Gif(4);
    SetLoop(gif, 2, 3);
    EXPECT_EQ(Played(gif), (std::vector<int>{0, 1, 2, 3, 2, 3, 2, 3}));

    // Only the first loop extension met counts.
    SetLoop(gif, 3, 0);
    EXPECT_EQ(Played(gif), (std::vector<int>{0, 1, 2, 3, 2, 3, 2, 3}));
}

TEST(GifSchedule, FrameWithoutPixelsEndsThePass)
{
    TGifData gif = Gif(4);
    gif.Frames[2] = Frame(10, false);
    EXPECT_EQ(Played(gif), (std::vector<int>{0, 1}));
    SetLoop(gif, 0, 2);
    EXPECT_EQ(Played(gif), (std::vector<int>{0, 1, 0, 1}));

    // A first frame without pixels: nothing to draw at all.
    TGifData blank = Gif(3);
    blank.Frames[0] = Frame(10, false);
    SetLoop(blank, 1, 0);
    EXPECT_TRUE(GifFirstStep(blank, 0).Finished);
    EXPECT_TRUE(GifFirstStep(TGifData(), 0).Finished);
}

TEST(GifSchedule, FinishedPositionsStayPut)
{
    const TGifData gif = Gif(1);
    const TGifPlayPosition p = GifFirstStep(gif, 5);
    EXPECT_FALSE(p.Finished);
    EXPECT_FALSE(GifHasNextStep(gif, p));
    const TGifPlayPosition next = GifNextStep(gif, p, 500);
    EXPECT_TRUE(next.Finished);
    EXPECT_EQ(next.Frame, 0);
    EXPECT_TRUE(GifNextStep(gif, next, 900).Finished);
}
