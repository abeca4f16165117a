#include "game/Layout.h"

#include <gtest/gtest.h>

namespace {

struct TLayoutRow {
    int Pairs, Rows, Cols, CellWidth, CellHeight;
};

// 120 x 90 pictures on a 1024 x 738 work area.
const TLayoutRow LayoutTable[] = {
    {8, 4, 4, 120, 90},   {10, 4, 5, 120, 90},  {12, 4, 6, 120, 90},  {14, 4, 7, 120, 90},
    {16, 4, 8, 120, 90},  {18, 6, 6, 120, 90},  {20, 5, 8, 120, 90},  {21, 6, 7, 120, 90},
    {22, 4, 11, 91, 68},  {24, 6, 8, 120, 90},  {26, 4, 13, 77, 57},  {27, 6, 9, 111, 83},
    {28, 7, 8, 120, 90},  {30, 6, 10, 100, 75}, {32, 8, 8, 106, 79},  {33, 6, 11, 91, 68},
    {36, 8, 9, 106, 79},  {39, 6, 13, 77, 57},  {40, 8, 10, 100, 75}, {42, 7, 12, 83, 62},
    {44, 8, 11, 91, 68},  {45, 9, 10, 94, 70},  {48, 8, 12, 83, 62},  {50, 10, 10, 84, 63},
    {52, 8, 13, 77, 57},  {55, 10, 11, 85, 63}, {56, 8, 14, 71, 53},  {60, 10, 12, 83, 62},
};

TEST(Layout, EveryOfferedPairCountGetsTheTabledBoardAndCellSize)
{
    for (const TLayoutRow& row : LayoutTable) {
        SCOPED_TRACE("pairs " + std::to_string(row.Pairs));
        const std::optional<TLayout> layout = ChooseLayoutFor(row.Pairs, 120, 90, 1024, 738);
        ASSERT_TRUE(layout);
        EXPECT_EQ(layout->Rows, row.Rows);
        EXPECT_EQ(layout->Cols, row.Cols);
        const TBoardGeometry g = FitBoardFor(layout->Rows, layout->Cols, 120, 90, 1024, 738);
        EXPECT_EQ(g.CellWidth, row.CellWidth);
        EXPECT_EQ(g.CellHeight, row.CellHeight);
        EXPECT_LE(g.ClientWidth, 1024);
        EXPECT_LE(g.ClientHeight, 738);
    }
}

TEST(Layout, PairCountsWithoutAnyLayoutAreRefused)
{
    for (int pairs : {0, -8, 1, 2, 3, 13, 17, 19, 23, 29, 31, 61, 91, 1000})
        EXPECT_FALSE(ChooseLayoutFor(pairs, 120, 90, 1024, 738)) << pairs;
    // The largest board: 12 rows of 15 columns.
    EXPECT_TRUE(ChooseLayoutFor(90, 120, 90, 1024, 738));
}

TEST(Layout, AspectOfPicturesAndWorkAreaDecides)
{
    // Tall pictures on a wide screen turn a 4 x 4 choice into 2 rows of 8.
    const std::optional<TLayout> tall = ChooseLayoutFor(8, 50, 400, 1920, 1050);
    ASSERT_TRUE(tall);
    EXPECT_EQ(tall->Rows, 2);
    EXPECT_EQ(tall->Cols, 8);
    // Very wide pictures on a tall screen: 8 rows of 2.
    const std::optional<TLayout> wide = ChooseLayoutFor(8, 400, 50, 800, 1800);
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->Rows, 8);
    EXPECT_EQ(wide->Cols, 2);
    // Square cells with an aspect target of 2.5: 4 x 4 (aspect 1) and 8 x 2
    // (aspect 4) are equally far; the earlier one stays.
    const std::optional<TLayout> tie = ChooseLayoutFor(8, 99, 99, 410, 1091);
    ASSERT_TRUE(tie);
    EXPECT_EQ(tie->Rows, 4);
    EXPECT_EQ(tie->Cols, 4);
}

TEST(Layout, SmallBoardIsCentredInTheMinimumWindowWidth)
{
    const TBoardGeometry g = FitBoardFor(4, 4, 50, 40, 1920, 1050);
    EXPECT_EQ(g.CellWidth, 50);
    EXPECT_EQ(g.CellHeight, 40);
    EXPECT_EQ(g.GridWidth, 4 * 51);
    EXPECT_EQ(g.GridHeight, 4 * 41);
    EXPECT_EQ(g.ClientWidth, MinClientWidth);
    EXPECT_EQ(g.ClientHeight, 4 * 41 + 91);
    EXPECT_EQ(g.GridLeft, (MinClientWidth - 4 * 51) / 2);
    EXPECT_EQ(g.GridTop, 21);
    EXPECT_EQ(g.PanelWidth, 50);
    EXPECT_EQ(g.PanelHeight, 40);
}

TEST(Layout, BoardWiderThanTheMinimumSitsFivePixelsIn)
{
    const TBoardGeometry g = FitBoardFor(4, 4, 120, 90, 1920, 1050);
    EXPECT_EQ(g.CellWidth, 120);
    EXPECT_EQ(g.GridWidth, 484);
    EXPECT_EQ(g.ClientWidth, 494);
    EXPECT_EQ(g.GridLeft, 5);

    const TBoardGeometry wide = FitBoardFor(10, 12, 120, 90, 1920, 1050);
    EXPECT_EQ(wide.ClientWidth, wide.GridWidth + 10);
    EXPECT_EQ(wide.GridLeft, 5);
}

TEST(Layout, HugeOrImpossibleSizesStillGiveAPositiveCell)
{
    const TBoardGeometry huge = FitBoardFor(10, 12, 2000000000, 2000000000, 1024, 738);
    EXPECT_GE(huge.CellWidth, 1);
    EXPECT_LE(huge.ClientWidth, 1024);
    EXPECT_LE(huge.ClientHeight, 738);
    const TBoardGeometry tiny = FitBoardFor(10, 12, 120, 90, 50, 50);
    EXPECT_EQ(tiny.CellWidth, 1);
    EXPECT_EQ(tiny.CellHeight, 1);
}

TEST(Layout, MemorySizeTable)
{
    const int cards[] = {16, 24, 40, 60, 80, 120};
    const int expected[6][11] = {
        {1, 2, 3, 4, 5, 7, 8, 9, 10, 12, 13},         {1, 2, 4, 6, 8, 10, 12, 13, 15, 17, 19},
        {1, 4, 7, 10, 13, 16, 19, 22, 25, 28, 31},     {1, 5, 10, 14, 19, 24, 28, 33, 37, 42, 47},
        {1, 7, 13, 19, 25, 31, 37, 44, 50, 56, 62},    {1, 10, 19, 28, 37, 47, 56, 65, 74, 84, 93},
    };
    for (int i = 0; i < 6; ++i)
        for (int level = 0; level <= 10; ++level)
            EXPECT_EQ(MemorySizeFor(1, cards[i], level), expected[i][level]) << cards[i] << " cards, level " << level;
    // Out-of-range levels are clamped as the slider clamps them.
    EXPECT_EQ(MemorySizeFor(10, 12, 99), 93);
    EXPECT_EQ(MemorySizeFor(10, 12, -4), 1);
}

} // namespace
