// The shipped skin: every entry the windows read is a bitmap whose size
// fits the places the windows put it; the sharp skin has each at twice the size.
#include "ContentFixture.h"

#include "resources/Bitmap.h"
#include "resources/LumRes.h"

#include <gtest/gtest.h>

#include <map>

namespace {

struct TSkin {
    std::map<int, TBitmap> Pictures;
    std::string CoverLink;
    int EntryCount = 0;
    bool HasStoredBitmap = false;
    bool HasCompressed = false;
};

TSkin ReadSkin(const char* file)
{
    TSkin s;
    TLumResFileReader reader((ContentDir() / file).string());
    s.EntryCount = reader.EntryCount();
    TMemoryStream link;
    reader.CopyEntry(0, link);
    s.CoverLink.assign(link.Data().begin(), link.Data().end());
    for (int entry = 1; entry < reader.EntryCount(); ++entry) {
        TMemoryStream stream;
        reader.CopyEntry(entry, stream);
        stream.SetPosition(0);
        s.Pictures[entry].LoadFromStream(stream);
        s.HasStoredBitmap = s.HasStoredBitmap || reader.Entries[entry].EntryKind == 1;
        s.HasCompressed = s.HasCompressed || reader.Entries[entry].EntryKind < 0;
    }
    return s;
}

const TSkin& Skin()
{
    static const TSkin skin = ReadSkin("kobalind.dat");
    return skin;
}

double MeanLuminance(const TBitmap& bitmap, int left, int top, int right, int bottom)
{
    double sum = 0;
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const std::uint32_t p = bitmap.Pixels().At(x, y);
            sum += 0.299 * ((p >> 16) & 0xFF) + 0.587 * ((p >> 8) & 0xFF) + 0.114 * (p & 0xFF);
            ++n;
        }
    return sum / n;
}

TEST(SkinContent, HoldsEntriesZeroToThirtyWithACoverLinkAndBothStorageKinds)
{
    EXPECT_EQ(Skin().EntryCount, 31);
    EXPECT_EQ(Skin().CoverLink.rfind("https://", 0), 0u) << Skin().CoverLink;
    EXPECT_TRUE(Skin().HasStoredBitmap);
    EXPECT_TRUE(Skin().HasCompressed);
    for (int entry = 1; entry <= 30; ++entry)
        EXPECT_FALSE(Skin().Pictures.at(entry).Empty()) << "entry " << entry;
}

TEST(SkinContent, TheSharpSkinHoldsTheSameEntriesAtTwiceTheSize)
{
    const TSkin sharp = ReadSkin("kobalind@2x.dat");
    ASSERT_EQ(sharp.EntryCount, Skin().EntryCount);
    EXPECT_EQ(sharp.CoverLink, Skin().CoverLink);
    for (const auto& [entry, picture] : Skin().Pictures) {
        EXPECT_EQ(sharp.Pictures.at(entry).Width(), 2 * picture.Width()) << "entry " << entry;
        EXPECT_EQ(sharp.Pictures.at(entry).Height(), 2 * picture.Height()) << "entry " << entry;
    }
    // The frame's lines cover both device pixels of their unit: the main
    // window's outermost row and column are its outline at either size, with
    // nothing lighter outside it.
    const auto same = [&sharp](int entry, int x, int y) {
        const std::uint32_t one = Skin().Pictures.at(entry).Pixels().At(x, y);
        const TPixelBuffer& two = sharp.Pictures.at(entry).Pixels();
        return two.At(2 * x, 2 * y) == one && two.At(2 * x + 1, 2 * y + 1) == one;
    };
    for (int entry : {7, 8, 9, 11}) { // the bottom corners and edge, the button bar
        const TBitmap& picture = Skin().Pictures.at(entry);
        for (int x = 0; x < picture.Width(); ++x)
            EXPECT_TRUE(same(entry, x, picture.Height() - 1)) << "entry " << entry << " x " << x;
    }
    for (int entry : {4, 6, 9}) { // the right corners and edge
        const TBitmap& picture = Skin().Pictures.at(entry);
        for (int y = 0; y < picture.Height(); ++y)
            EXPECT_TRUE(same(entry, picture.Width() - 1, y)) << "entry " << entry << " y " << y;
    }
}

struct TSizeRule {
    int Entry;
    int MinWidth, MaxWidth, MinHeight, MaxHeight;
};

