// The bitmap loader on hand-made files: every header, depth, compression and
// row order, with exact pixels.

#include "BitmapTestBytes.h"
#include "PictureTestSupport.h"

#include "resources/Bitmap.h"
#include "resources/ResourceError.h"

#include <gtest/gtest.h>

namespace {

using TPixels = std::vector<std::uint32_t>;

TBitmap Load(const TBmpBytes& file) { return LoadPicture<TBitmap>(file.Bytes); }

constexpr std::uint32_t Red = 0xFFFF0000, Green = 0xFF00FF00, Blue = 0xFF0000FF, White = 0xFFFFFFFF,
                        Black = 0xFF000000;

TEST(BitmapLoad, TwentyFourBitBottomUpRowsArePaddedToFourBytes)
{
    TBmpBytes f;
    f.FileHeader(54).InfoHeader(2, 2, 24);
    f.U8({0, 0, 255, 0, 255, 0}).U8({0, 0});       // bottom row: red, green, 2 padding bytes
    f.U8({255, 0, 0, 255, 255, 255}).U8({0, 0});   // top row: blue, white
    const TBitmap b = Load(f);
    ASSERT_EQ(b.Width(), 2);
    ASSERT_EQ(b.Height(), 2);
    EXPECT_EQ(b.Pixels().Pixels, (TPixels {Blue, White, Red, Green}));
    EXPECT_TRUE(b.Palette().empty());
}

TEST(BitmapLoad, NegativeHeightMeansTopDown)
{
    TBmpBytes f;
    f.FileHeader(54).InfoHeader(1, -2, 24);
    f.U8({0, 0, 255, 0});  // first row in the file is the top: red
    f.U8({255, 0, 0});     // last row may lack its padding: blue
    EXPECT_EQ(Load(f).Pixels().Pixels, (TPixels {Red, Blue}));
}

TEST(BitmapLoad, OneAndTwoBitRowsCrossByteBoundaries)
{
    TBmpBytes f;
    f.FileHeader(62).InfoHeader(10, 1, 1);
    f.U8({0, 0, 0, 0}).U8({255, 255, 255, 0});     // palette: black, white
    f.U8({0b10110000, 0b01000000, 0, 0});          // pixels 1 0 1 1 0 0 0 0 | 0 1
    const TBitmap b = Load(f);
    EXPECT_EQ(b.Pixels().Pixels, (TPixels {White, Black, White, White, Black, Black, Black, Black, Black, White}));
    EXPECT_EQ(b.Palette(), (TPixels {Black, White}));

    TBmpBytes two;
    two.FileHeader(14 + 40 + 16).InfoHeader(6, 2, 2);
    two.U8({0, 0, 0, 0}).U8({0, 0, 255, 0}).U8({0, 255, 0, 0}).U8({255, 0, 0, 0}); // black, red, green, blue
    two.U8({0b11100100, 0b00010000, 0, 0});        // bottom row: 3 2 1 0 | 0 1
    two.U8({0b00011011, 0b11100000, 0, 0});        // top row: 0 1 2 3 | 3 2
    EXPECT_EQ(Load(two).Pixels().Pixels,
              (TPixels {Black, Red, Green, Blue, Blue, Green, Blue, Green, Red, Black, Black, Red}));
}

TEST(BitmapLoad, ShortPaletteIsPaddedWithBlackSoLargeIndicesStayInside)
{
    TBmpBytes f;
    f.FileHeader(14 + 40 + 8).InfoHeader(3, 1, 4, 0, 2);  // 4 bits, biClrUsed 2
    f.U8({0, 0, 255, 0}).U8({0, 255, 0, 0});             // palette: red, green
    f.U8({0x01, 0xF0, 0, 0});                            // indices 0, 1, 15
    const TBitmap b = Load(f);
    EXPECT_EQ(b.Pixels().Pixels, (TPixels {Red, Green, Black}));
    ASSERT_EQ(b.Palette().size(), 16u);
    EXPECT_EQ(b.Palette()[1], Green);
}

TEST(BitmapLoad, PaletteEndsAtThePixelOffsetEvenWhenTheHeaderClaimsMore)
{
    TBmpBytes f;
    f.FileHeader(14 + 40 + 4).InfoHeader(2, 1, 8);  // biClrUsed 0 claims 256 entries
    f.U8({255, 0, 0, 0});                           // only one entry before the offset: blue
    f.U8({0, 200, 0, 0});                           // indices 0 and 200
    EXPECT_EQ(Load(f).Pixels().Pixels, (TPixels {Blue, Black}));
}

TEST(BitmapLoad, PixelOffsetIsHonouredPastAGap)
{
    TBmpBytes f;
    f.FileHeader(100).InfoHeader(1, 1, 24);
    f.PadTo(100).U8({0, 255, 0, 0});  // 46 unused bytes, then green
    EXPECT_EQ(Load(f).Pixels().Pixels, (TPixels {Green}));
}

TEST(BitmapLoad, SixteenBitDefaultsTo555AndBitfieldsGive565)
{
    TBmpBytes rgb;
    rgb.FileHeader(54).InfoHeader(2, 1, 16);
    rgb.U16(0x7C00).U16(0x001F);  // 5-5-5: red, blue
    EXPECT_EQ(Load(rgb).Pixels().Pixels, (TPixels {Red, Blue}));

    TBmpBytes masked;
    masked.FileHeader(66).InfoHeader(3, 1, 16, 3);
    masked.U32(0xF800).U32(0x07E0).U32(0x001F);   // masks after the 40-byte header
    masked.U16(0xF800).U16(0x07E0).U16(0x8410);  // red, green, half grey
    masked.U16(0);                               // row padding
    EXPECT_EQ(Load(masked).Pixels().Pixels, (TPixels {Red, Green, 0xFF848284}));
}

TEST(BitmapLoad, ThirtyTwoBitRgbIgnoresTheFourthByte)
{
    TBmpBytes f;
    f.FileHeader(54).InfoHeader(2, 1, 32);
    f.U8({1, 2, 3, 0}).U8({1, 2, 3, 77});  // B, G, R, unused
    EXPECT_EQ(Load(f).Pixels().Pixels, (TPixels {0xFF030201, 0xFF030201}));
}

// A BITMAPV5HEADER (124 bytes) with BI_BITFIELDS and the given alpha mask.
TBmpBytes V5(std::uint32_t alphaMask, std::initializer_list<unsigned> pixelBytes)
{
    TBmpBytes f;
    f.FileHeader(14 + 124).InfoHeader(2, 1, 32, 3, 0, 124);
    f.U32(0x00FF0000).U32(0x0000FF00).U32(0x000000FF).U32(alphaMask);  // bV5RedMask .. bV5AlphaMask
    f.U32(0x73524742);                                                // bV5CSType "sRGB"
    f.PadTo(14 + 124);                                                // endpoints, gamma, intent, profile
    f.U8(pixelBytes);
    return f;
}

TEST(BitmapLoad, V5AlphaMaskGivesAlpha)
{
    EXPECT_EQ(Load(V5(0xFF000000, {10, 20, 30, 128, 10, 20, 30, 0})).Pixels().Pixels,
              (TPixels {0x801E140A, 0x001E140A}));
    // Without an alpha mask the fourth byte is padding.
    EXPECT_EQ(Load(V5(0, {10, 20, 30, 128, 10, 20, 30, 0})).Pixels().Pixels, (TPixels {0xFF1E140A, 0xFF1E140A}));
}

TEST(BitmapLoad, AlphaMaskWithOnlyZeroAlphaMeansOpaque)
{
    EXPECT_EQ(Load(V5(0xFF000000, {10, 20, 30, 0, 1, 2, 3, 0})).Pixels().Pixels, (TPixels {0xFF1E140A, 0xFF030201}));
}

TEST(BitmapLoad, V4HeaderAndNarrowMasksAreScaledToEightBits)
{
    TBmpBytes f;
    f.FileHeader(14 + 108).InfoHeader(1, 1, 32, 3, 0, 108);
    f.U32(0x3FF00000).U32(0x000FFC00).U32(0x000003FF).U32(0xC0000000);  // 10-10-10-2
    f.PadTo(14 + 108);
    f.U32(0xFFF00000u | 0x200);  // red 1023, green 0, blue 512, alpha 3
    EXPECT_EQ(Load(f).Pixels().Pixels, (TPixels {0xFFFF0080}));
}

TEST(BitmapLoad, CoreHeaderHasSixteenBitSizesAndThreeBytePaletteEntries)
{
    TBmpBytes f;
    f.FileHeader(14 + 12 + 6);
    f.U32(12).U16(2).U16(1).U16(1).U16(8);  // bcSize, bcWidth, bcHeight, bcPlanes, bcBitCount
    f.U8({0, 0, 255}).U8({255, 0, 0});      // palette: red, blue
    f.U8({1, 0, 0, 0});                     // indices 1, 0
    EXPECT_EQ(Load(f).Pixels().Pixels, (TPixels {Blue, Red}));
}

TEST(BitmapLoad, InfoHeaderVariantsOf52And56BytesCarryTheirMasks)
{
    for (std::uint32_t size : {52u, 56u}) {
        TBmpBytes f;
        f.FileHeader(14 + size).InfoHeader(1, 1, 16, 3, 0, size);
        f.U32(0x000F).U32(0x00F0).U32(0x0F00);  // masks in the header: red low, blue high
        if (size == 56)
            f.U32(0);                           // no alpha
        f.U16(0x0F00).U16(0);                   // all blue, padding
        EXPECT_EQ(Load(f).Pixels().Pixels, (TPixels {Blue})) << size;
    }
}

// Palette for the RLE tests: 0 black, 1 red, 2 green, 3 blue.
TBmpBytes RleFile(unsigned bits, std::int32_t width, std::int32_t height)
{
    TBmpBytes f;
    f.FileHeader(14 + 40 + 16).InfoHeader(width, height, bits, bits == 8 ? 1 : 2, 4);
    f.U8({0, 0, 0, 0}).U8({0, 0, 255, 0}).U8({0, 255, 0, 0}).U8({255, 0, 0, 0});
    return f;
}

TEST(BitmapLoad, Rle8RunsAbsoluteRunsDeltaAndEndOfLine)
{
    TBmpBytes f = RleFile(8, 4, 3);
    f.U8({3, 1});           // bottom line: 3 x red
    f.U8({0, 0});           // end of line
    f.U8({0, 3, 2, 3, 2, 0});  // middle line: absolute green, blue, green, padded to a word
    f.U8({0, 0});           // end of line
    f.U8({0, 2, 2, 0});     // delta: 2 right, 0 up
    f.U8({5, 3});           // top line: blue from x 2, clipped at the edge
    f.U8({0, 1});           // end of bitmap
    EXPECT_EQ(Load(f).Pixels().Pixels,
              (TPixels {Black, Black, Blue, Blue, Green, Blue, Green, Black, Red, Red, Red, Black}));
}

TEST(BitmapLoad, Rle4AlternatesNibbles)
{
    TBmpBytes f = RleFile(4, 8, 1);
    f.U8({3, 0x12});                    // run: red, green, red
    f.U8({0, 5, 0x30, 0x12, 0x30, 0});  // absolute: blue, black, red, green, blue; 3 bytes padded to 4
    f.U8({0, 1});                       // end of bitmap
    EXPECT_EQ(Load(f).Pixels().Pixels, (TPixels {Red, Green, Red, Blue, Black, Red, Green, Blue}));
}

TEST(BitmapLoad, RleDataEndingEarlyKeepsWhatWasDecoded)
{
    TBmpBytes f = RleFile(8, 2, 2);
    f.U8({2, 2, 0});  // bottom line green, then a cut-off code
    EXPECT_EQ(Load(f).Pixels().Pixels, (TPixels {Black, Black, Green, Green}));
}

TEST(BitmapLoad, ZeroSizeIsAnEmptyPicture)
{
    TBmpBytes f;
    f.FileHeader(54).InfoHeader(0, 0, 24);
    const TBitmap b = Load(f);
    EXPECT_TRUE(b.Empty());
    EXPECT_TRUE(b.Pixels().Pixels.empty());
}

TEST(BitmapLoad, ReadsFromTheCurrentPositionOfAnyStream)
{
    TBmpBytes f;
    f.U8({9, 9, 9});  // bytes before the bitmap
    f.FileHeader(54).InfoHeader(1, 1, 24).U8({0, 0, 255, 0});
    TMemoryStream memory(f.Bytes);
    memory.SetPosition(3);
    TBitmap b;
    b.LoadFromStream(memory);
    EXPECT_EQ(b.Pixels().Pixels, (TPixels {Red}));
}

// Every row is a broken file; every one must fail the same way and leave
// the bitmap empty.
TEST(BitmapLoad, BrokenFilesAreRefused)
{
    auto base = [](std::int32_t w, std::int32_t h, unsigned bits, std::uint32_t compression = 0) {
        TBmpBytes f;
        f.FileHeader(54).InfoHeader(w, h, bits, compression);
        return f;
    };
    auto cut = [](TBmpBytes f, std::size_t length) {
        f.Bytes.resize(length);
        return f;
    };
    struct TCase {
        const char* Name;
        TBmpBytes File;
    };
    TBmpBytes wrongSignature = base(1, 1, 24);
    wrongSignature.Bytes[0] = 'X';
    wrongSignature.U8({0, 0, 0, 0});
    TBmpBytes unknownHeader;
    unknownHeader.FileHeader(54).InfoHeader(1, 1, 24, 0, 0, 20).U8({0, 0, 0, 0});
    TBmpBytes offsetPastEnd;
    offsetPastEnd.FileHeader(5000).InfoHeader(1, 1, 24).U8({0, 0, 0, 0});
    TBmpBytes offsetInsideHeader;
    offsetInsideHeader.FileHeader(20).InfoHeader(1, 1, 24).U8({0, 0, 0, 0});
    TBmpBytes nonContiguousMask;
    nonContiguousMask.FileHeader(66).InfoHeader(1, 1, 16, 3).U32(0xF00F).U32(0x0F00).U32(0x00F0).U32(0);
    TBmpBytes os2Huffman;
    os2Huffman.FileHeader(78).InfoHeader(8, 1, 1, 3, 0, 64).PadTo(78 + 4);
    const std::vector<TCase> cases = {
        {"empty input", TBmpBytes {}},
        {"only a file header", TBmpBytes {}.FileHeader(54)},
        {"wrong signature", wrongSignature},
        {"unknown header size", unknownHeader},
        {"header cut short", cut(base(1, 1, 24), 30)},
        {"negative width", base(-1, 1, 24).U8({0, 0, 0, 0})},
        {"most negative height", base(1, INT32_MIN, 24).U8({0, 0, 0, 0})},
        {"width beyond the side limit", base(16385, 1, 1).PadTo(54 + 2052)},
        {"too many pixels in all", base(8192, 8192, 8, 1).U8({0, 1})},  // RLE needs no data per pixel
        {"bit depth 7", base(1, 1, 7).U8({0, 0, 0, 0})},
        {"bit depth 0", base(1, 1, 0).U8({0, 0, 0, 0})},
        {"RLE8 with 4 bits", base(1, 1, 4, 1).U8({0, 1})},
        {"RLE4 with 8 bits", base(1, 1, 8, 2).U8({0, 1})},
        {"bitfields with 24 bits", base(1, 1, 24, 3).U32(0xFF).U32(0xFF00).U32(0xFF0000).U8({0, 0, 0, 0})},
        {"JPEG compression", base(1, 1, 24, 4).U8({0, 0, 0, 0})},
        {"non-contiguous mask", nonContiguousMask},
        {"OS/2 Huffman coding", os2Huffman},
        {"pixel rows cut short", base(4, 4, 24).PadTo(54 + 12 * 3 + 11)},
        {"pixel offset past the end", offsetPastEnd},
        {"pixel offset inside the header", offsetInsideHeader},
        {"bitfields masks missing", base(1, 1, 32, 3).U32(0xFF)},
    };
    for (const TCase& c : cases) {
        TMemoryStream stream(c.File.Bytes);
        TBitmap b(3, 3);
        try {
            b.LoadFromStream(stream);
            ADD_FAILURE() << c.Name << ": loaded";
        } catch (const EResourceError& e) {
            EXPECT_STREQ(e.what(), "Bitmap image is not valid") << c.Name;
        }
        EXPECT_TRUE(b.Empty()) << c.Name;
    }
}

} // namespace
