#include "controls/LumImageCtrl.h"

#include "ControlsTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum { TL, Top, TR, Left, Right, BL, Bottom, BR, Centre };

const QRgb CornerColour[4] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 0, 255)};
const QRgb EdgeStart = qRgb(100, 0, 0), EdgeEnd = qRgb(0, 100, 0);

// Two halves along the edge's length, so stretching shows.
QImage Edge(int w, int h, bool horizontal)
{
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, (horizontal ? x < w / 2 : y < h / 2) ? EdgeStart : EdgeEnd);
    return image;
}

struct TBevelTest : testing::Test {
    QWidget Window;
    TLumImageBevel* Bevel = new TLumImageBevel(&Window);
    const QImage CentreTile = Pattern(3, 3, 9);

    void SetUp() override
    {
        Window.resize(60, 50);
        Bevel->setGeometry(0, 0, 50, 40);
        Window.show();
    }
    // The main window's skin: all nine present.
    void AddNine()
    {
        Bevel->AddImage(Solid(4, 4, CornerColour[0]));
        Bevel->AddImage(Edge(2, 3, true));
        Bevel->AddImage(Solid(4, 4, CornerColour[1]));
        Bevel->AddImage(Edge(3, 2, false));
        Bevel->AddImage(Edge(5, 2, false));
        Bevel->AddImage(Solid(4, 4, CornerColour[2]));
        Bevel->AddImage(Edge(2, 6, true));
        Bevel->AddImage(Solid(4, 4, CornerColour[3]));
        Bevel->AddImage(CentreTile);
    }
    // The popup frame's skin: left and right edges, bottom-left corner and
    // the centre; the other slots empty.
    void AddPopupFive()
    {
        for (int slot = 0; slot < 9; ++slot) {
            switch (slot) {
            case Left:
                Bevel->AddImage(Pattern(4, 6, 3));
                break;
            case Right:
                Bevel->AddImage(Pattern(5, 7, 4));
                break;
            case BL:
                Bevel->AddImage(Solid(6, 5, CornerColour[2]));
                break;
            case Centre:
                Bevel->AddImage(CentreTile);
                break;
            default:
                Bevel->AddImage(QImage());
            }
        }
    }
    QRgb Tile(int x, int y) const { return CentreTile.pixel(x % 3, y % 3); }
};

TEST_F(TBevelTest, KeepsTheSizeItsWindowGivesIt)
{
    AddNine();
    EXPECT_EQ(Bevel->size(), QSize(50, 40));
}

TEST_F(TBevelTest, StretchedCornersStayNativeEdgesScaleAlongTheirLengthCentreTiles)
{
    AddNine();
    const QImage shot = Grab(*Bevel);
    EXPECT_EQ(shot.pixel(0, 0), CornerColour[0]);
    EXPECT_EQ(shot.pixel(3, 3), CornerColour[0]);
    EXPECT_EQ(shot.pixel(46, 0), CornerColour[1]);
    EXPECT_EQ(shot.pixel(49, 3), CornerColour[1]);
    EXPECT_EQ(shot.pixel(0, 36), CornerColour[2]);
    EXPECT_EQ(shot.pixel(46, 36), CornerColour[3]);
    EXPECT_EQ(shot.pixel(49, 39), CornerColour[3]);
    // Top edge: 2 x 3 stretched to 50 x 3; its halves split at x = 25.
    EXPECT_EQ(shot.pixel(10, 0), EdgeStart);
    EXPECT_EQ(shot.pixel(24, 2), EdgeStart);
    EXPECT_EQ(shot.pixel(25, 2), EdgeEnd);
    EXPECT_EQ(shot.pixel(40, 0), EdgeEnd);
    // Bottom edge: 6 high, drawn over the left and right edges' ends.
    EXPECT_EQ(shot.pixel(10, 34), EdgeStart);
    EXPECT_EQ(shot.pixel(40, 39), EdgeEnd);
    // Left edge 3 wide, right edge 5 wide, stretched down: halves at y = 20.
    EXPECT_EQ(shot.pixel(2, 19), EdgeStart);
    EXPECT_EQ(shot.pixel(2, 20), EdgeEnd);
    EXPECT_EQ(shot.pixel(45, 10), EdgeStart);
    EXPECT_EQ(shot.pixel(45, 30), EdgeEnd);
    // The centre tiles from the control's top-left corner.
    for (const QPoint p : {QPoint(3, 4), QPoint(10, 10), QPoint(20, 17), QPoint(44, 33), QPoint(3, 30)})
        EXPECT_EQ(shot.pixel(p), Tile(p.x(), p.y())) << p.x() << "," << p.y();
}

