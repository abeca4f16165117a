#include "controls/LumImageMap.h"

#include "ControlsTestSupport.h"

#include "controls/LumAccessible.h"
#include "controls/LumImageCtrl.h"
#include "controls/LumFocus.h"

#include <QLineEdit>

#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

// One colour per frame: OFF, ON, OVER, DISABLED, CLICKED.
const QRgb FrameColour[5] = {qRgb(10, 10, 10), qRgb(0, 200, 0), qRgb(0, 0, 200), qRgb(90, 90, 90), qRgb(200, 0, 0)};
const QRgb ParentColour = qRgb(250, 250, 0);

const QPoint InA(15, 15), InB(55, 15), Outside(80, 40), InAAndC(25, 15), InCOnly(35, 25);

struct TImageMapTest : testing::Test {
    QWidget Window;
    TLumImageMap* Map = new TLumImageMap(&Window);
    std::vector<std::string> Events;

    void SetUp() override
    {
        Window.resize(120, 60);
        Window.setAutoFillBackground(true);
        QPalette palette = Window.palette();
        palette.setColor(QPalette::Window, ParentColour);
        Window.setPalette(palette);
        auto record = [this](const char* kind) {
            return [this, kind](QObject* sender, const QString& name) {
                EXPECT_EQ(sender, Map);
                Events.push_back(std::string(kind) + " " + name.toStdString());
            };
        };
        Map->OnMapChanging = record("changing");
        Map->OnMapUnClick = record("unclick");
        Map->OnMapClick = record("click");
        Map->OnMouseDown = [this](QWidget* sender, QMouseEvent* e) {
            EXPECT_EQ(sender, Map);
            Events.push_back("down " + std::to_string(e->position().toPoint().x()));
        };
        Map->OnMouseMove = [this](QWidget*, QMouseEvent* e) {
            Events.push_back("move " + std::to_string(e->position().toPoint().x()));
        };
        Map->OnMouseUp = [this](QWidget*, QMouseEvent* e) {
            Events.push_back("up " + std::to_string(e->position().toPoint().x()));
        };
    }

    void AddFrames(int count)
    {
        for (int i = 0; i < count; ++i)
            Map->AddImage(Solid(100, 50, FrameColour[i]));
    }
    // A (10,10)-(30,30), B (40,10)-(60,30), C (20,5)-(50,35) overlapping both.
    void AddAreas()
    {
        Map->SetMapCursor(1);
        Map->AddArea("A", {10, 10, 30, 30}, 2, "Hint A");
        Map->AddArea("b", {40, 10, 60, 30}, 3, "Hint B");
        Map->AddArea("C", {20, 5, 50, 35}, 4, "Hint C");
    }
    void Click(QPoint p)
    {
        Press(Map, p);
        Release(Map, p);
    }
    QRgb PixelAt(QPoint p) { return Grab(Window).pixel(Map->mapToParent(p)); }
};

TEST_F(TImageMapTest, ClickingBWhileAIsOnChangesBUnclicksAClicksB)
{
    AddFrames(1);
    AddAreas();
    Click(InA);
    EXPECT_EQ(Events, (std::vector<std::string> {"changing A", "click A"}));
    Events.clear();
    Click(InB);
    EXPECT_EQ(Events, (std::vector<std::string> {"changing b", "unclick A", "click b"}));
    EXPECT_EQ(Map->GetAreaStateByName("a"), arsOff);
    EXPECT_EQ(Map->GetAreaStateByName("B"), arsOn);
}

TEST_F(TImageMapTest, ClickingAnAreaThatIsOnRaisesChangingAndClickAgain)
{
    AddFrames(1);
    AddAreas();
    Click(InA);
    Events.clear();
    Click(InA);
    EXPECT_EQ(Events, (std::vector<std::string> {"changing A", "click A"}));
}

TEST_F(TImageMapTest, TheFirstAddedOfOverlappingAreasWins)
{
    AddFrames(1);
    AddAreas();
    Click(InAAndC);
    EXPECT_EQ(Events, (std::vector<std::string> {"changing A", "click A"}));
    Events.clear();
    Click(InCOnly);
    EXPECT_EQ(Events, (std::vector<std::string> {"changing C", "unclick A", "click C"}));
    Move(Map, InAAndC);
    EXPECT_TRUE(Map->Area(0).AreaOver);
    EXPECT_FALSE(Map->Area(2).AreaOver);
    EXPECT_EQ(Map->Hint(), "Hint A");
}

TEST_F(TImageMapTest, TheRightAndBottomEdgesAreOutsideTheArea)
{
    AddFrames(1);
    AddAreas();
    Map->AddArea("C", {100, 100, 101, 101}, 0, ""); // move C out of the way
    Click(QPoint(30, 15)); // A's right edge, not in C any more
    Click(QPoint(15, 30)); // A's bottom edge
    EXPECT_EQ(Events, (std::vector<std::string> {"down 30", "up 30", "down 15", "up 15"}));
    Click(QPoint(10, 10)); // top-left corner is inside
    Click(QPoint(29, 29));
    EXPECT_EQ(Events.size(), 8u);
    EXPECT_EQ(Events[4], "changing A");
}

