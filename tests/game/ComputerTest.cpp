#include "FakeView.h"
#include "TestCardSet.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

int FilledSlots(const TGame& g)
{
    int n = 0;
    for (int i = 1; i <= MemorySlots; ++i)
        n += g.ComputerMemory[i].Pair != 0;
    return n;
}

CardRef Card(const TGame& g, const TCell& cell) { return {g.CellPair[cell.Row][cell.Col], cell.Col, cell.Row}; }

// A dealt game with the computer switched on afterwards, so that a test can
// arrange the memory before the computer's first move.
class Computer : public testing::Test {
protected:
    void SetUp() override
    {
        Rig.Humans(2);
        Rig.Game.NewGame1Click(WriteTestCardSet("computer"));
        Rig.Settings.ComputerPlays = true;
    }
    void RemoveAllBut(const std::vector<int>& pairs)
    {
        for (int r = 0; r < Game.Rows; ++r)
            for (int c = 0; c < Game.Cols; ++c)
                if (std::find(pairs.begin(), pairs.end(), Game.CellPair[r][c]) == pairs.end())
                    Game.CellState[r][c] = CellRemoved;
    }

    TGameRig Rig;
    TGame& Game = Rig.Game;
};

TEST_F(Computer, RememberCardDrawsEveryTimeAndNeverStoresACellTwice)
{
    Game.MemorySize = 3;
    Game.ComputerMemory.fill(CardRef {});
    Rig.Random.Seed = 42;
    TRandom mirror(42);
    const CardRef card {5, 2, 1};
    Game.RememberCard(card);
    const int k = mirror.Random(3) + 1;
    EXPECT_EQ(Game.ComputerMemory[k].Pair, 5);
    EXPECT_EQ(FilledSlots(Game), 1);

    Game.RememberCard(card); // known already: the draw happens, nothing is stored
    mirror.Random(3);
    EXPECT_EQ(Rig.Random.Seed, mirror.Seed);
    EXPECT_EQ(FilledSlots(Game), 1);

    // The same pair in another cell is a different card.
    for (int i = 0; i < 20; ++i)
        Game.RememberCard({5, 3, 1});
    EXPECT_GE(FilledSlots(Game), 1);
    int cells = 0;
    for (int i = 1; i <= 3; ++i)
        cells += Game.ComputerMemory[i].Col == 3;
    EXPECT_EQ(cells, 1);
}

TEST_F(Computer, LevelZeroRemembersOnlyTheLastCard)
{
    Game.MemorySize = 1;
    Game.RememberCard({1, 0, 0});
    Game.RememberCard({2, 1, 0});
    EXPECT_EQ(Game.ComputerMemory[1].Pair, 2);
    EXPECT_EQ(FilledSlots(Game), 1);
}

TEST_F(Computer, ForgetPairEmptiesEverySlotOfThatPair)
{
    Game.MemorySize = 4;
    Game.ComputerMemory[1] = {3, 0, 0};
    Game.ComputerMemory[2] = {4, 1, 0};
    Game.ComputerMemory[4] = {3, 2, 2};
    Game.ForgetPair(3);
    EXPECT_EQ(Game.ComputerMemory[1].Pair, 0);
    EXPECT_EQ(Game.ComputerMemory[1].Col, 0);
    EXPECT_EQ(Game.ComputerMemory[4].Pair, 0);
    EXPECT_EQ(Game.ComputerMemory[2].Pair, 4);
}

TEST_F(Computer, CashesInTheFirstRememberedPairInSlotOrder)
{
    const std::vector<TCell> a = CellsOfPair(Game, 1);
    const std::vector<TCell> b = CellsOfPair(Game, 2);
    Game.MemorySize = 6;
    Game.ComputerStreak = 0;
    Game.CurrentPlayer = 1;
    Game.ComputerMemory[2] = Card(Game, b[0]);
    Game.ComputerMemory[3] = Card(Game, a[1]);
    Game.ComputerMemory[4] = Card(Game, b[1]);
    Game.ComputerMemory[6] = Card(Game, a[0]);
    Game.ComputerMove();
    // Slot 1 is empty; slot 2 (pair 2) pairs with slot 4 before slot 3 is tried.
    EXPECT_EQ(Game.Selection[1].Col, b[0].Col);
    EXPECT_EQ(Game.Selection[1].Row, b[0].Row);
    EXPECT_EQ(Game.Selection[2].Col, b[1].Col);
    EXPECT_EQ(Game.Selection[2].Row, b[1].Row);
    EXPECT_TRUE(Game.PairMatched);
    EXPECT_EQ(Game.Players[1].Score, 1);
    EXPECT_EQ(Game.ComputerStreak, 1);
    // The found pair is forgotten at once.
    for (int i = 1; i <= Game.MemorySize; ++i)
        EXPECT_NE(Game.ComputerMemory[i].Pair, 2);
}

