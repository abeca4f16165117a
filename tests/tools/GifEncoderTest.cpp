// Our GIF writer, read back with the program's own decoder and compositor.
#include "GifEncoder.h"

#include "resources/GifCompositor.h"
#include "resources/GifDecoder.h"
#include "resources/GifLzw.h"

#include <gtest/gtest.h>

namespace {

TGifEncodeFrame Frame(TPixelBuffer pixels, int left, int top, int delay, TGifEncodeDisposal disposal)
{
    TGifEncodeFrame f;
    f.Pixels = std::move(pixels);
    f.Left = left;
    f.Top = top;
    f.DelayCs = delay;
    f.Disposal = disposal;
    return f;
}

TEST(GifLzwCompress, RoundTripsThroughTheDecoderAcrossTableResets)
{
    // Long, varied input fills the 4096-entry table several times, so the
    // clear codes and the 12-bit ceiling are exercised; small alphabets
    // check the narrowest code sizes.
    for (const int minCodeSize : {2, 3, 8}) {
        std::vector<std::uint8_t> indices;
        std::uint32_t seed = 12345;
        for (int i = 0; i < 60000; ++i) {
            seed = seed * 1103515245u + 12345u;
            const int run = (seed >> 28) & 3;
            for (int r = 0; r <= run; ++r)
                indices.push_back(static_cast<std::uint8_t>((seed >> 16) % (1u << minCodeSize)));
        }
        const std::vector<std::uint8_t> packed = GifLzwCompress(indices, minCodeSize);
        std::vector<std::uint8_t> decoded(indices.size() + 16, 0xEE);
        const std::size_t n = GifLzwDecode(minCodeSize, packed.data(), packed.size(), decoded.data(), decoded.size());
        ASSERT_EQ(n, indices.size()) << "min code size " << minCodeSize;
        decoded.resize(n);
        EXPECT_EQ(decoded, indices) << "min code size " << minCodeSize;
    }
}

TEST(EncodeGif, WritesFramesRectanglesDelaysDisposalsAndExactColours)
{
    TPixelBuffer overlay = TPixelBuffer::Filled(4, 3, 0xFF0000FFu);
    overlay.At(1, 1) = 0x00000000u; // a see-through hole
    const std::vector<TGifEncodeFrame> frames = {
        Frame(TPixelBuffer::Filled(10, 8, 0xFFFF0000u), 0, 0, 50, TGifEncodeDisposal::Keep),
        Frame(overlay, 3, 2, 7, TGifEncodeDisposal::RestorePrevious),
        Frame(TPixelBuffer::Filled(2, 2, 0xFF00FF00u), 8, 6, 12, TGifEncodeDisposal::RestoreBackground),
        Frame(TPixelBuffer::Filled(10, 8, 0xFF123456u), 0, 0, 0, TGifEncodeDisposal::Unspecified),
    };
    const std::vector<std::uint8_t> bytes = EncodeGif(10, 8, frames);
    const TGifData gif = DecodeGif(bytes.data(), bytes.size());

    EXPECT_EQ(gif.Width, 10);
    EXPECT_EQ(gif.Height, 8);
    ASSERT_EQ(gif.Frames.size(), 4u);
    EXPECT_TRUE(gif.Frames[0].HasLoop);
    EXPECT_EQ(gif.Frames[0].LoopCount, 0);
    const TGifDisposal disposals[] = {TGifDisposal::Leave, TGifDisposal::Previous, TGifDisposal::Background,
                                      TGifDisposal::Leave};
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const TGifFrame& f = gif.Frames[i];
        EXPECT_EQ(f.Left, frames[i].Left);
        EXPECT_EQ(f.Top, frames[i].Top);
        EXPECT_EQ(f.Width, frames[i].Pixels.Width);
        EXPECT_EQ(f.Height, frames[i].Pixels.Height);
        EXPECT_EQ(f.Delay, frames[i].DelayCs);
        EXPECT_EQ(f.Disposal, disposals[i]) << "frame " << i;
        EXPECT_GE(f.TransparentIndex, 0) << "the file holds a see-through pixel";
    }
    EXPECT_EQ(gif.Frames[1].Indices[1 * 4 + 1], gif.Frames[1].TransparentIndex);

