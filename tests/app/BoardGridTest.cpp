#include "app/BoardGrid.h"
#include "app/CardPaint.h"

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

TEST_F(TGridFixture, KeyboardMovesSelectAndStopAtTheEdges)
{
    QTest::keyClick(&Grid, Qt::Key_Right);
    QTest::keyClick(&Grid, Qt::Key_Down);
    QTest::keyClick(&Grid, Qt::Key_Up);
    QTest::keyClick(&Grid, Qt::Key_Up); // already on the top row: no move, no selection
    QTest::keyClick(&Grid, Qt::Key_End);
    QTest::keyClick(&Grid, Qt::Key_Right);
    EXPECT_EQ(Selected, (TCells {{1, 0}, {1, 1}, {1, 0}, {3, 0}}));
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
