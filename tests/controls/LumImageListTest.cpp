#include "controls/ControlError.h"
#include "controls/LumBitmap.h"
#include "controls/LumImageList.h"

#include "resources/Bitmap.h"
#include "resources/LumRes.h"
#include "resources/LumResWriter.h"

#include "ControlsTestSupport.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);

// The list's own drawing is what the descendants use; a bare list is enough.
struct TImageListTest : testing::Test {
    TLumCustomImageList List;

    void AddExample()
    {
        List.AddImage(Pattern(10, 5, 1));
        List.AddImage(Pattern(20, 8, 2));
        List.AddImage(QImage());
    }
    // What a draw call leaves on a canvas filled with a marker colour.
    template <typename TDraw>
    QImage Drawn(int w, int h, TDraw draw)
    {
        QImage canvas(w, h, QImage::Format_ARGB32);
        canvas.fill(qRgb(1, 2, 3));
        QPainter painter(&canvas);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        draw(painter);
        return canvas;
    }
};

TEST_F(TImageListTest, VariableSizeExampleGivesStripListsAndRectangles)
{
    AddExample();
    EXPECT_EQ(List.Count(), 3);
    EXPECT_EQ(List.PictureWidth(), 30);
    EXPECT_EQ(List.PictureHeight(), 8);
    EXPECT_EQ(List.VarWidthS(), "10,20,0,");
    EXPECT_EQ(List.VarHeightS(), "5,8,0,");
    EXPECT_EQ(List.SourceRect(0), (TRect {0, 0, 10, 5}));
    EXPECT_EQ(List.SourceRect(1), (TRect {10, 0, 30, 8}));
    EXPECT_EQ(List.SourceRect(2), (TRect {30, 0, 30, 0}));
    // Each picture lies top-aligned at its x in the strip.
    EXPECT_EQ(List.Picture().pixel(3, 4), Pattern(10, 5, 1).pixel(3, 4));
    EXPECT_EQ(List.Picture().pixel(10 + 19, 7), Pattern(20, 8, 2).pixel(19, 7));
    EXPECT_EQ(List.ImageWidth(1), 20);
    EXPECT_EQ(List.ImageHeight(1), 8);
    EXPECT_EQ(List.ImageWidth(2), 0);
    EXPECT_EQ(List.ImageWidth(-1), 0);
    EXPECT_EQ(List.ImageWidth(3), 0);
    EXPECT_EQ(List.ImageHeight(3), 0);
}

TEST_F(TImageListTest, AutoSizeTakesTheFirstPictureOnlyAndCanBeOff)
{
    EXPECT_EQ(List.size(), QSize(100, 100));
    List.AddImage(Solid(12, 7, Red));
    EXPECT_EQ(List.size(), QSize(12, 7));
    List.AddImage(Solid(30, 30, Blue));
    EXPECT_EQ(List.size(), QSize(12, 7));

    TLumCustomImageList fixedSize;
    fixedSize.SetFlag(TLumCustomImageList::AutoSizeToImageFlag, false);
    fixedSize.resize(50, 40);
    fixedSize.AddImage(Solid(12, 7, Red));
    EXPECT_EQ(fixedSize.size(), QSize(50, 40));
    fixedSize.SetFlag(TLumCustomImageList::AutoSizeToImageFlag, true);
    EXPECT_EQ(fixedSize.size(), QSize(100, 100)); // ImgWidth x ImgHeight
}

TEST_F(TImageListTest, ImgWidthAndImgHeightAreIgnoredInVariableSizeMode)
{
    AddExample();
    List.SetImgWidth(3);
    List.SetImgHeight(3);
    EXPECT_EQ(List.ImgWidth(), 100);
    EXPECT_EQ(List.ImgHeight(), 100);
    EXPECT_EQ(List.PictureWidth(), 30);
    EXPECT_EQ(List.SourceRect(1), (TRect {10, 0, 30, 8}));
}

