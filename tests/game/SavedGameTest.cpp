// A game saved at any point of a turn comes back as the same model; a
// damaged file is refused with a message and never half restored.
#include "FakeView.h"
#include "TestCardSet.h"
#include "game/CardSetLoader.h"
#include "game/GameError.h"
#include "game/SavedGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

void Click(TGame& game, const TCell& cell) { game.MGridSelectCell(cell.Col, cell.Row); }

// The first face-down cell of pair, or of any pair other than notPair.
TCell FaceDownCell(const TGame& game, std::int32_t notPair)
{
    for (std::int32_t r = 0; r < game.Rows; ++r)
        for (std::int32_t c = 0; c < game.Cols; ++c)
            if (game.CellState[r][c] == CellFaceDown && game.CellPair[r][c] != notPair)
                return {c, r};
    ADD_FAILURE() << "no face-down cell";
    return {0, 0};
}

void ExpectSameModel(const TGame& a, const TGame& b)
{
    EXPECT_EQ(a.Rows, b.Rows);
    EXPECT_EQ(a.Cols, b.Cols);
    for (std::int32_t r = 0; r < MaxRows; ++r)
        for (std::int32_t c = 0; c < MaxCols; ++c)
            if (r < a.Rows && c < a.Cols) {
                EXPECT_EQ(a.CellPair[r][c], b.CellPair[r][c]) << r << "," << c;
                EXPECT_EQ(a.CellState[r][c], b.CellState[r][c]) << r << "," << c;
                EXPECT_EQ(a.CellSide[r][c], b.CellSide[r][c]) << r << "," << c;
            }
    EXPECT_EQ(a.CellWidth, b.CellWidth);
    EXPECT_EQ(a.CellHeight, b.CellHeight);
    EXPECT_EQ(a.FaceType, b.FaceType);
    EXPECT_EQ(a.FaceCount, b.FaceCount);
    EXPECT_EQ(a.FaceEntries, b.FaceEntries);
    EXPECT_EQ(a.SecondFaces, b.SecondFaces);
    for (std::size_t k = 0; k < AllFaceSlots; ++k) {
        EXPECT_EQ(a.FaceStreams[k].Data(), b.FaceStreams[k].Data()) << "face " << k;
        ASSERT_EQ(a.FacePictures[k] == nullptr, b.FacePictures[k] == nullptr) << "face " << k;
        if (a.FacePictures[k]) {
            EXPECT_EQ(a.FacePictures[k]->Pixels().Pixels, b.FacePictures[k]->Pixels().Pixels) << "face " << k;
        }
    }
    EXPECT_EQ(a.CardBack->Pixels().Pixels, b.CardBack->Pixels().Pixels);
    EXPECT_EQ(a.CardSetFile, b.CardSetFile);
    EXPECT_EQ(a.CardSetDigest, b.CardSetDigest);
    for (std::int32_t i = 1; i <= PlayerRecords; ++i)
        EXPECT_EQ(a.Players[i], b.Players[i]) << "player " << i;
    EXPECT_EQ(a.PlayerCount, b.PlayerCount);
    EXPECT_EQ(a.CurrentPlayer, b.CurrentPlayer);
    EXPECT_EQ(a.TurnPhase, b.TurnPhase);
    EXPECT_EQ(a.Selection[1], b.Selection[1]);
    EXPECT_EQ(a.Selection[2], b.Selection[2]);
    EXPECT_EQ(a.PairsFound, b.PairsFound);
    EXPECT_EQ(a.GameActive, b.GameActive);
    EXPECT_EQ(a.GameOver, b.GameOver);
    EXPECT_EQ(a.InputEnabled, b.InputEnabled);
    EXPECT_EQ(a.WinnerText, b.WinnerText);
    EXPECT_EQ(a.Winner, b.Winner);
    EXPECT_EQ(a.PairMatched, b.PairMatched);
    EXPECT_EQ(a.Moves, b.Moves);
    EXPECT_EQ(a.ComputerMemory, b.ComputerMemory);
    EXPECT_EQ(a.MemorySize, b.MemorySize);
    EXPECT_EQ(a.ComputerStreak, b.ComputerStreak);
}

struct TStopRow {
    const char* Case;
    std::int32_t FaceType;
    bool Computer;
    // Plays the game on to where it is saved.
    std::function<void(TGameRig&)> Play;
    bool SecondFaces = false;
};

