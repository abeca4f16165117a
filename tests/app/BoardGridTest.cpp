#include "app/BoardGrid.h"
#include "app/CardPaint.h"
#include "controls/LumFocus.h"

#include <QTest>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using TCells = std::vector<std::pair<int, int>>;

struct TGridFixture : ::testing::Test {
    TGridFixture()
    {
        Grid.SetGeometryCells(4, 3, 20, 10);
        Grid.OnSelectCell = [this](int col, int row) { Selected.emplace_back(col, row); };
        Grid.show();
    }
    QPoint Centre(int col, int row) const { return Grid.CellRect(col, row).center(); }

    TBoardGrid Grid;
    TCells Selected;
};

TEST_F(TGridFixture, CellsAreSeparatedByOnePixelLines)
{
    EXPECT_EQ(Grid.size(), QSize(4 * 21, 3 * 11));
    EXPECT_EQ(Grid.CellRect(0, 0), QRect(0, 0, 20, 10));
    EXPECT_EQ(Grid.CellRect(3, 2), QRect(63, 22, 20, 10));
    int col = -1;
    int row = -1;
    EXPECT_TRUE(Grid.CellAt({19, 9}, col, row));
    EXPECT_EQ(std::make_pair(col, row), std::make_pair(0, 0));
    EXPECT_FALSE(Grid.CellAt({20, 5}, col, row)); // the line after column 0
    EXPECT_FALSE(Grid.CellAt({5, 10}, col, row)); // the line after row 0
    EXPECT_FALSE(Grid.CellAt({84, 5}, col, row)); // right of the last column
}

TEST_F(TGridFixture, EveryLeftPressSelectsAlsoTheCurrentCell)
{
    QTest::mouseClick(&Grid, Qt::LeftButton, {}, Centre(1, 1));
    QTest::mouseClick(&Grid, Qt::LeftButton, {}, Centre(1, 1));
    QTest::mouseClick(&Grid, Qt::RightButton, {}, Centre(2, 1));
    QTest::mouseClick(&Grid, Qt::LeftButton, {}, QPoint(20, 5)); // on a line
    EXPECT_EQ(Selected, (TCells {{1, 1}, {1, 1}}));
    EXPECT_EQ(Grid.CurrentCol(), 1);
    EXPECT_EQ(Grid.CurrentRow(), 1);
}