    // Composition shows the overlay over the kept red, red through its hole.
    TGifCompositor compositor(gif, 0xFFFFFFFFu);
    compositor.Draw(0);
    compositor.Draw(1);
    const TPixelBuffer& shown = compositor.Output();
    EXPECT_EQ(shown.At(3, 2), 0xFF0000FFu);
    EXPECT_EQ(shown.At(4, 3), 0xFFFF0000u);
    EXPECT_EQ(shown.At(0, 0), 0xFFFF0000u);
    compositor.Draw(2);
    EXPECT_EQ(compositor.Output().At(3, 2), 0xFFFF0000u) << "restored to what lay under the overlay";
    EXPECT_EQ(compositor.Output().At(9, 7), 0xFF00FF00u);
    compositor.Draw(3);
    EXPECT_EQ(compositor.Output().At(5, 5), 0xFF123456u);
}

TEST(EncodeGif, LocalTablesAndManyColoursStillDecodeClosely)
{
    // 64 x 64 distinct colours: more than a table holds, so a palette is chosen.
    TPixelBuffer rich = TPixelBuffer::Filled(64, 64, 0);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            rich.At(x, y) = 0xFF000000u | static_cast<std::uint32_t>(x * 4) << 16 | static_cast<std::uint32_t>(y * 4) << 8
                            | static_cast<std::uint32_t>((x + y) * 2);
    rich.At(0, 0) = 0; // and one transparent pixel, which needs a slot of its own
    TGifEncodeFrame global = Frame(rich, 0, 0, 10, TGifEncodeDisposal::Keep);
    TGifEncodeFrame local = Frame(TPixelBuffer::Filled(8, 8, 0xFFABCDEFu), 4, 4, 10, TGifEncodeDisposal::Keep);
    local.LocalPalette = true;
    const std::vector<std::uint8_t> bytes = EncodeGif(64, 64, {global, local});
    const TGifData gif = DecodeGif(bytes.data(), bytes.size());
    ASSERT_EQ(gif.Frames.size(), 2u);
    EXPECT_EQ(gif.GlobalColors.size(), 256u);

    const TGifFrame& f = gif.Frames[0];
    EXPECT_EQ(f.Indices[0], f.TransparentIndex);
    double error = 0;
    for (int i = 1; i < 64 * 64; ++i) {
        const std::uint32_t want = rich.Pixels[static_cast<std::size_t>(i)];
        const std::uint32_t got = f.Colors[f.Indices[static_cast<std::size_t>(i)]];
        ASSERT_NE(f.Indices[static_cast<std::size_t>(i)], f.TransparentIndex) << "pixel " << i;
        for (int shift = 0; shift <= 16; shift += 8)
            error += std::abs(static_cast<int>((want >> shift) & 0xFF) - static_cast<int>((got >> shift) & 0xFF));
    }
    EXPECT_LT(error / (3.0 * 64 * 64), 6.0) << "mean channel error";

    EXPECT_EQ(gif.Frames[1].Colors[gif.Frames[1].Indices[0]], 0xFFABCDEFu) << "the frame's own table";
    EXPECT_EQ(gif.Frames[1].TransparentIndex, -1);
}

TEST(EncodeGif, RefusesFramesOffTheScreen)
{
    EXPECT_THROW(EncodeGif(10, 10, {}), std::invalid_argument);
    EXPECT_THROW(EncodeGif(10, 10, {Frame(TPixelBuffer::Filled(4, 4, 0xFF000000u), 8, 0, 0, TGifEncodeDisposal::Keep)}),
                 std::invalid_argument);
}

} // namespace