// One pair found by player 1, then a miss: player 2 has the move.
void PairThenMiss(TGameRig& rig)
{
    const std::vector<TCell> pair = CellsOfPair(rig.Game, 1);
    Click(rig.Game, pair[0]);
    Click(rig.Game, pair[1]);
    RunTimer(rig.Game, rig.View);
    const TCell first = FaceDownCell(rig.Game, 0);
    Click(rig.Game, first);
    Click(rig.Game, FaceDownCell(rig.Game, rig.Game.CellPair[first.Row][first.Col]));
    RunTimer(rig.Game, rig.View);
}

const TStopRow StopTable[] = {
    {"between turns", 3, false, PairThenMiss},
    {"one card up", 3, false, [](TGameRig& rig) {
         PairThenMiss(rig);
         Click(rig.Game, FaceDownCell(rig.Game, 0));
     }},
    {"the delay after a miss running", 3, false, [](TGameRig& rig) {
         PairThenMiss(rig);
         const TCell first = FaceDownCell(rig.Game, 0);
         Click(rig.Game, first);
         Click(rig.Game, FaceDownCell(rig.Game, rig.Game.CellPair[first.Row][first.Col]));
     }},
    {"the delay after a pair running", 3, false, [](TGameRig& rig) {
         const std::vector<TCell> pair = CellsOfPair(rig.Game, 2);
         Click(rig.Game, pair[0]);
         Click(rig.Game, pair[1]);
     }},
    {"GIF faces, one card up", 1, false, [](TGameRig& rig) { Click(rig.Game, FaceDownCell(rig.Game, 0)); }},
    {"pairs that differ, the delay after a miss running", 1, false, [](TGameRig& rig) {
         const TCell first = FaceDownCell(rig.Game, 0);
         Click(rig.Game, first);
         Click(rig.Game, FaceDownCell(rig.Game, rig.Game.CellPair[first.Row][first.Col]));
     }, true},
    {"the computer's delay running", 3, true, [](TGameRig&) {}},
    {"the computer after some turns", 1, true, [](TGameRig& rig) {
         for (int turn = 0; turn < 3 && !rig.Game.GameOver; ++turn) {
             RunTimer(rig.Game, rig.View);
             if (rig.Game.CurrentPlayer != 1) {
                 const TCell first = FaceDownCell(rig.Game, 0);
                 Click(rig.Game, first);
                 Click(rig.Game, FaceDownCell(rig.Game, rig.Game.CellPair[first.Row][first.Col]));
             }
         }
     }},
};

TEST(SavedGame, AGameSavedAtAnyPointOfATurnResumesAsTheSameModel)
{
    for (const TStopRow& row : StopTable) {
        SCOPED_TRACE(row.Case);
        TTestCardSet set;
        set.Info.FaceType = row.FaceType;
        set.Info.FaceCount = 12;
        set.Info.SecondFaces = row.SecondFaces;
        const std::string file =
            WriteTestCardSet("saved" + std::to_string(row.FaceType) + (row.SecondFaces ? "d" : ""), set);
        TGameRig played;
        if (row.Computer) {
            played.WithComputer(1);
            played.Settings.ComputerLevel = 10;
        } else {
            played.Humans(3);
        }
        played.Settings.DelayIndex = 5;
        played.Game.NewGame1Click(file);
        row.Play(played);
        ASSERT_TRUE(played.Game.GameActive && !played.Game.GameOver);

        const TSavedGame saved = CaptureGame(played.Game, played.Settings, 77);
        const TSavedGame parsed = ParseSavedGame(FormatSavedGame(saved));
        EXPECT_EQ(parsed, saved);

        TGameRig resumed;
        resumed.Game.ResumeGame(
            parsed, LoadCardSet(file, parsed.FaceEntries, resumed.Game.WorkAreaWidth, resumed.Game.WorkAreaHeight),
            file);
        ExpectSameModel(played.Game, resumed.Game);
        EXPECT_EQ(resumed.View.Label, played.View.Label); // after a miss, the player who missed until the delay ends
        EXPECT_EQ(resumed.Settings.PairCount, played.Settings.PairCount);
        EXPECT_EQ(resumed.Settings.ComputerPlays, played.Settings.ComputerPlays);
        EXPECT_EQ(resumed.Settings.ComputerLevel, played.Settings.ComputerLevel);
        EXPECT_EQ(resumed.Settings.DelayIndex, 5);

        // The turn goes on where it stopped: a running delay runs again,
        // a GIF face turned up shows in its overlay.
        EXPECT_EQ(resumed.View.TimerRunning, played.Game.TurnPhase == 3);
        if (played.Game.TurnPhase == 3) {
            EXPECT_EQ(resumed.View.TimerInterval, 1000 + 500 * 5);
        }
        const CardRef& up = played.Game.Selection[1];
        const std::string overlay = "overlay 1 " + std::to_string(up.Col) + " " + std::to_string(up.Row);
        EXPECT_EQ(std::count(resumed.View.Calls.begin(), resumed.View.Calls.end(), overlay),
                  row.FaceType == 1 && played.Game.TurnPhase >= 2 ? 1 : 0);
        // Each card shows the picture it showed before the save.
        for (const CardRef& card : {played.Game.Selection[1], played.Game.Selection[2]})
            if (card.Pair) {
                EXPECT_EQ(resumed.Game.FaceSlotAt(card.Col, card.Row), played.Game.FaceSlotAt(card.Col, card.Row));
            }
    }
}

