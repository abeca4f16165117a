#include "FakeView.h"
#include "TestCardSet.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class Turns : public testing::Test {
protected:
    void Start(int humans, int faceType = 3)
    {
        TTestCardSet set;
        set.Info.FaceType = faceType;
        Rig.Humans(humans);
        Rig.Game.NewGame1Click(WriteTestCardSet("turns" + std::to_string(faceType), set));
        Rig.View.Calls.clear();
    }
    void Click(const TCell& cell) { Rig.Game.MGridSelectCell(cell.Col, cell.Row); }
    void FindPair(int pair)
    {
        const std::vector<TCell> cells = CellsOfPair(Rig.Game, pair);
        Click(cells[0]);
        Click(cells[1]);
    }
    // Turns the first cells of two different pairs that are still on the board.
    void Miss()
    {
        std::vector<TCell> firsts;
        for (int p = 1; p <= 8 && firsts.size() < 2; ++p) {
            const std::vector<TCell> cells = CellsOfPair(Rig.Game, p);
            if (Rig.Game.CellState[cells[0].Row][cells[0].Col] == CellFaceDown)
                firsts.push_back(cells[0]);
        }
        ASSERT_EQ(firsts.size(), 2u);
        Click(firsts[0]);
        Click(firsts[1]);
    }
    bool Called(const std::string& call) const
    {
        return std::find(Rig.View.Calls.begin(), Rig.View.Calls.end(), call) != Rig.View.Calls.end();
    }

    TGameRig Rig;
    TGame& Game = Rig.Game;
};

TEST_F(Turns, APairScoresAtOnceKeepsTheTurnAndIsRemovedAfterTheDelay)
{
    Start(2);
    const std::vector<TCell> cells = CellsOfPair(Game, 3);
    Click(cells[0]);
    EXPECT_EQ(Game.TurnPhase, 2);
    EXPECT_EQ(Game.CellState[cells[0].Row][cells[0].Col], CellFaceUp);
    EXPECT_FALSE(Rig.View.TimerRunning);
    Click(cells[1]);

    EXPECT_EQ(Game.TurnPhase, 3);
    EXPECT_TRUE(Game.PairMatched);
    EXPECT_EQ(Game.PairsFound, 1);
    EXPECT_EQ(Game.Players[1].Score, 1);
    EXPECT_EQ(Rig.View.Label, "\u2068P1\u2069 (pairs: 1)");
    EXPECT_EQ(Rig.View.Sounds, std::vector<TGameSound> {TGameSound::Pair});
    EXPECT_TRUE(Rig.View.TimerRunning);
    EXPECT_EQ(Rig.View.TimerInterval, 2500);
    EXPECT_EQ(Game.Selection[1].Pair, 3);
    EXPECT_EQ(Game.Selection[2].Col, cells[1].Col);
    EXPECT_EQ(Game.Selection[2].Row, cells[1].Row);

    // While the delay runs, clicks are ignored.
    Miss();
    EXPECT_EQ(Game.TurnPhase, 3);

    RunTimer(Game, Rig.View);
    EXPECT_EQ(Game.CellState[cells[0].Row][cells[0].Col], CellRemoved);
    EXPECT_EQ(Game.CellState[cells[1].Row][cells[1].Col], CellRemoved);
    EXPECT_EQ(Game.TurnPhase, 1);
    EXPECT_EQ(Game.CurrentPlayer, 1);
    EXPECT_FALSE(Game.PairMatched);
    EXPECT_TRUE(Game.InputEnabled);
    EXPECT_TRUE(Called("hide"));
    // A removed card cannot be turned again.
    Click(cells[0]);
    EXPECT_EQ(Game.TurnPhase, 1);
}

TEST_F(Turns, AMissPassesTheTurnButTheLabelWaitsForTheDelay)
{
    Start(3);
    Miss();
    EXPECT_FALSE(Game.PairMatched);
    EXPECT_EQ(Game.CurrentPlayer, 2);
    EXPECT_EQ(Rig.View.Label, "\u2068P1\u2069 (pairs: 0)");
    EXPECT_EQ(Rig.View.Sounds, std::vector<TGameSound> {TGameSound::Miss});
    const CardRef first = Game.Selection[1];

    RunTimer(Game, Rig.View);
    EXPECT_EQ(Game.CellState[first.Row][first.Col], CellFaceDown);
    EXPECT_EQ(Rig.View.Label, "\u2068P2\u2069 (pairs: 0)");

    Miss();
    RunTimer(Game, Rig.View);
    EXPECT_EQ(Game.CurrentPlayer, 3);
    Miss();
    RunTimer(Game, Rig.View);
    EXPECT_EQ(Game.CurrentPlayer, 1); // the last player's miss wraps to the first
    EXPECT_EQ(Rig.View.Label, "\u2068P1\u2069 (pairs: 0)");
}

TEST_F(Turns, InvalidClicksAreIgnored)
{
    Start(2);
    const std::vector<TCell> cells = CellsOfPair(Game, 1);
    Click(cells[0]);
    Click(cells[0]); // the same face-up card again
    Game.RevealCard(cells[0].Col, cells[0].Row); // nor when asked directly
    EXPECT_EQ(Game.TurnPhase, 2);
    Game.MGridSelectCell(-1, 0);
    Game.MGridSelectCell(4, 0);
    Game.MGridSelectCell(0, 14);
    EXPECT_EQ(Game.TurnPhase, 2);
    Click(cells[1]);
    EXPECT_EQ(Game.TurnPhase, 3);

    TGameRig idle; // before any game nothing is accepted
    idle.Game.MGridSelectCell(0, 0);
    EXPECT_TRUE(idle.View.Calls.empty());
}