TEST_F(TImageListTest, FixedSizeModeLaysCellsAndRelaysThemOnANewWidth)
{
    List.SetFlag(TLumCustomImageList::VarSizeFlag, false);
    List.AddImage(Solid(4, 3, Red));
    List.AddImage(Solid(6, 5, Blue)); // cut to the 4 x 3 cell of the first
    EXPECT_EQ(List.ImgWidth(), 4);
    EXPECT_EQ(List.ImgHeight(), 3);
    EXPECT_EQ(List.PictureWidth(), 8);
    EXPECT_EQ(List.PictureHeight(), 3);
    EXPECT_EQ(List.SourceRect(1), (TRect {4, 0, 8, 3}));
    EXPECT_EQ(List.ImageWidth(0), 0); // never answered in fixed-size mode
    EXPECT_TRUE(List.VarWidthS().isEmpty());
    EXPECT_EQ(List.Picture().pixel(7, 2), Blue);

    List.SetImgWidth(2); // narrower: each picture cut at its right
    EXPECT_EQ(List.PictureWidth(), 4);
    EXPECT_EQ(List.Picture().pixel(1, 0), Red);
    EXPECT_EQ(List.Picture().pixel(2, 0), Blue);
    EXPECT_EQ(List.SourceRect(1), (TRect {2, 0, 4, 3}));
    EXPECT_EQ(List.width(), 2);

    List.SetImgWidth(5); // wider: blank pixels at each cell's right
    EXPECT_EQ(List.PictureWidth(), 10);
    EXPECT_EQ(List.Picture().pixel(1, 0), Red);
    EXPECT_EQ(qAlpha(List.Picture().pixel(3, 0)), 0);
    EXPECT_EQ(List.Picture().pixel(5, 0), Blue);

    List.SetImgHeight(2);
    EXPECT_EQ(List.PictureHeight(), 2);
    EXPECT_EQ(List.SourceRect(0), (TRect {0, 0, 5, 2}));
    EXPECT_EQ(List.height(), 2);
}

TEST_F(TImageListTest, DrawImageCopiesOnePictureAtItsOwnSize)
{
    AddExample();
    const QImage canvas = Drawn(40, 20, [&](QPainter& p) { List.DrawImage(p, 5, 6, 0); });
    EXPECT_EQ(canvas.pixel(5, 6), Pattern(10, 5, 1).pixel(0, 0));
    EXPECT_EQ(canvas.pixel(14, 10), Pattern(10, 5, 1).pixel(9, 4));
    EXPECT_EQ(canvas.pixel(15, 10), qRgb(1, 2, 3));
    EXPECT_EQ(canvas.pixel(14, 11), qRgb(1, 2, 3));
}

TEST_F(TImageListTest, DrawImagePartTakesTheSourceRelativeToThePicture)
{
    AddExample();
    const QImage canvas = Drawn(5, 5, [&](QPainter& p) { List.DrawImagePart(p, {0, 0, 5, 5}, 1, {0, 0, 5, 5}); });
    EXPECT_EQ(canvas, List.Picture().copy(10, 0, 5, 5).convertToFormat(canvas.format()));
}

TEST_F(TImageListTest, DrawImagePartNeverShowsTheNeighbouringPicture)
{
    AddExample();
    // Picture 0 is 10 wide; its columns 8 to 11 would reach into picture 1.
    const QImage canvas = Drawn(4, 2, [&](QPainter& p) { List.DrawImagePart(p, {0, 0, 4, 2}, 0, {8, 0, 12, 2}); });
    EXPECT_EQ(canvas.pixel(1, 1), Pattern(10, 5, 1).pixel(9, 1));
    EXPECT_EQ(canvas.pixel(2, 1), qRgb(1, 2, 3));
    EXPECT_EQ(canvas.pixel(3, 0), qRgb(1, 2, 3));
}

TEST_F(TImageListTest, StretchDrawImageScalesOnePictureIntoTheRectangle)
{
    List.AddImage(Solid(1, 1, Blue));
    List.AddImage(Solid(2, 1, Red));
    const QImage canvas = Drawn(8, 4, [&](QPainter& p) { List.StretchDrawImage(p, {1, 1, 7, 3}, 1); });
    EXPECT_EQ(canvas.pixel(1, 1), Red);
    EXPECT_EQ(canvas.pixel(6, 2), Red);
    EXPECT_EQ(canvas.pixel(0, 1), qRgb(1, 2, 3));
    EXPECT_EQ(canvas.pixel(7, 3), qRgb(1, 2, 3));
}