TEST(SavedGame, AFileCutShortOrLongerIsRefused)
{
    TGameRig rig;
    rig.Humans(2);
    rig.Game.NewGame1Click(WriteTestCardSet("cut"));
    const std::string bytes = FormatSavedGame(CaptureGame(rig.Game, rig.Settings, 0));
    for (std::size_t size = 0; size < bytes.size(); ++size)
        EXPECT_THROW(ParseSavedGame(bytes.substr(0, size)), EGameError) << size;
    EXPECT_THROW(ParseSavedGame(bytes + '\0'), EGameError);
    EXPECT_NO_THROW(ParseSavedGame(bytes));
}

struct TDamageRow {
    const char* Case;
    std::function<void(TSavedGame&)> Damage;
    const char* Message;
};

const TDamageRow DamageTable[] = {
    {"a folder in the set's name", [](TSavedGame& g) { g.CardSet = "../x.crd"; }, "is not a file name"},
    {"a pair count not offered", [](TSavedGame& g) {
         g.PairCount = 9;
         g.FaceEntries.push_back(11);
     }, "9 is not a pair count"},
    {"more rows than a board has", [](TSavedGame& g) { g.Rows = 16; }, "rows 16 is outside 1 to 15"},
    {"a face too few", [](TSavedGame& g) { g.FaceEntries.pop_back(); }, "not one for every pair"},
    {"a face entry before the faces", [](TSavedGame& g) { g.FaceEntries[0] = 2; }, "a face entry before the faces"},
    {"a pair three times", [](TSavedGame& g) { g.CellPair[0] = g.CellPair[1] = g.CellPair[2] = 1; }, "are not 8 pairs"},
    {"a cell state of 3", [](TSavedGame& g) { g.CellState[0] = 3; }, "a cell's state 3 is outside"},
    {"a card's picture of 2", [](TSavedGame& g) { g.CellSide[0] = 2; }, "a card's picture 2 is outside 0 to 1"},
    {"a pair showing its first picture twice", [](TSavedGame& g) {
         for (std::size_t i = 0; i < g.CellPair.size(); ++i)
             if (g.CellPair[i] == 1)
                 g.CellSide[i] = 0;
     }, "do not show one picture each"},
    {"half a pair removed", [](TSavedGame& g) { g.CellState[0] = CellRemoved; }, "half of a pair"},
    {"a score nobody made", [](TSavedGame& g) { g.Players[2].Score = 1; }, "do not add up"},
    {"pairs found past any board", [](TSavedGame& g) { g.PairsFound = 1 << 30; }, "the pairs found 1073741824"},
    {"a negative score", [](TSavedGame& g) { g.Players[1].Score = -1; }, "a score -1 is outside 0 to 60"},
    {"a face-up card outside the turn", [](TSavedGame& g) { g.CellState[3] = CellFaceUp; }, "not the turn's"},
    {"a current player who does not play", [](TSavedGame& g) { g.CurrentPlayer = 3; }, "the current player 3"},
    {"a name too long", [](TSavedGame& g) { g.Players[1].Name.assign(256, 'n'); }, "a player's name 256"},
    {"a memory of another level", [](TSavedGame& g) { g.ComputerLevel = 10; }, "does not fit its level"},
    {"a remembered card not on the board", [](TSavedGame& g) { g.ComputerMemory[0] = {1, 9, 0}; }, "remembered card"},
    {"moves of a player who does not play", [](TSavedGame& g) {
         g.Moves = 1;
         g.Players[3].Moves = 1;
     }, "a player's moves 1 is outside 0 to 0"},
    {"players' moves beyond the game's", [](TSavedGame& g) {
         g.Moves = 1;
         g.Players[1].Moves = g.Players[2].Moves = 1;
     }, "add up to more than the game's"},
    {"a remembered card of a removed pair", [](TSavedGame& g) {
         for (std::size_t i = 0; i < g.CellPair.size(); ++i)
             if (g.CellPair[i] == 1) {
                 const auto cell = static_cast<std::int32_t>(i);
                 g.CellState[i] = CellRemoved;
                 g.ComputerMemory[0] = {1, cell % g.Cols, cell / g.Cols};
             }
         g.PairsFound = 1;
         g.Players[1].Score = 1;
     }, "a pair already found"},
    {"clicks shut out in a human's turn", [](TSavedGame& g) { g.InputEnabled = false; }, "cannot click"},
    {"the computer's turn after one card", [](TSavedGame& g) {
         g.ComputerPlays = true;
         g.TurnPhase = 2;
         g.Selection[1] = {g.CellPair[0], 0, 0};
         g.CellState[0] = CellFaceUp;
     }, "after one card"},
    {"a score beyond the player count", [](TSavedGame& g) {
         g.Players[3].Score = 1; // the record that would win
         g.PairsFound = 1;
         for (std::size_t i = 0; i < g.CellPair.size(); ++i)
             if (g.CellPair[i] == 1)
                 g.CellState[i] = CellRemoved;
     }, "a player who does not play"},
};