TEST_F(Computer, ARememberedCardThatIsNotFaceDownIsNeverTurned)
{
    // As a damaged file could leave it: pair 1 is gone but still remembered.
    const std::vector<TCell> gone = CellsOfPair(Game, 1);
    for (const TCell& cell : gone)
        Game.CellState[cell.Row][cell.Col] = CellRemoved;
    Game.MemorySize = 6;
    Game.CurrentPlayer = 1;
    Game.ComputerMemory[1] = Card(Game, gone[0]);
    Game.ComputerMemory[2] = Card(Game, gone[1]);
    Game.RevealCard(gone[0].Col, gone[0].Row);
    EXPECT_EQ(Game.TurnPhase, 1);
    // The computer guesses instead, and its turn ends as any turn does.
    Game.ComputerMove();
    EXPECT_EQ(Game.TurnPhase, 3);
    EXPECT_TRUE(Rig.View.TimerRunning);
    EXPECT_NE(Game.Selection[1].Pair, 1);
    EXPECT_NE(Game.Selection[2].Pair, 1);
    for (const TCell& cell : gone)
        EXPECT_EQ(Game.CellState[cell.Row][cell.Col], CellRemoved);
}

TEST_F(Computer, AfterTwoPairsInARowOnlySlotOneMayOpenARememberedPair)
{
    const std::vector<TCell> b = CellsOfPair(Game, 2);
    RemoveAllBut({2, 3});
    Game.MemorySize = 6;
    Game.ComputerMemory[2] = Card(Game, b[0]);
    Game.ComputerMemory[3] = Card(Game, b[1]);
    Game.ComputerStreak = 2;
    Rig.Random.Seed = 77;
    TRandom mirror(77);
    Game.ComputerMove();
    // Not cashed in from slots 2 and 3: the first card is the random one,
    // the first face-down cell from a random start.
    int cell = mirror.Random(16);
    while (Game.CellState[cell / 4][cell % 4] == CellRemoved)
        cell = (cell + 1) % 16;
    EXPECT_EQ(Game.Selection[1].Row * 4 + Game.Selection[1].Col, cell);

    // With slot 1 holding one of its cards the pair is cashed in.
    TGameRig rig;
    rig.Humans(2);
    rig.Game.NewGame1Click(WriteTestCardSet("streak"));
    rig.Settings.ComputerPlays = true;
    const std::vector<TCell> c = CellsOfPair(rig.Game, 4);
    rig.Game.MemorySize = 6;
    rig.Game.ComputerMemory[1] = Card(rig.Game, c[1]);
    rig.Game.ComputerMemory[5] = Card(rig.Game, c[0]);
    rig.Game.ComputerStreak = 5;
    rig.Game.ComputerMove();
    EXPECT_EQ(rig.Game.Selection[1].Col, c[1].Col);
    EXPECT_EQ(rig.Game.Selection[2].Col, c[0].Col);
    EXPECT_EQ(rig.Game.Selection[2].Row, c[0].Row);
    EXPECT_TRUE(rig.Game.PairMatched);
}

TEST_F(Computer, TakesThePartnerOfItsRandomCardWhenItRemembersIt)
{
    int partnerTaken = 0;
    int guessed = 0;
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        TGameRig rig;
        rig.Humans(2);
        rig.Game.NewGame1Click(WriteTestCardSet("partner"));
        rig.Settings.ComputerPlays = true;
        TGame& g = rig.Game;
        const std::vector<TCell> x = CellsOfPair(g, 1);
        const std::vector<TCell> y = CellsOfPair(g, 2);
        for (int r = 0; r < g.Rows; ++r)
            for (int c = 0; c < g.Cols; ++c)
                if (g.CellPair[r][c] > 2)
                    g.CellState[r][c] = CellRemoved;
        g.MemorySize = MemorySlots;
        g.ComputerMemory[1] = Card(g, x[0]);
        g.ComputerMemory[2] = Card(g, y[0]);
        rig.Random.Seed = seed;
        g.ComputerMove();

        // The draws: the random start, then the slot the first card lands in.
        TRandom mirror(seed);
        mirror.Random(g.Rows * g.Cols);
        const int landed = mirror.Random(MemorySlots) + 1;
        auto is = [&](const CardRef& card, const TCell& cell) { return card.Col == cell.Col && card.Row == cell.Row; };
        const CardRef first = g.Selection[1];
        if ((is(first, x[1]) && landed != 1) || (is(first, y[1]) && landed != 2)) {
            EXPECT_TRUE(g.PairMatched) << "seed " << seed;
            EXPECT_TRUE(is(g.Selection[2], is(first, x[1]) ? x[0] : y[0])) << "seed " << seed;
            ++partnerTaken;
        } else if (is(first, x[0]) || is(first, y[0])) {
            ++guessed; // its partner is unknown: a random second card
        }
        EXPECT_EQ(g.TurnPhase, 3);
        EXPECT_TRUE(rig.View.TimerRunning);
    }
    EXPECT_GT(partnerTaken, 0);
    EXPECT_GT(guessed, 0);
}