TEST_F(TGridFixture, DraggingWithTheButtonHeldSelectsEachNewCell)
{
    QTest::mousePress(&Grid, Qt::LeftButton, {}, Centre(0, 0));
    QMouseEvent move1(QEvent::MouseMove, QPointF(Centre(0, 0) + QPoint(3, 0)), QPointF(), Qt::NoButton,
                      Qt::LeftButton, {});
    QApplication::sendEvent(&Grid, &move1); // still the same cell
    QMouseEvent move2(QEvent::MouseMove, QPointF(Centre(1, 0)), QPointF(), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&Grid, &move2);
    QMouseEvent move3(QEvent::MouseMove, QPointF(Centre(1, 2)), QPointF(), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&Grid, &move3);
    QTest::mouseRelease(&Grid, Qt::LeftButton, {}, Centre(1, 2));
    // Moving without a button selects nothing.
    QMouseEvent hover(QEvent::MouseMove, QPointF(Centre(3, 2)), QPointF(), Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(&Grid, &hover);
    EXPECT_EQ(Selected, (TCells {{0, 0}, {1, 0}, {1, 2}}));
}

TEST_F(TGridFixture, KeysOnlyMoveTheCurrentCellAndEnterOrSpaceSelectsIt)
{
    const struct {
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        int Col, Row;
    } steps[] = {
        {Qt::Key_Right, {}, 1, 0},      {Qt::Key_Down, {}, 1, 1},         {Qt::Key_Up, {}, 1, 0},
        {Qt::Key_Up, {}, 1, 0},         {Qt::Key_End, {}, 3, 0},          {Qt::Key_Right, {}, 3, 0},
        {Qt::Key_PageDown, {}, 3, 2},   {Qt::Key_Home, {}, 0, 2},         {Qt::Key_Left, {}, 0, 2},
        {Qt::Key_PageUp, {}, 0, 0},     {Qt::Key_End, Qt::ControlModifier, 3, 2},
        {Qt::Key_Home, Qt::ControlModifier, 0, 0},
    };
    for (const auto& step : steps) {
        QTest::keyClick(&Grid, step.Key, step.Modifiers);
        EXPECT_EQ(std::make_pair(Grid.CurrentCol(), Grid.CurrentRow()), std::make_pair(step.Col, step.Row))
            << "after key " << step.Key;
    }
    EXPECT_TRUE(Selected.empty());
    QTest::keyClick(&Grid, Qt::Key_Right);
    QTest::keyClick(&Grid, Qt::Key_Return);
    QTest::keyClick(&Grid, Qt::Key_Down);
    QTest::keyClick(&Grid, Qt::Key_Space);
    QTest::keyClick(&Grid, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Selected, (TCells {{1, 0}, {1, 1}, {1, 1}}));
}

TEST(BoardGridFocus, TheFrameLiesOverTheCurrentCellWhileTheKeyboardIsInUse)
{
    QWidget window;
    window.resize(200, 100);
    auto* grid = new TBoardGrid(&window);
    grid->SetGeometryCells(4, 3, 20, 10);
    grid->move(10, 5);
    auto* cover = new QWidget(&window); // laid over cell (1, 1), as a face overlay is
    cover->setGeometry(grid->CellRect(1, 1).translated(grid->pos()));
    cover->setAutoFillBackground(true);
    QPalette white = cover->palette();
    white.setColor(QPalette::Window, Qt::white);
    cover->setPalette(white);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    grid->setFocus();
    const QWidget* frame = nullptr;
    for (QWidget* child : window.findChildren<QWidget*>())
        if (child != grid && child != cover)
            frame = child;
    ASSERT_NE(frame, nullptr);

    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Right);
    cover->raise();
    grid->SyncFocusFrame();
    ASSERT_TRUE(grid->FocusFrameShown());
    EXPECT_EQ(frame->geometry(), cover->geometry());
    const QImage shot = window.grab().toImage();
    const QPoint corner = cover->geometry().topLeft();
    EXPECT_EQ(shot.pixelColor(corner), FocusColour);
    EXPECT_EQ(shot.pixelColor(corner + QPoint(FocusFrameWidth - 1, 5)), FocusColour);
    EXPECT_EQ(shot.pixelColor(corner + QPoint(6, 5)), QColor(Qt::white)); // the cell shows through

    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(3, 2).center());
    EXPECT_FALSE(grid->FocusFrameShown()); // the mouse is in use again
    QTest::keyClick(grid, Qt::Key_Left);
    EXPECT_EQ(frame->geometry(), grid->CellRect(2, 2).translated(grid->pos()));
    grid->hide();
    EXPECT_FALSE(grid->FocusFrameShown());
    QTest::mouseClick(&window, Qt::LeftButton); // leaves the mouse in use for the tests after
}

TEST_F(TGridFixture, RepaintOfOneCellAsksOnlyForCellsItTouches)
{
    TCells painted;
    Grid.OnDrawCell = [&](int col, int row, QPainter&, const QRect&) { painted.emplace_back(col, row); };
    Grid.grab(Grid.CellRect(2, 1));
    EXPECT_EQ(painted, (TCells {{2, 1}}));
    painted.clear();
    Grid.grab();
    EXPECT_EQ(painted.size(), 12u);
}

TEST(CardPaint, FollowsTheBoardTable)
{
    struct TRow {
        bool Active;
        int State;
        int FaceType;
        TCellPaint Expected;
    };
    const TRow rows[] = {
        {true, 0, 1, TCellPaint::BoardBrush}, {true, 0, 2, TCellPaint::BoardBrush},
        {true, 1, 1, TCellPaint::Back},       {true, 1, 0, TCellPaint::Back},
        {true, 2, 1, TCellPaint::Nothing},    {true, 2, 2, TCellPaint::Face},
        {true, 2, -1, TCellPaint::Face},      {true, 3, 2, TCellPaint::Nothing},
        {true, -1, 1, TCellPaint::Nothing},   {false, 0, 1, TCellPaint::GifStill},
        {false, 1, 1, TCellPaint::GifStill},  {false, 2, 1, TCellPaint::GifStill},
        {false, 0, 2, TCellPaint::Face},      {false, 1, 0, TCellPaint::Face},
        {false, 7, 3, TCellPaint::Face},
    };
    for (const TRow& row : rows)
        EXPECT_EQ(CellPaintFor(row.Active, row.State, row.FaceType), row.Expected)
            << row.Active << " " << row.State << " " << row.FaceType;
}

} // namespace
