#include "controls/ControlError.h"
#include "controls/LumBitmap.h"

#include "resources/Bitmap.h"

#include "ControlsTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(RoundHalfEvenTest, TiesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(-0.299), 0);
    EXPECT_EQ(RoundHalfEven(10.239), 10);
}

TEST(FitSizeTest, ScalesDownNeverUpKeepingTheAspect)
{
    struct TCase {
        int sw, sh, bw, bh;
        QSize expected;
    } cases[] = {
        {50, 40, 100, 100, {50, 40}},   // fits: kept
        {100, 100, 100, 100, {100, 100}}, // exactly the box
        {200, 100, 100, 100, {100, 50}},  // too wide
        {100, 200, 100, 100, {50, 100}},  // too high: width recomputed
        {0, 50, 10, 10, {0, 50}},         // no width: kept as is
        {50, -3, 10, 10, {50, -3}},       // negative height: kept as is
        {30, 10, 20, 100, {20, 7}},       // 10 * 20 / 30 = 6.67
        {40, 10, 20, 100, {20, 5}},       // exact
        {20, 5, 8, 100, {8, 2}},          // 5 * 8 / 20 = 2.0
        {16, 10, 4, 100, {4, 2}},         // 10 * 4 / 16 = 2.5 -> 2 (half to even)
        {16, 14, 4, 100, {4, 4}},         // 14 * 4 / 16 = 3.5 -> 4
        {10, 16, 100, 4, {2, 4}},         // 10 * 4 / 16 = 2.5 -> 2 on the width
    };
    for (const TCase& c : cases)
        EXPECT_EQ(FitSize(c.sw, c.sh, c.bw, c.bh), c.expected) << c.sw << "x" << c.sh << " in " << c.bw << "x" << c.bh;
}

TEST(LumBitmapTest, DrawFittedCentresALargerPictureScaledDownOnWhite)
{
    const QImage picture = Solid(40, 20, qRgb(200, 0, 0));
    TLumBitmap bitmap;
    bitmap.DrawFitted(&picture, 20, 20); // fitted 20 x 10 at (0, 5)
    ASSERT_EQ(bitmap.Width(), 20);
    ASSERT_EQ(bitmap.Height(), 20);
    EXPECT_FALSE(bitmap.Image.hasAlphaChannel());
    EXPECT_EQ(bitmap.Image.pixel(10, 4), qRgb(255, 255, 255));
    EXPECT_EQ(bitmap.Image.pixel(10, 5), qRgb(200, 0, 0));
    EXPECT_EQ(bitmap.Image.pixel(0, 14), qRgb(200, 0, 0));
    EXPECT_EQ(bitmap.Image.pixel(19, 15), qRgb(255, 255, 255));
}

TEST(LumBitmapTest, DrawFittedKeepsASmallerPictureAtItsOwnSize)
{
    TBitmap face(3, 2);
    for (auto& pixel : face.EditPixels().Pixels)
        pixel = 0xFF00FF00u;
    TLumBitmap bitmap;
    bitmap.BrushColor = QColor(0, 0, 255);
    bitmap.DrawFitted(&face, 8, 7); // at ((8-3) div 2, (7-2) div 2) = (2, 2)
    ASSERT_EQ(bitmap.Width(), 8);
    EXPECT_EQ(bitmap.Image.pixel(1, 2), qRgb(0, 0, 255));
    EXPECT_EQ(bitmap.Image.pixel(2, 2), qRgb(0, 255, 0));
    EXPECT_EQ(bitmap.Image.pixel(4, 3), qRgb(0, 255, 0));
    EXPECT_EQ(bitmap.Image.pixel(5, 3), qRgb(0, 0, 255));
    EXPECT_EQ(bitmap.Image.pixel(4, 4), qRgb(0, 0, 255));
}

TEST(LumBitmapTest, DrawFittedWithoutAPictureIsBrushOnly)
{
    TLumBitmap bitmap;
    bitmap.DrawFitted(static_cast<const TGraphic*>(nullptr), 5, 4);
    ASSERT_EQ(bitmap.Width(), 5);
    ASSERT_EQ(bitmap.Height(), 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            ASSERT_EQ(bitmap.Image.pixel(x, y), qRgb(255, 255, 255));
    bitmap.DrawFitted(static_cast<const QImage*>(nullptr), 0, 4);
    EXPECT_TRUE(bitmap.Empty());
}

TEST(LumBitmapTest, APixelBufferThatDoesNotMatchItsSizeIsRefused)
{
    TPixelBuffer broken;
    broken.Width = 4;
    broken.Height = 4;
    broken.Pixels.resize(15);
    EXPECT_THROW(ToQImage(broken), EControlError);
    broken.Pixels.resize(16, 0xFF112233u);
    const QImage image = ToQImage(broken);
    EXPECT_EQ(image.pixel(3, 3), 0xFF112233u);
}

} // namespace