TEST_F(TImageMapTest, PressOnAReleaseOnBClicksBAndLeavesAPressed)
{
    AddFrames(5);
    AddAreas();
    Press(Map, InA);
    EXPECT_TRUE(Map->Area(0).AreaClicked);
    EXPECT_EQ(Map->Area(0).AreaPaint, arpClicked);
    Release(Map, InB);
    EXPECT_EQ(Events, (std::vector<std::string> {"changing b", "click b"}));
    EXPECT_TRUE(Map->Area(0).AreaClicked);
    EXPECT_FALSE(Map->Area(1).AreaClicked);
    EXPECT_EQ(Map->Area(1).AreaState, arsOn);
}

TEST_F(TImageMapTest, APressOutsideAllAreasPassesThroughToTheMouseHooks)
{
    AddFrames(1);
    AddAreas();
    Press(Map, Outside);
    Move(Map, QPoint(70, 40), Qt::LeftButton);
    Move(Map, InA, Qt::LeftButton); // over an area, but still passing through
    Release(Map, InA);
    EXPECT_EQ(Events, (std::vector<std::string> {"down 80", "move 70", "move 15", "up 15"}));
    EXPECT_EQ(Map->GetAreaStateByName("A"), arsOff);
    EXPECT_FALSE(Map->Area(0).AreaOver);

    Events.clear();
    Press(Map, InA, Qt::RightButton); // other buttons always pass through
    Release(Map, InA, Qt::RightButton);
    EXPECT_EQ(Events, (std::vector<std::string> {"down 15", "up 15"}));
}

TEST_F(TImageMapTest, AnUnassignedEventIsNotCalled)
{
    AddFrames(1);
    AddAreas();
    Map->OnMapChanging = nullptr;
    Map->OnMouseDown = nullptr;
    Click(InA);
    Press(Map, Outside);
    Release(Map, Outside);
    EXPECT_EQ(Events, (std::vector<std::string> {"click A", "up 80"}));
}

TEST_F(TImageMapTest, ADisabledAreaTakesNoClickAndPassesThePressOn)
{
    AddFrames(5);
    AddAreas();
    Map->SetAreaStateByName("A", arsDisabled);
    EXPECT_EQ(Map->Area(0).AreaPaint, arpDisabled);
    Click(InA);
    EXPECT_EQ(Events, (std::vector<std::string> {"down 15", "up 15"}));
    Move(Map, InA);
    EXPECT_FALSE(Map->Area(0).AreaOver);
    EXPECT_EQ(Map->Hint(), "Hint A"); // cursor and hint still follow
}

TEST_F(TImageMapTest, DisablingTheControlDisablesEveryAreaAndEnablingSwitchesThemOff)
{
    AddFrames(5);
    AddAreas();
    Window.show();
    Click(InA);
    Events.clear();
    Map->SetEnabled(false);
    EXPECT_FALSE(Map->isEnabled());
    EXPECT_EQ(Events, (std::vector<std::string> {"unclick A"}));
    for (int i = 0; i < Map->AreaCount(); ++i)
        EXPECT_EQ(Map->Area(i).AreaState, arsDisabled);
    EXPECT_EQ(PixelAt(InB), FrameColour[3]);
    EXPECT_EQ(PixelAt(Outside), FrameColour[0]);

    Events.clear();
    Map->SetEnabled(true);
    EXPECT_TRUE(Events.empty());
    EXPECT_EQ(Map->Area(1).AreaState, arsOff);
    EXPECT_EQ(PixelAt(InB), FrameColour[0]);
}

TEST_F(TImageMapTest, WithoutADisabledFrameADisabledAreaShowsFrameZero)
{
    AddFrames(3);
    AddAreas();
    Window.show();
    Map->SetEnabled(false);
    EXPECT_EQ(Map->Area(0).AreaPaint, arpOff);
    EXPECT_EQ(PixelAt(InA), FrameColour[0]);
}

TEST_F(TImageMapTest, PaintStatesFollowHoverPressAndState)
{
    AddFrames(5);
    AddAreas();
    Window.show();
    EXPECT_EQ(PixelAt(InA), FrameColour[0]);
    Move(Map, InB);
    EXPECT_EQ(PixelAt(InB), FrameColour[2]);
    EXPECT_EQ(PixelAt(InA), FrameColour[0]);
    Press(Map, InB);
    EXPECT_EQ(PixelAt(InB), FrameColour[4]);
    Release(Map, InB);
    EXPECT_EQ(PixelAt(InB), FrameColour[1]);
    EXPECT_EQ(PixelAt(Outside), FrameColour[0]);
    // Only the area's own rectangle shows its frame.
    EXPECT_EQ(PixelAt(QPoint(61, 15)), FrameColour[0]);
    Move(Map, Outside);
    EXPECT_EQ(PixelAt(InB), FrameColour[1]);
}