TEST_F(TImageListTest, BadIndicesAndEmptyPicturesDrawNothing)
{
    AddExample();
    const QImage untouched = Drawn(40, 20, [](QPainter&) {});
    for (int index : {-1, 2, 3}) {
        EXPECT_EQ(Drawn(40, 20, [&](QPainter& p) { List.DrawImage(p, 0, 0, index); }), untouched) << index;
        EXPECT_EQ(Drawn(40, 20, [&](QPainter& p) { List.StretchDrawImage(p, {0, 0, 40, 20}, index); }), untouched);
        EXPECT_EQ(Drawn(40, 20, [&](QPainter& p) { List.DrawImagePart(p, {0, 0, 5, 5}, index, {0, 0, 5, 5}); }),
                  untouched);
    }
}

TEST_F(TImageListTest, GetImageCopiesThePaletteEvenForABadIndex)
{
    QImage indexed(3, 2, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(10, 20, 30), qRgb(40, 50, 60)});
    indexed.fill(1);
    List.AddImage(indexed);
    List.AddImage(Solid(2, 2, Red), {0xFF000001u}); // a later table is ignored
    const std::vector<std::uint32_t> table {qRgb(10, 20, 30), qRgb(40, 50, 60)};
    EXPECT_EQ(List.GetPalette(), table);

    TLumBitmap target;
    target.Image = Solid(7, 7, Blue);
    List.GetImage(target, 5);
    EXPECT_EQ(target.Palette, table);
    EXPECT_EQ(target.Image.size(), QSize(7, 7));
    EXPECT_EQ(target.Image.pixel(6, 6), Blue);

    List.GetImage(target, 0);
    EXPECT_EQ(target.Image.size(), QSize(3, 2));
    EXPECT_EQ(target.Image.pixel(2, 1), qRgb(40, 50, 60));

    List.SetIgnorePalette(true);
    EXPECT_TRUE(List.GetPalette().empty());
}

TEST_F(TImageListTest, AddImageCopiesFromTheProjectsBitmap)
{
    TBitmap bitmap(2, 3);
    for (auto& pixel : bitmap.EditPixels().Pixels)
        pixel = 0xFF00FF00u;
    List.AddImage(bitmap);
    bitmap.EditPixels().At(0, 0) = 0xFFFF0000u; // the list holds its own copy
    EXPECT_EQ(List.VarWidthS(), "2,");
    EXPECT_EQ(List.Picture().pixel(0, 0), qRgb(0, 255, 0));
}

TEST_F(TImageListTest, ClearImagesEmptiesEverything)
{
    AddExample();
    List.ClearImages();
    EXPECT_EQ(List.Count(), 0);
    EXPECT_EQ(List.PictureWidth(), 0);
    EXPECT_TRUE(List.Picture().isNull());
    EXPECT_TRUE(List.VarWidthS().isEmpty());
    EXPECT_EQ(List.SourceRect(0), TRect {});
    List.AddImage(Solid(3, 3, Red));
    EXPECT_EQ(List.SourceRect(0), (TRect {0, 0, 3, 3}));
}

TEST_F(TImageListTest, LoadedRestoresAStoredListReadingMissingItemsAsZero)
{
    List.SetPicture(Solid(15, 4, Red));
    List.SetVarWidthS("5,x,");
    List.SetVarHeightS("4,4,4,");
    List.SetCount(3);
    EXPECT_EQ(List.SourceRect(0), TRect {}); // not usable before Loaded
    List.Loaded();
    EXPECT_EQ(List.SourceRect(0), (TRect {0, 0, 5, 4}));
    EXPECT_EQ(List.SourceRect(1), (TRect {5, 0, 5, 4})); // "x" reads as 0
    EXPECT_EQ(List.SourceRect(2), (TRect {5, 0, 5, 4})); // missing item
}

TEST(ListItemTest, ReadsCommaTerminatedItems)
{
    EXPECT_EQ(ListItem("10,20,30,", 0), 10);
    EXPECT_EQ(ListItem("10,20,30,", 2), 30);
    EXPECT_EQ(ListItem("10,20,30,", 3), 0);
    EXPECT_EQ(ListItem("10,20,30", 2), 0); // no terminating comma
    EXPECT_EQ(ListItem("10,,-4,", 1), 0);
    EXPECT_EQ(ListItem("10,,-4,", 2), -4);
    EXPECT_EQ(ListItem("10,5x,", 1), 0);
    EXPECT_EQ(ListItem("10,", -1), 0);
}

