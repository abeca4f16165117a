// The bitmap saver: files it writes load back as they were meant, and the
// 8-bit palette choice.

#include "resources/Bitmap.h"
#include "resources/ResourceError.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

TBitmap RoundTrip(const TBitmap& source, int bits, std::vector<std::uint8_t>* file = nullptr)
{
    TMemoryStream stream;
    source.SaveToStream(stream, bits);
    if (file)
        *file = stream.Data();
    stream.SetPosition(0);
    TBitmap loaded;
    loaded.LoadFromStream(stream);
    return loaded;
}

TBitmap Noise(int width, int height, unsigned seed)
{
    TBitmap b(width, height);
    for (std::uint32_t& p : b.EditPixels().Pixels) {
        seed = seed * 1103515245u + 12345u;
        p = 0xFF000000u | (seed >> 8 & 0xFFFFFF);
    }
    return b;
}

TEST(BitmapSave, TwentyFourBitKeepsEveryPixelForOddWidths)
{
    for (int width : {1, 2, 3, 5, 17}) {
        const TBitmap source = Noise(width, 7, static_cast<unsigned>(width));
        const TBitmap loaded = RoundTrip(source, 24);
        EXPECT_EQ(loaded.Width(), width);
        EXPECT_EQ(loaded.Pixels().Pixels, source.Pixels().Pixels) << width;
    }
}

TEST(BitmapSave, TwentyFourBitWritesTheStandardHeaderAndDropsAlpha)
{
    TPixelBuffer pixels {3, 2, {0x80112233, 0xFF445566, 0x00778899, 0xFF000000, 0xFFFFFFFF, 0xFF123456}};
    TBitmap source;
    source.Assign(pixels);
    std::vector<std::uint8_t> file;
    const TBitmap loaded = RoundTrip(source, 24, &file);
    ASSERT_EQ(file.size(), 14u + 40u + 2 * 12u); // rows of 9 bytes padded to 12
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(file[10], 54);  // bfOffBits
    EXPECT_EQ(file[14], 40);  // biSize
    EXPECT_EQ(file[28], 24);  // biBitCount
    for (std::size_t i = 0; i < pixels.Pixels.size(); ++i)
        EXPECT_EQ(loaded.Pixels().Pixels[i], pixels.Pixels[i] | 0xFF000000u) << i;
}

TEST(BitmapSave, ThirtyTwoBitKeepsAlphaInAV4Header)
{
    TPixelBuffer pixels {3, 2, {0x80112233, 0xFF445566, 0x00778899, 0xFF000000, 0x01FFFFFF, 0xFF123456}};
    TBitmap source;
    source.Assign(pixels);
    std::vector<std::uint8_t> file;
    const TBitmap loaded = RoundTrip(source, 32, &file);
    ASSERT_EQ(file.size(), 14u + 108u + 2 * 12u);
    EXPECT_EQ(file[14], 108); // biSize: BITMAPV4HEADER
    EXPECT_EQ(file[28], 32);  // biBitCount
    EXPECT_EQ(file[30], 3);   // BI_BITFIELDS
    EXPECT_EQ(file[69], 0xFF); // the alpha mask's top byte
    EXPECT_EQ(loaded.Pixels().Pixels, pixels.Pixels);
}

TEST(BitmapSave, EightBitIsExactForUpTo256Colours)
{
    TBitmap source(40, 30);
    auto& px = source.EditPixels().Pixels;
    for (std::size_t i = 0; i < px.size(); ++i)
        px[i] = 0xFF000000u | static_cast<std::uint32_t>((i * 7919) % 256) * 0x010203u;
    std::vector<std::uint8_t> file;
    const TBitmap loaded = RoundTrip(source, 8, &file);
    EXPECT_EQ(file[28], 8);
    EXPECT_EQ(loaded.Pixels().Pixels, source.Pixels().Pixels);
    const std::set<std::uint32_t> distinct(px.begin(), px.end());
    ASSERT_EQ(distinct.size(), 256u);
    EXPECT_EQ(std::set<std::uint32_t>(loaded.Palette().begin(), loaded.Palette().end()), distinct);
}

TEST(BitmapSave, EightBitOfFewColoursWritesAShortPalette)
{
    TPixelBuffer pixels {2, 2, {0xFFFF0000, 0xFF00FF00, 0xFF00FF00, 0xFFFF0000}};
    TBitmap source;
    source.Assign(pixels);
    std::vector<std::uint8_t> file;
    const TBitmap loaded = RoundTrip(source, 8, &file);
    EXPECT_EQ(file.size(), 14u + 40u + 2 * 4u + 2 * 4u);
    EXPECT_EQ(file[46], 2);  // biClrUsed
    EXPECT_EQ(loaded.Pixels().Pixels, pixels.Pixels);
    EXPECT_EQ(loaded.Palette()[0], 0xFFFF0000u);  // first seen, first entry
}

TEST(BitmapSave, EightBitOfManyColoursStaysCloseToTheOriginal)
{
    // A smooth 4096-colour gradient plus a small patch of a distinct colour.
    TBitmap source(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            source.EditPixels().At(x, y) = 0xFF000000u | std::uint32_t(x * 4) << 16 | std::uint32_t(y * 4) << 8 | 128;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            source.EditPixels().At(x, y) = 0xFF00FFFF;
    const TBitmap loaded = RoundTrip(source, 8);
    EXPECT_LE(loaded.Palette().size(), 256u);
    long totalError = 0;
    int worst = 0;
    for (std::size_t i = 0; i < source.Pixels().Pixels.size(); ++i) {
        const std::uint32_t a = source.Pixels().Pixels[i], b = loaded.Pixels().Pixels[i];
        for (int shift : {0, 8, 16}) {
            const int d = std::abs(int(a >> shift & 255) - int(b >> shift & 255));
            totalError += d;
            worst = std::max(worst, d);
        }
    }
    EXPECT_LT(double(totalError) / (64 * 64 * 3), 4.0);
    EXPECT_LE(worst, 16);
    EXPECT_EQ(loaded.Pixels().At(1, 1), 0xFF00FFFFu);
}

TEST(BitmapSave, EmptyBitmapRoundTrips)
{
    const TBitmap loaded = RoundTrip(TBitmap {}, 24);
    EXPECT_TRUE(loaded.Empty());
    EXPECT_TRUE(RoundTrip(TBitmap {}, 8).Empty());
}

TEST(BitmapSave, OnlyThirtyTwoTwentyFourAndEightBitsAreWritten)
{
    TMemoryStream stream;
    const TBitmap b(1, 1);
    EXPECT_THROW(b.SaveToStream(stream, 16), EResourceError);
    EXPECT_THROW(b.SaveToStream(stream, 1), EResourceError);
    EXPECT_EQ(stream.Size(), 0);
}

TEST(BitmapSave, SizeAndAssignRefuseWhatTheyCannotHold)
{
    TBitmap b;
    EXPECT_THROW(b.SetSize(-1, 5), EResourceError);
    EXPECT_THROW(b.SetSize(MaxPictureSide + 1, 1), EResourceError);
    EXPECT_THROW(b.SetSize(MaxPictureSide, MaxPictureSide), EResourceError);
    EXPECT_THROW(b.Assign(TPixelBuffer {2, 2, {1, 2, 3}}), EResourceError);
    b.SetSize(3, 2);
    EXPECT_EQ(b.Pixels().Pixels, std::vector<std::uint32_t>(6, 0xFF000000u));
}

} // namespace