TEST_F(TImageMapTest, WithOneFrameThePictureNeverChangesButClicksStillCount)
{
    AddFrames(1);
    AddAreas();
    Window.show();
    const QImage before = Grab(Window);
    Move(Map, InA);
    Press(Map, InA);
    EXPECT_EQ(Grab(Window), before);
    Release(Map, InA);
    EXPECT_EQ(Grab(Window), before);
    EXPECT_EQ(Events, (std::vector<std::string> {"changing A", "click A"}));
    EXPECT_EQ(Map->Area(0).AreaPaint, arpOff);
}

TEST_F(TImageMapTest, TransparentPaintsOnlyTheAreas)
{
    AddFrames(2);
    AddAreas();
    Window.show();
    EXPECT_EQ(PixelAt(Outside), FrameColour[0]);
    Map->SetTransparent(true);
    EXPECT_EQ(PixelAt(Outside), ParentColour);
    EXPECT_EQ(PixelAt(InA), FrameColour[0]);
    Click(InA);
    EXPECT_EQ(PixelAt(InA), FrameColour[1]);
}

TEST_F(TImageMapTest, CursorAndHintFollowTheAreas)
{
    AddFrames(1);
    AddAreas();
    Map->SetOutAreaHint("Drag me");
    EXPECT_EQ(Map->Cursor(), 1);
    EXPECT_EQ(Map->OutAreaCursor(), 1);
    Move(Map, InB);
    EXPECT_EQ(Map->Cursor(), 3);
    EXPECT_EQ(Map->Hint(), "Hint B");
    EXPECT_TRUE(Events.empty()); // a move over an area is the map's own
    Move(Map, Outside);
    EXPECT_EQ(Map->Cursor(), 1);
    EXPECT_EQ(Map->Hint(), "Drag me");
    EXPECT_EQ(Events, (std::vector<std::string> {"move 80"}));

    Map->SetChangeCursor(false);
    Move(Map, InA);
    EXPECT_EQ(Map->Cursor(), 1);
    EXPECT_EQ(Map->Hint(), "Hint A");
}

TEST_F(TImageMapTest, AChangedHintCancelsTheShownTip)
{
    AddFrames(1);
    AddAreas();
    Window.show();
    Window.activateWindow(); // an inactive window's tips go away at once
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
    Move(Map, InA);
    QToolTip::showText(Map->mapToGlobal(InA), Map->Hint(), Map);
    ASSERT_TRUE(QToolTip::isVisible());
    Move(Map, QPoint(16, 16)); // same area, same hint: the tip stays
    QTest::qWait(500);
    EXPECT_TRUE(QToolTip::isVisible());
    Move(Map, InB); // Qt takes the cancelled tip down after a short fade
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
}

TEST_F(TImageMapTest, LeavingTheControlClearsHover)
{
    AddFrames(3);
    AddAreas();
    Move(Map, InA);
    ASSERT_TRUE(Map->Area(0).AreaOver);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(Map, &leave);
    EXPECT_FALSE(Map->Area(0).AreaOver);
    EXPECT_EQ(Map->Area(0).AreaPaint, arpOff);
}

TEST_F(TImageMapTest, AddingANameAgainMovesTheAreaOnly)
{
    AddAreas();
    Map->AddArea("a", {0, 0, 5, 5}, 9, "other");
    EXPECT_EQ(Map->AreaCount(), 3);
    EXPECT_EQ(Map->Area(0).AreaRect, (TRect {0, 0, 5, 5}));
    EXPECT_EQ(Map->Area(0).AreaCursor, 2);
    EXPECT_EQ(Map->Area(0).AreaHint, "Hint A");
    EXPECT_EQ(Map->AreaName(0), "A");
    EXPECT_EQ(Map->GetAreaStateByName("nothing"), arsOff);
    Map->SetAreaStateByName("nothing", arsOn);
    EXPECT_TRUE(Events.empty());
}

TEST_F(TImageMapTest, ResetAreasSwitchesTheOnAreaOff)
{
    AddAreas();
    Map->SetAreaStateByName("C", arsOn);
    Events.clear();
    Map->ResetAreas();
    EXPECT_EQ(Events, (std::vector<std::string> {"unclick C"}));
    EXPECT_EQ(Map->GetAreaStateByName("C"), arsOff);
}