TEST(SplitCommaTextTest, SplitsOnCommasAndBlanksKeepingEmptyItems)
{
    EXPECT_EQ(SplitCommaText("a,,b"), QStringList({"a", "", "b"}));
    EXPECT_EQ(SplitCommaText("a b  c"), QStringList({"a", "b", "c"}));
    EXPECT_EQ(SplitCommaText(" a , b "), QStringList({"a", "b"}));
    EXPECT_EQ(SplitCommaText("a,"), QStringList({"a", ""}));
    EXPECT_EQ(SplitCommaText("\"x y\",\"say \"\"hi\"\"\""), QStringList({"x y", "say \"hi\""}));
    EXPECT_EQ(SplitCommaText("\"open"), QStringList({"open"}));
    EXPECT_TRUE(SplitCommaText("").isEmpty());
}

std::vector<std::uint8_t> BitmapFile(int w, int h, std::uint32_t colour)
{
    TBitmap bitmap(w, h);
    for (auto& pixel : bitmap.EditPixels().Pixels)
        pixel = colour;
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    return stream.Data();
}

TEST_F(TImageListTest, LoadFromArchiveLeavesFailingEntriesOut)
{
    TLumResWriter writer;
    for (int i = 0; i < 10; ++i)
        if (i == 5)
            writer.AddStored({1, 2, 3}); // not a bitmap
        else
            writer.AddBitmap(BitmapFile(i + 1, 2, 0xFF000000u | static_cast<std::uint32_t>(i)));
    TMemoryStream source(writer.Bytes());
    TLumResReader reader;
    reader.Stream = &source;
    ASSERT_TRUE(reader.ReadHeader());

    List.AddImage(Solid(9, 9, Red)); // emptied first
    List.LoadFromArchive(reader, {4, -1, 99, 5});
    EXPECT_EQ(List.Count(), 2);
    EXPECT_EQ(List.VarWidthS(), "5,0,");
    EXPECT_EQ(List.VarHeightS(), "2,0,");
    EXPECT_EQ(List.Picture().pixel(0, 0), qRgb(0, 0, 4));
}

TEST_F(TImageListTest, LoadFromResourceListKeepsNumberingWithEmptyPictures)
{
    List.AddImage(Solid(9, 9, Red)); // emptied first
    List.LoadFromResourceList(":/test/red.bmp,,:/test/missing.bmp :/test/broken.bmp \":/test/blue.bmp\"", false);
    EXPECT_EQ(List.Count(), 5);
    EXPECT_EQ(List.VarWidthS(), "4,0,0,0,2,");
    EXPECT_EQ(List.VarHeightS(), "3,0,0,0,5,");
    EXPECT_EQ(List.Picture().pixel(0, 0), Red);
    EXPECT_EQ(List.Picture().pixel(5, 4), Blue);

    List.setObjectName("test/");
    List.LoadFromResourceList("blue.bmp,red.bmp", true);
    EXPECT_EQ(List.VarWidthS(), "2,4,");
}

TEST_F(TImageListTest, LoadFromResourceRangeAddsToTheListSkippingMissingOnes)
{
    List.AddImage(Solid(1, 1, Red));
    List.LoadFromResourceRange(":/test/n", 0, 4); // n0 and n3 do not exist
    EXPECT_EQ(List.Count(), 4);
    EXPECT_EQ(List.VarWidthS(), "1,4,2,4,");
    List.LoadFromResourceRange("test/n", 2, 2); // under ":/" without the colon
    EXPECT_EQ(List.VarWidthS(), "1,4,2,4,2,");
}

class TBrokenGraphic : public TGraphic {
public:
    TBrokenGraphic()
    {
        Buffer.Width = 3;
        Buffer.Height = 3;
        Buffer.Pixels.resize(4);
    }
    void LoadFromStream(TStream&) override {}
    int Width() const override { return 3; }
    int Height() const override { return 3; }
    const std::vector<std::uint32_t>& Palette() const override { return NoPalette; }
    const TPixelBuffer& Pixels() const override { return Buffer; }

private:
    TPixelBuffer Buffer;
    std::vector<std::uint32_t> NoPalette;
};

TEST_F(TImageListTest, AGraphicWithATooShortPixelBufferIsRefused)
{
    EXPECT_THROW(List.AddImage(TBrokenGraphic()), EControlError);
    EXPECT_EQ(List.Count(), 0);
}

} // namespace