TEST_F(TBevelTest, UnstretchedPopupFrameTilesEdgesDownAndCentreUnderTheTop)
{
    Bevel->SetStretch(false);
    AddPopupFive();
    const QImage shot = Grab(*Bevel);
    const QImage left = Pattern(4, 6, 3), right = Pattern(5, 7, 4);
    // No top edge: the centre tiles show in the top strip.
    EXPECT_EQ(shot.pixel(20, 0), Tile(20, 0));
    EXPECT_EQ(shot.pixel(30, 2), Tile(30, 2));
    // Left edge tiles downwards from y = 0; right edge likewise from its band.
    for (int y : {0, 5, 6, 17, 34})
        EXPECT_EQ(shot.pixel(1, y), left.pixel(1, y % 6)) << y;
    for (int y : {0, 6, 7, 20, 39})
        EXPECT_EQ(shot.pixel(47, y), right.pixel(2, y % 7)) << y;
    // Bottom-left corner at its own size; beside it the centre shows.
    EXPECT_EQ(shot.pixel(0, 35), CornerColour[2]);
    EXPECT_EQ(shot.pixel(5, 39), CornerColour[2]);
    EXPECT_EQ(shot.pixel(6, 39), Tile(6, 39));
    EXPECT_EQ(shot.pixel(20, 39), Tile(20, 39));
}

TEST_F(TBevelTest, ASmallControlShowsTheCornerDrawnLast)
{
    AddNine();
    Bevel->resize(6, 6); // 4 x 4 corners overlap in the middle
    const QImage shot = Grab(*Bevel);
    EXPECT_EQ(shot.pixel(1, 1), CornerColour[0]);
    EXPECT_EQ(shot.pixel(4, 1), CornerColour[1]);
    EXPECT_EQ(shot.pixel(1, 4), CornerColour[2]);
    EXPECT_EQ(shot.pixel(2, 2), CornerColour[3]);
    EXPECT_EQ(shot.pixel(3, 3), CornerColour[3]);
}

TEST_F(TBevelTest, BgColorFillsWithTheParentsOrItsOwnColourUnderEdgesAndCorners)
{
    QPalette palette = Window.palette();
    palette.setColor(QPalette::Window, qRgb(1, 2, 3));
    Window.setPalette(palette);
    AddNine();
    Bevel->SetBgColor(true);
    QImage shot = Grab(*Bevel);
    EXPECT_EQ(shot.pixel(20, 20), qRgb(1, 2, 3));
    EXPECT_EQ(shot.pixel(0, 0), CornerColour[0]);
    EXPECT_EQ(shot.pixel(10, 0), EdgeStart);

    Bevel->SetParentColor(false);
    Bevel->SetColor(qRgb(7, 8, 9));
    shot = Grab(*Bevel);
    EXPECT_EQ(shot.pixel(20, 20), qRgb(7, 8, 9));
    EXPECT_EQ(shot.pixel(49, 39), CornerColour[3]);
}

TEST_F(TBevelTest, APartialRepaintGivesTheSamePixelsAsAFullOne)
{
    for (bool stretch : {true, false}) {
        Bevel->ClearImages();
        Bevel->SetStretch(stretch);
        if (stretch)
            AddNine();
        else
            AddPopupFive();
        const QImage full = Grab(*Bevel);
        for (const QRect part : {QRect(17, 13, 9, 7), QRect(1, 2, 5, 30), QRect(44, 33, 6, 7), QRect(23, 0, 4, 40)})
            EXPECT_EQ(Grab(*Bevel, part), full.copy(part)) << "stretch " << stretch << " part " << part.x() << ","
                                                             << part.y();
    }
}

TEST_F(TBevelTest, MouseEventsGoToTheHooksAndAClickIsReported)
{
    AddNine();
    std::vector<std::string> events;
    Bevel->OnMouseDown = [&](QWidget* sender, QMouseEvent*) {
        EXPECT_EQ(sender, Bevel);
        events.push_back("down");
    };
    Bevel->OnMouseMove = [&](QWidget*, QMouseEvent*) { events.push_back("move"); };
    Bevel->OnMouseUp = [&](QWidget*, QMouseEvent*) { events.push_back("up"); };
    Bevel->OnClick = [&](QObject*) { events.push_back("click"); };
    Press(Bevel, QPoint(10, 10));
    Move(Bevel, QPoint(12, 10), Qt::LeftButton);
    Release(Bevel, QPoint(12, 10));
    Press(Bevel, QPoint(10, 10));
    Release(Bevel, QPoint(80, 10)); // released off the control: no click
    EXPECT_EQ(events, (std::vector<std::string> {"down", "move", "up", "click", "down", "up"}));
}

} // namespace
