#include "controls/LumImageCtrl.h"

#include "controls/LumAccessible.h"

#include "ControlsTestSupport.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

const QRgb ThumbColour = qRgb(255, 255, 255);

// The options panel's slider: 177 x 18, StartPos 5, range 0 to 10, so the
// scale is 16.7 pixels per position; a 9-pixel thumb.
struct TSliderTest : testing::Test {
    QWidget Window;
    TLumImageSlider* Slider = new TLumImageSlider(&Window);
    const QImage Track = Pattern(177, 18, 5);
    int Changes = 0;

    void SetUp() override
    {
        Window.resize(200, 40);
        Slider->AddImage(Track);
        Slider->AddImage(Solid(9, 18, ThumbColour));
        Slider->SetStartPos(5);
        Slider->OnChange = [this](QObject* sender) {
            EXPECT_EQ(sender, Slider);
            ++Changes;
        };
        Window.show();
    }
    void Click(int x)
    {
        Press(Slider, QPoint(x, 9));
        Release(Slider, QPoint(x, 9));
    }
};

TEST(TSliderAccessibilityTest, AScreenReaderReadsAndSetsThePositionWithinTheRange)
{
    // Before the slider is first seen: Qt keeps the interface it made first.
    InstallControlAccessibility();
    TLumImageSlider slider;
    slider.SetRange(3, 2, 10);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&slider);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Slider);
    QAccessibleValueInterface* value = iface->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->minimumValue().toInt(), 2);
    EXPECT_EQ(value->maximumValue().toInt(), 10);
    EXPECT_EQ(iface->text(QAccessible::Value), "3");
    value->setCurrentValue(7);
    EXPECT_EQ(slider.Position(), 7);
    EXPECT_EQ(value->currentValue().toInt(), 7);
    value->setCurrentValue(99);
    EXPECT_EQ(slider.Position(), 10);
}

TEST_F(TSliderTest, TakesItsTrackSizeAndTheDefaultRange)
{
    EXPECT_EQ(Slider->size(), QSize(177, 18));
    EXPECT_EQ(Slider->Min(), 0);
    EXPECT_EQ(Slider->Max(), 10);
    EXPECT_DOUBLE_EQ(Slider->Scale(), 16.7);
}

TEST_F(TSliderTest, AReleaseMovesTheThumbToTheReleasedPosition)
{
    const struct {
        int X;
        int Position;
    } table[] = {{5, 0}, {172, 10}, {0, 0}, {176, 10}, {89, 5}, {200, 10}, {-40, 0}};
    for (const auto& row : table) {
        Slider->SetPosition(3);
        Changes = 0;
        Release(Slider, QPoint(row.X, 9));
        EXPECT_EQ(Slider->Position(), row.Position) << "x " << row.X;
        EXPECT_EQ(Changes, 1) << "x " << row.X;
    }
}

TEST_F(TSliderTest, ThumbPlacesRoundHalvesToEven)
{
    EXPECT_EQ(Slider->ThumbLeft(0), 1);    // round(0) - 4 + 5
    EXPECT_EQ(Slider->ThumbLeft(5), 85);   // round(83.5) = 84
    EXPECT_EQ(Slider->ThumbLeft(10), 168); // round(167)
    Slider->resize(175, 18);               // scale 16.5
    EXPECT_EQ(Slider->ThumbLeft(1), 17);   // round(16.5) = 16
    EXPECT_EQ(Slider->ThumbLeft(3), 51);   // round(49.5) = 50
}

TEST_F(TSliderTest, AnUnchangedPositionRaisesNoChange)
{
    Slider->SetPosition(4);
    Changes = 0;
    Slider->SetPosition(4);
    Slider->SetPosition(-3); // clamped to 0: a change
    Slider->SetPosition(0);
    EXPECT_EQ(Changes, 1);
    Click(2); // maps to 0 again
    EXPECT_EQ(Changes, 1);
}

TEST_F(TSliderTest, LoweringMaxBelowThePositionMovesItDown)
{
    Slider->SetPosition(8);
    Changes = 0;
    Slider->SetMax(6);
    EXPECT_EQ(Slider->Position(), 6);
    EXPECT_EQ(Changes, 1);
    Slider->SetMax(7); // position inside the range: unchanged
    EXPECT_EQ(Slider->Position(), 6);
    EXPECT_EQ(Changes, 1);
}

TEST_F(TSliderTest, RaisingMinAboveMaxRaisesMaxToo)
{
    Slider->SetPosition(2);
    Slider->SetMin(12);
    EXPECT_EQ(Slider->Min(), 12);
    EXPECT_EQ(Slider->Max(), 12);
    EXPECT_EQ(Slider->Position(), 12);
}

TEST_F(TSliderTest, DraggingFromTheThumbStepFollowsTheMouse)
{
    Slider->SetPosition(2); // step rectangle round(33.4) .. round(50.1): 33 to 50
    Changes = 0;
    Press(Slider, QPoint(40, 9));
    EXPECT_TRUE(Slider->Dragging());
    Move(Slider, QPoint(89, 9), Qt::LeftButton);
    EXPECT_EQ(Slider->Position(), 5);
    Move(Slider, QPoint(92, 9), Qt::LeftButton); // still 5: no change
    EXPECT_EQ(Changes, 1);
    Release(Slider, QPoint(150, 9));
    EXPECT_FALSE(Slider->Dragging());
    EXPECT_EQ(Slider->Position(), 9);
    EXPECT_EQ(Changes, 2);
}

