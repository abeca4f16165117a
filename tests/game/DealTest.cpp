#include "FakeView.h"
#include "game/Layout.h"

#include <gtest/gtest.h>

#include <map>

namespace {

void SetBoard(TGame& game, int rows, int cols)
{
    game.Rows = rows;
    game.Cols = cols;
}

TEST(Deal, GoldenDealForAClockValue)
{
    TGameRig rig;
    SetBoard(rig.Game, 4, 4);
    rig.Clock = 1234;
    rig.Game.DealCards();
    const int expected[4][4] = {{4, 5, 5, 1}, {4, 2, 8, 2}, {3, 1, 6, 8}, {7, 6, 7, 3}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(rig.Game.CellPair[r][c], expected[r][c]) << r << "," << c;
            EXPECT_EQ(rig.Game.CellState[r][c], CellFaceDown);
        }

    // The deal reseeds, so what came before does not matter.
    rig.Random.Seed = 999;
    rig.Clock = 0;
    SetBoard(rig.Game, 4, 5);
    rig.Game.DealCards();
    const int five[4][5] = {{1, 10, 6, 4, 5}, {1, 8, 3, 4, 2}, {9, 5, 10, 6, 8}, {2, 7, 9, 3, 7}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(rig.Game.CellPair[r][c], five[r][c]) << r << "," << c;
}

TEST(Deal, EveryPairLandsInExactlyTwoCellsOnEveryBoard)
{
    TGameRig rig;
    for (int pairs : {8, 10, 12, 14, 16, 18, 20, 21, 22, 24, 26, 27, 28, 30, 32, 33, 36, 39, 40, 42, 44, 45, 48, 50,
                      52, 55, 56, 60}) {
        const std::optional<TLayout> layout = ChooseLayoutFor(pairs, 120, 90, 1024, 738);
        ASSERT_TRUE(layout);
        SetBoard(rig.Game, layout->Rows, layout->Cols);
        rig.Clock = static_cast<std::uint32_t>(pairs * 7919);
        rig.Game.DealCards();
        std::map<int, int> count;
        for (int r = 0; r < layout->Rows; ++r)
            for (int c = 0; c < layout->Cols; ++c)
                ++count[rig.Game.CellPair[r][c]];
        ASSERT_EQ(count.size(), static_cast<std::size_t>(pairs)) << pairs;
        EXPECT_EQ(count.begin()->first, 1);
        EXPECT_EQ(count.rbegin()->first, pairs);
        for (const auto& [pair, n] : count)
            EXPECT_EQ(n, 2) << "pair " << pair << " of " << pairs;
        // One card of each pair shows the second picture of a set whose pairs differ.
        for (int p = 1; p <= pairs; ++p) {
            const std::vector<TCell> cells = CellsOfPair(rig.Game, p);
            EXPECT_EQ(rig.Game.CellSide[cells[0].Row][cells[0].Col] + rig.Game.CellSide[cells[1].Row][cells[1].Col], 1)
                << "pair " << p << " of " << pairs;
        }
    }
}

TEST(Deal, OverManySeedsEveryCellReceivesEveryPair)
{
    TGameRig rig;
    SetBoard(rig.Game, 4, 4);
    bool seen[4][4][9] = {};
    bool partners[16][16] = {};
    int earlierSecond = 0; // pairs whose earlier cell shows the second picture
    for (std::uint32_t clock = 0; clock < 3000; ++clock) {
        rig.Clock = clock * 28813u;
        rig.Game.DealCards();
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                seen[r][c][rig.Game.CellPair[r][c]] = true;
        for (int p = 1; p <= 8; ++p) {
            const std::vector<TCell> cells = CellsOfPair(rig.Game, p);
            partners[cells[0].Row * 4 + cells[0].Col][cells[1].Row * 4 + cells[1].Col] = true;
            earlierSecond += rig.Game.CellSide[cells[0].Row][cells[0].Col];
        }
    }
    // Where a picture lies tells nothing of where its partner lies.
    EXPECT_NEAR(earlierSecond / (3000.0 * 8), 0.5, 0.02);
    // Any two cells can hold the same pair.
    for (int a = 0; a < 16; ++a)
        for (int b = a + 1; b < 16; ++b)
            EXPECT_TRUE(partners[a][b]) << "cells " << a << " and " << b << " never paired";
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            for (int p = 1; p <= 8; ++p)
                EXPECT_TRUE(seen[r][c][p]) << "cell " << r << "," << c << " never got pair " << p;
}

} // namespace
