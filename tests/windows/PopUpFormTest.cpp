#include "WindowsTestSupport.h"

#include "controls/LumFocus.h"
#include "controls/LumImageCtrl.h"
#include "controls/LumImageMap.h"
#include "resources/ResourceError.h"
#include "windows/Image.h"
#include "windows/popUpF.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class PopUpForm : public ::testing::Test {
protected:
    PopUpForm() : Form(Skin.Reader)
    {
        Form.show();
        Start = Form.pos();
    }
    void Drag(QWidget* control, Qt::MouseButton button, QPoint press, QPoint to)
    {
        QTest::mousePress(control, button, {}, press);
        QTest::mouseMove(control, to);
        // The control moved with the window: the pointer is back at the press point.
        QTest::mouseRelease(control, button, {}, Form.pos() == Start ? to : press);
    }

    TTestSkin Skin;
    TPopUpform Form;
    QPoint Start;
};

TEST_F(PopUpForm, IsABorderless395By259ModalFrame)
{
    EXPECT_EQ(Form.size(), QSize(395, 259));
    EXPECT_TRUE(Form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(Form.isModal());
    EXPECT_EQ(Form.PopUpBg->geometry(), Form.rect());
    EXPECT_FALSE(Form.PopUpBg->Stretch());
    EXPECT_EQ(Form.ExitMap->geometry(), QRect(0, 0, 385, 53));
    EXPECT_EQ(Form.CloseBtn->geometry(), QRect(321, 230, 60, 20));
}

TEST_F(PopUpForm, SkinPicturesLandInTheirPlaces)
{
    const QImage shot = Form.grab().toImage();
    EXPECT_EQ(shot.pixelColor(200, 30), SkinColour(18));  // title bar
    EXPECT_EQ(shot.pixelColor(5, 100), SkinColour(19));   // left edge
    EXPECT_EQ(shot.pixelColor(390, 100), SkinColour(20)); // right edge
    EXPECT_EQ(shot.pixelColor(5, 255), SkinColour(21));   // bottom-left corner
    EXPECT_EQ(shot.pixelColor(200, 150), SkinColour(10)); // centre tiles
    EXPECT_EQ(shot.pixelColor(340, 240), SkinColour(22)); // close button
    EXPECT_EQ(Form.PopUpBg->Count(), 9);
    for (int slot : {0, 1, 2, 6, 7})
        EXPECT_EQ(Form.PopUpBg->ImageWidth(slot), 0) << slot;
}

TEST_F(PopUpForm, DraggingTheTitleBarOutsideTheCloseSpotMovesTheWindow)
{
    Drag(Form.ExitMap, Qt::LeftButton, {100, 20}, {130, 45});
    EXPECT_EQ(Form.pos(), Start + QPoint(30, 25));
    EXPECT_FALSE(Form.Dragging);
    EXPECT_TRUE(Form.isVisible());
}

TEST_F(PopUpForm, DraggingTheBackgroundAndTitleMovesTheWindow)
{
    Drag(Form.PopUpBg, Qt::LeftButton, {50, 120}, {40, 100});
    EXPECT_EQ(Form.pos(), Start + QPoint(-10, -20));
}

TEST_F(PopUpForm, RightButtonStartsNoDrag)
{
    Drag(Form.PopUpBg, Qt::RightButton, {50, 120}, {90, 160});
    EXPECT_EQ(Form.pos(), Start);
    EXPECT_FALSE(Form.Dragging);
}

TEST_F(PopUpForm, PressOnTheCloseSpotDoesNotDragAndReleaseThereCloses)
{
    QTest::mousePress(Form.ExitMap, Qt::LeftButton, {}, {380, 6});
    QTest::mouseMove(Form.ExitMap, {386, 12});
    EXPECT_EQ(Form.pos(), Start);
    EXPECT_TRUE(Form.isVisible());
    QTest::mouseRelease(Form.ExitMap, Qt::LeftButton, {}, {386, 12});
    EXPECT_FALSE(Form.isVisible());
    EXPECT_EQ(Form.pos(), Start);
}

TEST_F(PopUpForm, CloseSpotIsThirteenByTwelveAt378By4)
{
    const struct {
        QPoint At;
        bool Closes;
    } clicks[] = {
        {{378, 4}, true}, {{390, 15}, true}, {{391, 8}, false},
        {{380, 16}, false}, {{377, 8}, false}, {{380, 3}, false},
    };
    for (const auto& c : clicks) {
        Form.show();
        QTest::mouseClick(Form.ExitMap, Qt::LeftButton, {}, c.At);
        EXPECT_EQ(Form.isVisible(), !c.Closes) << c.At.x() << "," << c.At.y();
    }
}

TEST_F(PopUpForm, CloseButtonEndsTheModalShowing)
{
    QTimer::singleShot(0, &Form, [this] { QTest::mouseClick(Form.CloseBtn, Qt::LeftButton, {}, {5, 5}); });
    Form.hide();
    Form.exec();
    EXPECT_FALSE(Form.isVisible());
}

TEST_F(PopUpForm, TabReachesTheCloseControlsAndEnterOrEscapeCloses)
{
    Form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form));
    ASSERT_TRUE(Form.ExitMap->hasFocus()); // the first stop: the close spot
    EXPECT_EQ(Form.ExitMap->accessibleName(), "Window buttons"); // what a reader calls the bar it is in
    QTest::keyClick(Form.ExitMap, Qt::Key_Tab);
    ASSERT_TRUE(Form.CloseBtn->hasFocus());
    EXPECT_EQ(Form.grab().toImage().pixelColor(Form.CloseBtn->geometry().topLeft()), FocusColour);
    QTest::keyClick(Form.CloseBtn, Qt::Key_Return);
    EXPECT_FALSE(Form.isVisible());

    Form.show();
    Form.ExitMap->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Form.ExitMap, Qt::Key_Space);
    EXPECT_FALSE(Form.isVisible());

    QTimer::singleShot(0, &Form, [this] { QTest::keyClick(&Form, Qt::Key_Escape); });
    EXPECT_EQ(Form.exec(), QDialog::Rejected);
    EXPECT_FALSE(Form.isVisible());
    QTest::mouseClick(&Form, Qt::LeftButton); // leaves the mouse in use for the tests after
}