TEST_F(TImageMapTest, TabWalksTheEnabledAreasAndEnterOrSpaceClicksTheFocusedOne)
{
    AddFrames(1);
    AddAreas();
    Map->SetAreaState(2, arsDisabled); // C is skipped
    auto* before = new QLineEdit(&Window);
    auto* after = new QLineEdit(&Window);
    before->move(0, 60);
    after->move(60, 60);
    QWidget::setTabOrder(before, Map);
    QWidget::setTabOrder(Map, after);
    Window.show();
    Window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
    before->setFocus();

    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(Map->hasFocus());
    EXPECT_EQ(Map->FocusArea(), 0);
    EXPECT_EQ(PixelAt({10, 10}), FocusColour.rgb()); // A wears the frame
    QTest::keyClick(Map, Qt::Key_Tab);
    EXPECT_EQ(Map->FocusArea(), 1);
    EXPECT_EQ(PixelAt({10, 10}), FrameColour[0]);
    EXPECT_EQ(PixelAt({40, 10}), FocusColour.rgb());
    QTest::keyClick(Map, Qt::Key_Return);
    QTest::keyClick(Map, Qt::Key_Tab); // past the last enabled area: on to the next control
    EXPECT_TRUE(after->hasFocus());
    QTest::keyClick(after, Qt::Key_Backtab);
    EXPECT_EQ(Map->FocusArea(), 1); // back in at the last enabled area
    QTest::keyClick(Map, Qt::Key_Backtab);
    QTest::keyClick(Map, Qt::Key_Space);
    EXPECT_EQ(Events, (std::vector<std::string> {"changing b", "click b", "changing A", "unclick b", "click A"}));

    Press(Map, Outside); // the mouse in use again: no frame
    Release(Map, Outside);
    EXPECT_EQ(PixelAt({10, 10}), FrameColour[0]);
}

TEST_F(TImageMapTest, AScreenReaderSeesNamedButtonsAndPressesOnlyEnabledOnes)
{
    InstallControlAccessibility();
    AddFrames(5);
    AddAreas();
    Map->SetAreaStateByName("b", arsDisabled);
    Window.show();
    QAccessibleInterface* map = QAccessible::queryAccessibleInterface(Map);
    ASSERT_NE(map, nullptr);
    ASSERT_EQ(map->childCount(), 3);
    QAccessibleInterface* a = map->child(0);
    QAccessibleInterface* b = map->child(1);
    EXPECT_EQ(a->role(), QAccessible::PushButton);
    EXPECT_EQ(a->text(QAccessible::Name), "Hint A");
    EXPECT_EQ(a->parent(), map);
    EXPECT_EQ(map->indexOfChild(b), 1);
    EXPECT_EQ(a->rect(), QRect(Map->mapToGlobal(QPoint(10, 10)), QSize(20, 20)));
    EXPECT_EQ(map->childAt(Map->mapToGlobal(InB).x(), Map->mapToGlobal(InB).y()), b);
    EXPECT_TRUE(b->state().disabled);

    b->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(Events.empty());
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Events, (std::vector<std::string> {"changing A", "click A"}));
}

TEST(ImageMapAtAFractionalScale, ItsPictureJoinsThePicturesPaintedBesideIt)
{
    // The bar over the window's tiled background: a map at odd positions,
    // which at a scale of 1.5 start between two device pixels, over the very
    // picture it shows. Drawn as the background's tiles are, it changes no
    // pixel; sampled on a grid of its own, its rows and columns would step
    // against theirs.
    QWidget window;
    if (window.devicePixelRatioF() == std::floor(window.devicePixelRatioF()))
        GTEST_SKIP() << "needs a fractional scale: its own ctest entry runs it at QT_SCALE_FACTOR=1.5";
    const QImage picture = Pattern(5, 3, 1);
    window.resize(40, 75);
    auto* bevel = new TLumImageBevel(&window);
    bevel->setGeometry(window.rect());
    bevel->SetStretch(false);
    for (int slot = 0; slot < 9; ++slot)
        bevel->AddImage(slot == 8 ? picture : QImage()); // the centre tile only
    auto* map = new TLumImageMap(&window);
    map->AddImage(picture);
    window.show();
    for (const QPoint at : {QPoint(5, 3), QPoint(15, 69), QPoint(25, 33)}) {
        map->move(at);
        map->show();
        const QImage withMap = window.grab().toImage();
        map->hide();
        EXPECT_EQ(withMap, window.grab().toImage()) << at.x() << "," << at.y();
    }
}

TEST(FrameOfPaintTest, DisabledAndOverSwapTheirOrder)
{
    EXPECT_EQ(FrameOfPaint(arpOff), 0);
    EXPECT_EQ(FrameOfPaint(arpOn), 1);
    EXPECT_EQ(FrameOfPaint(arpOver), 2);
    EXPECT_EQ(FrameOfPaint(arpDisabled), 3);
    EXPECT_EQ(FrameOfPaint(arpClicked), 4);
}

} // namespace
