#include "GifTestWriter.h"

#include "resources/GifCompositor.h"
#include "resources/GifDecoder.h"

#include <gtest/gtest.h>

using namespace giftest;

namespace {

constexpr std::uint32_t R = 0xFFFF0000u, G = 0xFF00FF00u, B = 0xFF0000FFu;
constexpr std::uint32_t Back = 0xFF123456u; // the owner's background
constexpr int Clear = 3;                    // transparent index in these files

// A 3 x 1 screen: frame 0 fills it with red, frame 1 puts green in the
// middle with the given disposal, frame 2 paints blue on the left only.
TGifData ThreeFrames(int disposalOfMiddle, int disposalOfFirst = 0)
{
    TGifWriter w(3, 1, {0xFF0000, 0x00FF00, 0x0000FF, 0});
    w.Control(1, disposalOfFirst, Clear).Image(Frame(3, 1, {0, 0, 0}));
    w.Control(1, disposalOfMiddle, Clear).Image(Frame(1, 1, {1}, 1, 0));
    w.Control(1, 0, Clear).Image(Frame(1, 1, {2}, 0, 0));
    const Bytes bytes = w.Finish();
    return DecodeGif(bytes.data(), bytes.size());
}

std::vector<std::uint32_t> After(const TGifData& gif, std::initializer_list<int> frames)
{
    TGifCompositor c(gif, Back);
    for (int f : frames)
        c.Draw(f);
    return c.Output().Pixels;
}

} // namespace

TEST(GifCompose, CanvasStartsTransparentOverTheBackground)
{
    const TGifData gif = ThreeFrames(0);
    TGifCompositor c(gif, Back);
    EXPECT_EQ(c.Output().Pixels, std::vector<std::uint32_t>(3, Back));
    c.Draw(1);
    EXPECT_EQ(c.Output().Pixels, (std::vector<std::uint32_t>{Back, G, Back}));
}

TEST(GifCompose, DisposalMethods)
{
    // Unspecified and "leave" keep the frame; 4..7 are treated as leave.
    for (int leave : {0, 1, 5})
        EXPECT_EQ(After(ThreeFrames(leave), {0, 1, 2}), (std::vector<std::uint32_t>{B, G, R})) << leave;
    // Restore to background makes the area transparent: the owner's colour shows.
    EXPECT_EQ(After(ThreeFrames(2), {0, 1, 2}), (std::vector<std::uint32_t>{B, Back, R}));
    // Restore to previous brings back what frame 0 drew.
    EXPECT_EQ(After(ThreeFrames(3), {0, 1, 2}), (std::vector<std::uint32_t>{B, R, R}));
    // Restore to previous on the first frame: back to the transparent canvas.
    EXPECT_EQ(After(ThreeFrames(0, 3), {0, 1}), (std::vector<std::uint32_t>{Back, G, Back}));
    // The disposal is applied before the next frame, not after the frame itself.
    EXPECT_EQ(After(ThreeFrames(2), {0, 1}), (std::vector<std::uint32_t>{R, G, R}));
}

TEST(GifCompose, TransparentPixelsShowWhatLiesBehind)
{
    TGifWriter w(3, 1, {0xFF0000, 0x00FF00, 0x0000FF, 0});
    w.Control(1, 0, Clear).Image(Frame(3, 1, {0, 1, Clear}));
    w.Control(1, 0, Clear).Image(Frame(3, 1, {Clear, 2, Clear}));
    const Bytes bytes = w.Finish();
    const TGifData gif = DecodeGif(bytes.data(), bytes.size());
    EXPECT_EQ(After(gif, {0}), (std::vector<std::uint32_t>{R, G, Back}));
    EXPECT_EQ(After(gif, {0, 1}), (std::vector<std::uint32_t>{R, B, Back}));
}

TEST(GifCompose, LoopBackToAnEarlierFrameDisposesTheLastOne)
{
    const TGifData gif = ThreeFrames(0);
    // Frame 2 restores nothing, so after looping to frame 1 all three show.
    EXPECT_EQ(After(gif, {0, 1, 2, 1}), (std::vector<std::uint32_t>{B, G, R}));
    const TGifData prev = ThreeFrames(3);
    EXPECT_EQ(After(prev, {0, 1, 2, 1, 2}), (std::vector<std::uint32_t>{B, R, R}));
}

TEST(GifCompose, ClippedFramesDisposeOnlyTheirVisiblePart)
{
    TGifWriter w(2, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0});
    w.Control(1, 0).Image(Frame(2, 2, {0, 0, 0, 0}));
    w.Control(1, 2).Image(Frame(3, 3, {1, 1, 1, 1, 1, 1, 1, 1, 1}, 1, 1));
    w.Control(1, 0, Clear).Image(Frame(1, 1, {Clear}));
    const Bytes bytes = w.Finish();
    const TGifData gif = DecodeGif(bytes.data(), bytes.size());
    EXPECT_EQ(After(gif, {0, 1}), (std::vector<std::uint32_t>{R, R, R, G}));
    EXPECT_EQ(After(gif, {0, 1, 2}), (std::vector<std::uint32_t>{R, R, R, Back}));
}