TEST_F(PopUpForm, PressOnTheCloseButtonStartsNoDrag)
{
    QTest::mousePress(Form.CloseBtn, Qt::LeftButton, {}, {5, 5});
    QTest::mouseMove(Form.CloseBtn, {40, 15});
    QTest::mouseRelease(Form.CloseBtn, Qt::LeftButton, {}, {70, 15}); // released off the button
    EXPECT_EQ(Form.pos(), Start);
    EXPECT_TRUE(Form.isVisible());
}

TEST_F(PopUpForm, CloseButtonStaysAnchoredRightAndBottom)
{
    Form.resize(495, 300);
    EXPECT_EQ(Form.CloseBtn->pos(), QPoint(421, 271));
    EXPECT_EQ(Form.PopUpBg->size(), QSize(495, 300));
}

TEST_F(PopUpForm, CursorsShowWhatCanBeDraggedOrClicked)
{
    EXPECT_EQ(Form.PopUpBg->cursor().shape(), Qt::OpenHandCursor);
    EXPECT_EQ(Form.TitleImage->cursor().shape(), Qt::OpenHandCursor);
    EXPECT_EQ(Form.CloseBtn->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(Form.ExitMap->OutAreaCursor(), 1);
    ASSERT_EQ(Form.ExitMap->AreaCount(), 1);
    EXPECT_EQ(Form.ExitMap->Area(0).AreaCursor, 2);
    EXPECT_EQ(Form.ExitMap->Area(0).AreaHint, QStringLiteral("Close"));
}

TEST(PopUpFormSkin, MissingEntryFailsConstruction)
{
    TTestSkin skin(21); // ends before the close button's entry 22
    EXPECT_THROW(TPopUpform form(skin.Reader), EResourceError);
}

} // namespace