TEST_F(Turns, DragAcrossTwoCardsTurnsBoth)
{
    Start(2);
    // The grid reports the pressed cell and every cell entered while held.
    Game.MGridSelectCell(0, 0);
    Game.MGridSelectCell(0, 0);
    Game.MGridSelectCell(1, 0);
    Game.MGridSelectCell(2, 0);
    EXPECT_EQ(Game.TurnPhase, 3);
    EXPECT_EQ(Game.CellState[0][2], CellFaceDown);
}

TEST_F(Turns, GifFacesUseTheOverlayOfTheirPhase)
{
    Start(2, 1);
    Miss();
    const CardRef a = Game.Selection[1];
    const CardRef b = Game.Selection[2];
    EXPECT_TRUE(Called("overlay 1 " + std::to_string(a.Col) + " " + std::to_string(a.Row)));
    EXPECT_TRUE(Called("overlay 2 " + std::to_string(b.Col) + " " + std::to_string(b.Row)));

    Rig.View.Calls.clear();
    RunTimer(Game, Rig.View);
    Start(2, 3);
    Miss();
    EXPECT_EQ(std::count_if(Rig.View.Calls.begin(), Rig.View.Calls.end(),
                            [](const std::string& c) { return c.rfind("overlay", 0) == 0; }),
              0);
}

TEST_F(Turns, DelayAndSoundFollowTheSettings)
{
    Rig.Settings.DelayIndex = 0;
    Rig.Settings.SoundOn = false;
    Start(2);
    FindPair(1);
    EXPECT_EQ(Rig.View.TimerInterval, 1000);
    RunTimer(Game, Rig.View);
    Rig.Settings.DelayIndex = 8;
    Miss();
    EXPECT_EQ(Rig.View.TimerInterval, 5000);
    EXPECT_TRUE(Rig.View.Sounds.empty());
}

TEST_F(Turns, TheWinnerIsKnownAtOnceAndTheScoreWindowOpensAfterTheDelay)
{
    Start(2);
    for (int p = 1; p <= 5; ++p) {
        FindPair(p);
        RunTimer(Game, Rig.View);
    }
    Miss();
    RunTimer(Game, Rig.View);
    for (int p = 6; p <= 8; ++p) {
        EXPECT_EQ(Game.CurrentPlayer, 2);
        FindPair(p);
        if (p < 8)
            RunTimer(Game, Rig.View);
    }
    // The last pair: sound and winner now, board and score window later.
    EXPECT_TRUE(Game.GameOver);
    EXPECT_TRUE(Game.GameActive);
    EXPECT_EQ(Game.WinnerText, "P1");
    EXPECT_EQ(Rig.View.Label, "The winner is: \u2068P1\u2069");
    EXPECT_EQ(Rig.View.Sounds.back(), TGameSound::Pair);
    EXPECT_EQ(Rig.View.ScoreWindows, 0);

    Rig.View.Calls.clear();
    RunTimer(Game, Rig.View);
    EXPECT_EQ(Rig.View.ScoreWindows, 1);
    EXPECT_EQ(Rig.View.WinnerAtScore, "P1");
    EXPECT_FALSE(Game.GameActive);
    EXPECT_EQ(Game.Players[1].Score, 5);
    EXPECT_EQ(Game.Players[2].Score, 3);
    // Two cells for the last pair, then the whole board, then the window.
    const auto& calls = Rig.View.Calls;
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(), [](const std::string& c) { return c.rfind("draw", 0) == 0; }),
              2 + 16);
    EXPECT_EQ(calls.back(), "score");
    EXPECT_FALSE(Rig.View.TimerRunning);

    // A finished board takes no clicks.
    Game.MGridSelectCell(0, 0);
    EXPECT_EQ(Game.TurnPhase, 1);
    EXPECT_EQ(Game.CellState[0][0], CellRemoved);
}

TEST_F(Turns, EqualBestScoresAreADraw)
{
    Start(3);
    int pair = 1;
    for (int player = 1; player <= 3; ++player) {
        const int finds = player == 3 ? 2 : 3;
        for (int k = 0; k < finds; ++k) {
            ASSERT_EQ(Game.CurrentPlayer, player);
            FindPair(pair++);
            RunTimer(Game, Rig.View);
        }
        if (player < 3) {
            Miss();
            RunTimer(Game, Rig.View);
        }
    }
    EXPECT_EQ(Game.PairsFound, 8);
    EXPECT_EQ(Game.WinnerText, "No winner");
    EXPECT_TRUE(Called("label No winner"));
    EXPECT_EQ(Rig.View.ScoreWindows, 1);
}

TEST_F(Turns, StoppingAGameDropsThePendingClose)
{
    Start(2);
    FindPair(1);
    Game.StopGame();
    EXPECT_FALSE(Rig.View.TimerRunning);
    EXPECT_FALSE(Game.GameActive);
    EXPECT_TRUE(Game.GameOver);
    // Even if a stale timer fired, nothing would change.
    const CardRef first = Game.Selection[1];
    Game.close_pair();
    EXPECT_EQ(Game.CellState[first.Row][first.Col], CellFaceUp);
}

} // namespace