TEST_F(TSliderTest, APressBesideTheThumbStepStartsNoDragButTheReleaseStillJumps)
{
    int downs = 0, moves = 0;
    Slider->OnMouseDown = [&](QWidget*, QMouseEvent*) { ++downs; };
    Slider->OnMouseMove = [&](QWidget*, QMouseEvent*) { ++moves; };
    Slider->SetPosition(2);
    Press(Slider, QPoint(50, 9)); // just right of 33 .. 50
    EXPECT_FALSE(Slider->Dragging());
    EXPECT_EQ(downs, 0);
    Move(Slider, QPoint(120, 9), Qt::LeftButton);
    EXPECT_EQ(Slider->Position(), 2);
    EXPECT_EQ(moves, 1);
    Release(Slider, QPoint(120, 9));
    EXPECT_EQ(Slider->Position(), 7);
    Press(Slider, QPoint(117, 9)); // inside 117 .. 134 at position 7
    EXPECT_EQ(downs, 1);
}

TEST_F(TSliderTest, PaintsTheTrackAndTheThumbAtItsPosition)
{
    Slider->SetPosition(5);
    QImage shot = Grab(*Slider);
    EXPECT_EQ(shot.pixel(85, 0), ThumbColour);
    EXPECT_EQ(shot.pixel(93, 17), ThumbColour);
    EXPECT_EQ(shot.pixel(84, 3), Track.pixel(84, 3));
    EXPECT_EQ(shot.pixel(94, 3), Track.pixel(94, 3));
    EXPECT_EQ(shot.pixel(1, 3), Track.pixel(1, 3)); // the old place shows the track

    Slider->SetThumbTop(4);
    shot = Grab(*Slider);
    EXPECT_EQ(shot.pixel(85, 3), Track.pixel(85, 3));
    EXPECT_EQ(shot.pixel(85, 4), ThumbColour);
}

TEST_F(TSliderTest, KeysStepPageAndJumpWithinTheRange)
{
    Slider->SetPosition(5);
    Changes = 0;
    const struct {
        Qt::Key Key;
        int Position;
    } steps[] = {
        {Qt::Key_Right, 6}, {Qt::Key_Up, 7},     {Qt::Key_Left, 6},     {Qt::Key_Down, 5},   {Qt::Key_PageUp, 7},
        {Qt::Key_End, 10},  {Qt::Key_Right, 10}, {Qt::Key_PageDown, 8}, {Qt::Key_Home, 0},   {Qt::Key_Left, 0},
    };
    for (const auto& step : steps) {
        QTest::keyClick(Slider, step.Key);
        EXPECT_EQ(Slider->Position(), step.Position) << "after key " << step.Key;
    }
    EXPECT_EQ(Changes, 8); // the two presses at an end change nothing
    EXPECT_EQ(Slider->focusPolicy(), Qt::TabFocus); // a click must not take the focus
}

TEST(SliderFramesTest, WithOnlyATrackNoThumbIsDrawn)
{
    QWidget window;
    auto* slider = new TLumImageSlider(&window);
    const QImage track = Pattern(50, 10, 2);
    slider->AddImage(track);
    window.show();
    EXPECT_EQ(Grab(*slider), track.convertToFormat(QImage::Format_RGB32));
}

TEST_F(TSliderTest, AnEmptyRangeOrATooNarrowTrackPinsEverythingToMin)
{
    Slider->SetMax(0);
    EXPECT_EQ(Slider->Scale(), 0);
    Release(Slider, QPoint(150, 9));
    EXPECT_EQ(Slider->Position(), 0);
    EXPECT_EQ(Slider->ThumbLeft(0), 1);
    Press(Slider, QPoint(0, 9)); // the step rectangle is empty
    EXPECT_FALSE(Slider->Dragging());

    Slider->SetMax(10);
    Slider->SetPosition(6);
    Slider->resize(10, 18); // exactly 2 x StartPos
    EXPECT_EQ(Slider->Scale(), 0);
    Release(Slider, QPoint(9, 9));
    EXPECT_EQ(Slider->Position(), 0);
    EXPECT_EQ(Slider->ThumbLeft(10), 1);
    Grab(*Slider); // paints without dividing by zero
}

TEST_F(TSliderTest, ExtremeRangesStayWithinTheRange)
{
    Slider->SetRange(0, -2147483647 - 1, 2147483647);
    Release(Slider, QPoint(176, 9));
    EXPECT_GT(Slider->Position(), 2000000000);
    Slider->SetRange(0, 0, 1000000000);
    Release(Slider, QPoint(-30000, 9));
    EXPECT_EQ(Slider->Position(), 0);
}

TEST_F(TSliderTest, OrientationIsStoredOnly)
{
    Slider->SetOrientation(trVertical);
    EXPECT_EQ(Slider->Orientation(), trVertical);
    Release(Slider, QPoint(89, 9));
    EXPECT_EQ(Slider->Position(), 5);
}

} // namespace