TEST(SavedGame, ADamagedGameIsRefusedWithItsReason)
{
    TGameRig rig;
    rig.Humans(2);
    rig.Game.NewGame1Click(WriteTestCardSet("damage"));
    const TSavedGame whole = CaptureGame(rig.Game, rig.Settings, 0);
    for (const TDamageRow& row : DamageTable) {
        TSavedGame damaged = whole;
        row.Damage(damaged);
        try {
            ParseSavedGame(FormatSavedGame(damaged));
            ADD_FAILURE() << row.Case << ": accepted";
        } catch (const EGameError& e) {
            EXPECT_NE(std::string(e.what()).find(row.Message), std::string::npos) << row.Case << ": " << e.what();
        }
    }
    std::string other = FormatSavedGame(whole);
    other[8] = 4; // a later version
    EXPECT_THROW(ParseSavedGame(other), EGameError);
    // Versions 1 and 2 end before the cards' pictures, and version 1 before
    // the players' own moves too: moves start from 0, the earlier card of a
    // pair shows the first picture, and the game saves and reads again as it is.
    TSavedGame older = whole;
    older.Moves = 3;
    std::vector<bool> met(older.PairCount + 1);
    for (std::size_t i = 0; i < older.CellPair.size(); ++i) {
        older.CellSide[i] = met[older.CellPair[i]];
        met[older.CellPair[i]] = true;
    }
    const std::string third = FormatSavedGame(older);
    std::string second = third.substr(0, third.size() - 4 * older.CellSide.size());
    second[8] = 2;
    EXPECT_EQ(ParseSavedGame(second), older);
    std::string first = second.substr(0, second.size() - 4 * PlayerRecords);
    first[8] = 1;
    EXPECT_EQ(ParseSavedGame(first), older);
    EXPECT_EQ(ParseSavedGame(FormatSavedGame(ParseSavedGame(first))), older);
    other[0] = 'X';
    EXPECT_THROW(ParseSavedGame(other), EGameError);
}

TEST(SavedGame, TheSetsDigestChangesWithItsBytes)
{
    const std::string file = WriteTestCardSet("digest");
    const std::string before = CardSetDigest(file);
    EXPECT_EQ(CardSetDigest(file), before);
    TTestCardSet other;
    other.Info.Name = "Another name";
    WriteTestCardSet("digest", other);
    EXPECT_NE(CardSetDigest(file), before);
    EXPECT_THROW(CardSetDigest(file + ".gone"), EGameError);
}

} // namespace