TEST(SkinContent, PicturesFitTheWindowGeometry)
{
    const TSizeRule rules[] = {
        {1, 429, 429, 287, 287},   // the cover panel
        {2, 5, 200, 21, 21},       // top-left corner: the 21-pixel top edge
        {3, 1, 490, 21, 21},       // top edge
        {4, 54, 120, 21, 21},      // top-right corner with the buttons up to x 53
        {5, 5, 5, 1, 450},         // left edge
        {6, 5, 5, 1, 450},         // right edge
        {7, 5, 60, 70, 70},        // bottom-left corner: the 70-pixel bottom
        {8, 1, 490, 70, 70},       // bottom edge
        {9, 5, 60, 70, 70},        // bottom-right corner
        {10, 2, 64, 2, 64},        // centre tile
        {11, 459, 490, 70, 70},    // button bar: "options" reaches x 458, "exit" y 60
        {12, 177, 177, 18, 18},    // slider track
        {13, 5, 30, 18, 18},       // slider thumb
        {14, 20, 490, 8, 19},      // notice between y 361 and the bar at 380
        {17, 386, 386, 303, 303},  // options panel
        {18, 395, 395, 17, 29},    // popup title bar with the close spot to y 16
        {19, 1, 10, 1, 259},       // popup left edge
        {20, 1, 10, 1, 259},       // popup right edge
        {21, 1, 395, 1, 30},       // popup bottom-left piece
        {22, 30, 74, 14, 29},      // close button at 321,230 inside 395 x 259
        {23, 30, 395, 12, 21},     // titles at y 29, above the content at 50
        {29, 30, 395, 12, 21},
        {30, 30, 395, 12, 21},
    };
    for (const TSizeRule& rule : rules) {
        const TBitmap& picture = Skin().Pictures.at(rule.Entry);
        EXPECT_TRUE(picture.Width() >= rule.MinWidth && picture.Width() <= rule.MaxWidth
                    && picture.Height() >= rule.MinHeight && picture.Height() <= rule.MaxHeight)
            << "entry " << rule.Entry << " is " << picture.Width() << "x" << picture.Height();
    }
}

TEST(SkinContent, CoverIsSeeThroughOutsideItsRoundedFrame)
{
    const TBitmap& cover = Skin().Pictures.at(1);
    for (const auto [x, y] : {std::pair{0, 0}, {428, 0}, {0, 286}, {428, 286}, {5, 5}})
        EXPECT_EQ(cover.Pixels().At(x, y) >> 24, 0u) << x << "," << y;
    EXPECT_EQ(cover.Pixels().At(214, 143) >> 24, 255u);
    EXPECT_EQ(cover.Pixels().At(214, 5) >> 24, 255u) << "the frame";
}

TEST(SkinContent, CentreTileIsDarkAndStatusWellIsLight)
{
    const TBitmap& tile = Skin().Pictures.at(10);
    EXPECT_LT(MeanLuminance(tile, 0, 0, tile.Width(), tile.Height()), 50.0);
    // Label1 (bold black) sits 26 pixels above the bottom, centred: y 44..57 of the bar.
    const TBitmap& bar = Skin().Pictures.at(11);
    const int centre = bar.Width() / 2;
    EXPECT_GT(MeanLuminance(bar, centre - 120, 44, centre + 120, 58), 190.0);
}

TEST(SkinContent, ButtonsStandOutFromTheBarAroundThem)
{
    // Each hot spot of the bar and of the corner differs clearly from the
    // strip just outside it, so the buttons are seen where they are.
    struct TSpot {
        int Entry, Left, Top, Right, Bottom;
    };
    const TSpot spots[] = {
        {11, 8, 32, 65, 60}, {11, 392, 32, 457, 60}, {11, 7, 8, 67, 24}, {11, 398, 8, 458, 24},
        {4, 6, 4, 19, 16},   {4, 23, 4, 36, 16},     {4, 40, 4, 53, 16}, {18, 378, 4, 391, 16},
    };
    for (const TSpot& s : spots) {
        const TBitmap& picture = Skin().Pictures.at(s.Entry);
        const double inside = MeanLuminance(picture, s.Left + 2, s.Top + 2, s.Right - 2, s.Bottom - 2);
        const double left = MeanLuminance(picture, s.Left - 3, s.Top, s.Left - 1, s.Bottom);
        EXPECT_GT(std::abs(inside - left), 12.0) << "entry " << s.Entry << " spot at " << s.Left << "," << s.Top;
    }
}

} // namespace