TEST_F(Computer, OpensTheGameAtOnceAndRemembersOnlyItsOwnCards)
{
    TGameRig rig;
    rig.WithComputer(1);
    rig.Game.NewGame1Click(WriteTestCardSet("opening"));
    TGame& g = rig.Game;
    EXPECT_EQ(g.TurnPhase, 3);
    EXPECT_TRUE(rig.View.TimerRunning);
    EXPECT_FALSE(g.InputEnabled && g.TurnPhase < 3);
    // Its memory holds its own cards only (none if they were a pair).
    const int filled = FilledSlots(g);
    if (g.PairMatched) {
        EXPECT_EQ(filled, 0);
    } else {
        EXPECT_GE(filled, 1);
        EXPECT_LE(filled, 2);
    }
    for (int i = 1; i <= MemorySlots; ++i) {
        const CardRef& m = g.ComputerMemory[i];
        if (m.Pair == 0)
            continue;
        const bool own = (m.Col == g.Selection[1].Col && m.Row == g.Selection[1].Row) ||
                         (m.Col == g.Selection[2].Col && m.Row == g.Selection[2].Row);
        EXPECT_TRUE(own);
    }
}

TEST_F(Computer, AMissByTheLastHumanHandsTheTurnToTheComputerAtOnce)
{
    TGameRig rig;
    rig.WithComputer(2);
    rig.Game.NewGame1Click(WriteTestCardSet("handover"));
    TGame& g = rig.Game;
    // Let the computer play until a human has the turn.
    while (g.CurrentPlayer == 1 && !g.GameOver)
        RunTimer(g, rig.View);
    ASSERT_FALSE(g.GameOver);
    // The humans miss deliberately until the turn comes back round.
    while (g.CurrentPlayer != 1 && !g.GameOver) {
        const int before = g.CurrentPlayer;
        std::vector<TCell> down;
        for (int r = 0; r < g.Rows; ++r)
            for (int c = 0; c < g.Cols; ++c)
                if (g.CellState[r][c] == CellFaceDown)
                    down.push_back({c, r});
        auto miss = std::find_if(down.begin() + 1, down.end(),
                                 [&](const TCell& t) { return g.CellPair[t.Row][t.Col] != g.CellPair[down[0].Row][down[0].Col]; });
        if (miss == down.end())
            break;
        g.MGridSelectCell(down[0].Col, down[0].Row);
        g.MGridSelectCell(miss->Col, miss->Row);
        ASSERT_EQ(g.TurnPhase, 3);
        rig.View.TimerRunning = false;
        g.close_pair();
        if (before == 3) {
            // The missed cards are turned back and the computer's two cards
            // are up in the same step, already judged.
            EXPECT_EQ(g.TurnPhase, 3);
            EXPECT_TRUE(rig.View.TimerRunning);
            EXPECT_TRUE(g.CurrentPlayer == 1 ? g.PairMatched : g.CurrentPlayer == 2 && !g.PairMatched);
            return;
        }
    }
    FAIL() << "the turn never reached the last human";
}

TEST_F(Computer, NeverTurnsARemovedCellInWholeGames)
{
    for (std::uint32_t clock = 0; clock < 40; ++clock) {
        TGameRig rig;
        rig.Clock = clock * 1000003u;
        rig.WithComputer(clock % 4 + 1);
        rig.Settings.ComputerLevel = static_cast<int>(clock % 11);
        TTestCardSet set;
        set.Info.FaceCount = 12;
        rig.Settings.PairCount = 12;
        rig.Game.NewGame1Click(WriteTestCardSet("whole" + std::to_string(clock), set));
        TGame& g = rig.Game;
        int turns = 0;
        TRandom human(clock);
        while (!g.GameOver && turns < 2000) {
            if (g.TurnPhase == 3) {
                // Both cards of the turn must be face up when the turn closes.
                ASSERT_EQ(g.CellState[g.Selection[1].Row][g.Selection[1].Col], CellFaceUp);
                ASSERT_EQ(g.CellState[g.Selection[2].Row][g.Selection[2].Col], CellFaceUp);
                ASSERT_TRUE(g.Selection[1].Col != g.Selection[2].Col || g.Selection[1].Row != g.Selection[2].Row);
                // Turning a removed cell would lower the count of removed cells.
                int removed = 0;
                for (int r = 0; r < g.Rows; ++r)
                    for (int c = 0; c < g.Cols; ++c)
                        removed += g.CellState[r][c] == CellRemoved;
                ASSERT_EQ(removed, 2 * (g.PairsFound - (g.PairMatched ? 1 : 0)));
                rig.View.TimerRunning = false;
                g.close_pair();
                ++turns;
                continue;
            }
            // A human clicks random cells; invalid ones are ignored.
            g.MGridSelectCell(human.Random(g.Cols), human.Random(g.Rows));
        }
        ASSERT_TRUE(g.GameOver) << "clock " << clock;
        RunTimer(g, rig.View);
        int total = 0;
        for (int i = 1; i <= 5; ++i)
            total += g.Players[i].Score;
        EXPECT_EQ(total, 12);
        EXPECT_EQ(rig.View.ScoreWindows, 1);
        EXPECT_FALSE(g.GameActive);
        EXPECT_EQ(FilledSlots(g), 0); // every pair was found and forgotten
    }
}

} // namespace
