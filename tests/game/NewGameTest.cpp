#include "FakeView.h"
#include "TestCardSet.h"
#include "game/GameError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// --- Players ---------------------------------------------------------------

struct TPlayersRow {
    const char* Case;
    bool Computer;
    std::array<const char*, 5> Names;
    int Count;
    std::array<const char*, 5> After;
};

const TPlayersRow PlayersTable[] = {
    {"computer and no names", true, {"Computer", "", "", "", ""}, 2, {"Computer", "Player", "", "", ""}},
    {"computer and four humans", true, {"Computer", "A", "B", "C", "D"}, 5, {"Computer", "A", "B", "C", "D"}},
    {"computer, gap after the first human", true, {"Computer", "A", "", "C", ""}, 2, {"Computer", "A", "", "C", ""}},
    {"no names at all", false, {"", "", "", "", ""}, 2, {"Player 1", "Player 2", "", "", ""}},
    {"only the first name", false, {"Ann", "", "", "", ""}, 2, {"Ann", "Player 2", "", "", ""}},
    {"first and fourth", false, {"Ann", "", "", "Dee", ""}, 2, {"Ann", "Player 2", "", "Dee", ""}},
    {"three in a row", false, {"Ann", "Bob", "Cy", "", ""}, 3, {"Ann", "Bob", "Cy", "", ""}},
    {"a fifth name never plays without the computer", false, {"A", "B", "C", "D", "E"}, 4, {"A", "B", "C", "D", "E"}},
    {"computer on but its record empty", true, {"", "", "", "", ""}, 2, {"Player 1", "Player 2", "", "", ""}},
};

TEST(NewGame, CountsAndNamesThePlayers)
{
    const std::string file = WriteTestCardSet("players");
    for (const TPlayersRow& row : PlayersTable) {
        SCOPED_TRACE(row.Case);
        TGameRig rig;
        rig.Settings.ComputerPlays = row.Computer;
        for (int i = 0; i < 5; ++i) {
            rig.Game.Players[i + 1].Name = row.Names[i];
            rig.Game.Players[i + 1].Score = 7;
        }
        rig.Game.NewGame1Click(file);
        EXPECT_EQ(rig.Game.PlayerCount, row.Count);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(rig.Game.Players[i + 1].Name, row.After[i]) << "record " << i + 1;
            // The computer may already have scored with its opening move.
            if (!row.Computer) {
                EXPECT_EQ(rig.Game.Players[i + 1].Score, 0);
            }
        }
    }
}

// --- A fresh game ----------------------------------------------------------

TEST(NewGame, DealsAFreshBoardFromTheSet)
{
    TTestCardSet set;
    set.Info.FaceCount = 8;
    const std::string file = WriteTestCardSet("fresh", set);
    TGameRig rig;
    rig.Humans(2);
    rig.Game.NewGame1Click(file);
    TGame& g = rig.Game;

    EXPECT_EQ(g.Rows, 4);
    EXPECT_EQ(g.Cols, 4);
    EXPECT_EQ(g.CellWidth, 120);
    EXPECT_EQ(g.CellHeight, 90);
    EXPECT_EQ(g.FaceType, 3);
    EXPECT_EQ(g.FaceCount, 8);
    EXPECT_TRUE(g.GameActive);
    EXPECT_FALSE(g.GameOver);
    EXPECT_TRUE(g.InputEnabled);
    EXPECT_EQ(g.TurnPhase, 1);
    EXPECT_EQ(g.CurrentPlayer, 1);
    EXPECT_EQ(g.PairsFound, 0);
    EXPECT_EQ(g.WinnerText, "");
    EXPECT_EQ(g.MemorySize, 16 * 3 / 13 + 1);
    ASSERT_TRUE(g.CardBack);
    EXPECT_EQ(g.CardBack->Width(), 4);
    EXPECT_EQ(rig.View.AdvertWidth, 8);
    EXPECT_EQ(rig.View.AdLink, "https://example.com/ad");
    EXPECT_EQ(rig.View.Geometry.Rows, 4);
    EXPECT_EQ(rig.View.Geometry.CellWidth, 120);
    EXPECT_EQ(rig.View.Label, "\u2068P1\u2069 (pairs: 0)");
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(g.CellState[r][c], CellFaceDown);

    // The order of the window's steps: stop, hide, clear the label, ad,
    // geometry, show the board, paint all 16 cells, then the player's line.
    const auto& calls = rig.View.Calls;
    ASSERT_GE(calls.size(), 5u);
    EXPECT_EQ(calls[0], "stop");
    EXPECT_EQ(calls[1], "hide");
    EXPECT_EQ(calls[2], "label ");
    const auto board = std::find(calls.begin(), calls.end(), "board");
    ASSERT_NE(board, calls.end());
    EXPECT_LT(std::find(calls.begin(), calls.end(), "geometry"), board);
    EXPECT_EQ(std::count_if(board, calls.end(), [](const std::string& c) { return c.rfind("draw", 0) == 0; }), 16);
    EXPECT_EQ(calls.back(), "label \u2068P1\u2069 (pairs: 0)");
}

TEST(NewGame, StillFacesAreDecodedIntoTheirSlotsAndGifFacesKeptRaw)
{
    TTestCardSet bitmaps;
    bitmaps.Info.FaceCount = 8;
    TGameRig rig;
    rig.Humans(2);
    rig.Game.NewGame1Click(WriteTestCardSet("bitmaps", bitmaps));
    for (int slot = 0; slot < 8; ++slot) {
        ASSERT_TRUE(rig.Game.FacePictures[slot]) << slot;
        EXPECT_EQ(rig.Game.FacePictures[slot]->Pixels().At(0, 0), FaceColour(slot));
    }
    EXPECT_FALSE(rig.Game.FacePictures[8]);
    EXPECT_EQ(rig.Game.FaceStreams[0].Size(), 0);

    TTestCardSet gifs;
    gifs.Info.FaceType = 1;
    rig.Game.NewGame1Click(WriteTestCardSet("gifs", gifs));
    for (int slot = 0; slot < 8; ++slot) {
        EXPECT_EQ(rig.Game.FaceStreams[slot].Data(), GifFaceBytes(slot));
        EXPECT_FALSE(rig.Game.FacePictures[slot]);
    }
    EXPECT_EQ(rig.Game.FaceStreams[8].Size(), 0);
}

TEST(NewGame, SurplusFacesAreLeftOutEvenlyAndTheRestKeepArchiveOrder)
{
    TTestCardSet set;
    set.Info.FaceCount = 10;
    const std::string file = WriteTestCardSet("surplus", set);
    TGameRig rig;
    rig.Humans(2);
    int leftOut[10] = {};
    const int games = 400;
    for (int i = 0; i < games; ++i) {
        rig.Random.Seed = static_cast<std::uint32_t>(i * 2654435761u);
        rig.Game.NewGame1Click(file);
        std::vector<int> kept;
        for (int slot = 0; slot < 8; ++slot) {
            const std::uint32_t colour = rig.Game.FacePictures[slot]->Pixels().At(0, 0);
            for (int face = 0; face < 10; ++face)
                if (FaceColour(face) == colour)
                    kept.push_back(face);
        }
        ASSERT_EQ(kept.size(), 8u);
        ASSERT_TRUE(std::is_sorted(kept.begin(), kept.end()));
        for (int face = 0; face < 10; ++face)
            leftOut[face] += std::find(kept.begin(), kept.end(), face) == kept.end();
    }
    // Each face is left out with probability 1/5: 80 of 400 on average.
    for (int face = 0; face < 10; ++face) {
        EXPECT_GT(leftOut[face], 45) << face;
        EXPECT_LT(leftOut[face], 120) << face;
    }
}

TEST(NewGame, FaceChoiceDrawsFromTheSequenceLeftOverAndTheDealFromTheClock)
{
    TTestCardSet set;
    set.Info.FaceCount = 9; // one face to leave out: one draw
    const std::string file = WriteTestCardSet("sequence", set);
    TGameRig a;
    TGameRig b;
    a.Humans(2);
    b.Humans(2);
    a.Random.Seed = 5;
    b.Random.Seed = 5;
    a.Clock = b.Clock = 777;
    a.Game.NewGame1Click(file);
    b.Game.NewGame1Click(file);
    EXPECT_EQ(0, std::memcmp(a.Game.CellPair, b.Game.CellPair, sizeof a.Game.CellPair));
    EXPECT_EQ(a.Random.Seed, b.Random.Seed);

    // Another clock gives another deal.
    b.Clock = 778;
    b.Game.NewGame1Click(file);
    EXPECT_NE(0, std::memcmp(a.Game.CellPair, b.Game.CellPair, sizeof a.Game.CellPair));
}

TEST(NewGame, PairsThatDifferShowOnePictureEachMatchByNumberAndDealAsAlikePairsDo)
{
    TTestCardSet alike;
    alike.Info.FaceCount = 10;
    TTestCardSet differ = alike;
    differ.Info.SecondFaces = true;
    TGameRig a;
    TGameRig b;
    a.Humans(2);
    b.Humans(2);
    a.Random.Seed = b.Random.Seed = 5;
    a.Game.NewGame1Click(WriteTestCardSet("alike", alike));
    b.Game.NewGame1Click(WriteTestCardSet("differ", differ));
    // The same draws: the same faces, the same board, the generator left alike.
    EXPECT_EQ(a.Game.FaceEntries, b.Game.FaceEntries);
    EXPECT_EQ(0, std::memcmp(a.Game.CellPair, b.Game.CellPair, sizeof a.Game.CellPair));
    EXPECT_EQ(a.Random.Seed, b.Random.Seed);

    TGame& g = b.Game;
    EXPECT_TRUE(g.SecondFaces);
    for (std::int32_t pair = 1; pair <= 8; ++pair) {
        const std::vector<TCell> cells = CellsOfPair(g, pair);
        const std::int32_t face = g.FaceEntries[pair - 1] - FirstFaceEntry;
        std::vector<std::uint32_t> shown, alikeShown;
        for (const TCell& cell : cells) {
            shown.push_back(g.FacePictures[g.FaceSlotAt(cell.Col, cell.Row)]->Pixels().At(0, 0));
            alikeShown.push_back(a.Game.FacePictures[a.Game.FaceSlotAt(cell.Col, cell.Row)]->Pixels().At(0, 0));
        }
        std::sort(shown.begin(), shown.end());
        EXPECT_EQ(shown, (std::vector<std::uint32_t> {FaceColour(face), FaceColour(SecondFace(face))})) << pair;
        EXPECT_EQ(alikeShown, (std::vector<std::uint32_t> {FaceColour(face), FaceColour(face)})) << pair;
    }

    // Cards of one number make a pair, whatever they show.
    for (std::int32_t pair = 1; pair <= 8; ++pair) {
        for (const TCell& cell : CellsOfPair(g, pair))
            g.MGridSelectCell(cell.Col, cell.Row);
        RunTimer(g, b.View);
    }
    EXPECT_TRUE(g.GameOver);
    EXPECT_FALSE(g.GameActive);
    EXPECT_EQ(g.Players[1].Score, 8);
    EXPECT_EQ(b.View.ScoreWindows, 1);
}

TEST(NewGame, BoardThatFitsKeepsThePictureSizeAndBigOnesShrink)
{
    TGameRig rig;
    rig.Humans(2);
    rig.Game.WorkAreaWidth = 1920;
    rig.Game.WorkAreaHeight = 1050;
    rig.Game.NewGame1Click(WriteTestCardSet("fits"));
    EXPECT_EQ(rig.Game.CellWidth, 120);
    EXPECT_EQ(rig.Game.CellHeight, 90);

    TTestCardSet big;
    big.Info.FaceCount = 60;
    rig.Settings.PairCount = 60;
    rig.Game.WorkAreaWidth = 1024;
    rig.Game.WorkAreaHeight = 738;
    rig.Game.NewGame1Click(WriteTestCardSet("sixty", big));
    EXPECT_EQ(rig.Game.Rows, 10);
    EXPECT_EQ(rig.Game.Cols, 12);
    EXPECT_EQ(rig.Game.CellWidth, 83);
    EXPECT_EQ(rig.Game.CellHeight, 62);
    EXPECT_EQ(rig.View.Geometry.PanelWidth, 83);
}

// --- Refusals ----------------------------------------------------------------

struct TRefusalRow {
    const char* Case;
    TTestCardSet Set;
    int Pairs;
    const char* Message; // part of the error's text
};

TTestCardSet With(void (*change)(TTestCardSet&))
{
    TTestCardSet set;
    change(set);
    return set;
}

const TRefusalRow RefusalTable[] = {
    {"zero width", With([](TTestCardSet& s) { s.Info.Width = 0; }), 8, "the card pictures have no size (0 x 90)"},
    {"negative height", With([](TTestCardSet& s) { s.Info.Height = -5; }), 8, "no size (120 x -5)"},
    {"fewer than eight faces", With([](TTestCardSet& s) { s.Info.FaceCount = 7; }), 8,
     "the set holds 7 faces, fewer than the 8 pairs asked for"},
    {"fewer faces than pairs", With([](TTestCardSet& s) { s.Info.FaceCount = 20; }), 24, "fewer than the 24 pairs"},
    {"no layout for the count", With([](TTestCardSet& s) { s.Info.FaceCount = 30; }), 13,
     "no board layout holds 13 pairs"},
    {"no layout for zero pairs", TTestCardSet {}, 0, "no board layout holds 0 pairs"},
    {"record claims more faces than the archive has", With([](TTestCardSet& s) {
         s.Info.FaceCount = 2000000000;
         s.FaceEntries = 10;
     }),
     8, "the set claims 2000000000 faces but holds only 10"},
    {"card back is not a bitmap", With([](TTestCardSet& s) { s.BrokenCardBack = true; }), 8,
     "the card back: Bitmap image is not valid"},
    {"a face is not a bitmap", With([](TTestCardSet& s) { s.BrokenFace = 4; }), 8,
     "face 5 (entry 7): Bitmap image is not valid"},
    {"a JPEG face is not a JPEG", With([](TTestCardSet& s) { s.Info.FaceType = 2; }), 8, "face 1 (entry 3): JPEG"},
    {"second pictures missing", With([](TTestCardSet& s) {
         s.Info.SecondFaces = true;
         s.Info.FaceCount = 12;
         s.FaceEntries = 10;
     }),
     8, "the set claims a second picture for each of its 12 faces but holds only 20 pictures in all"},
    {"a second picture is not a bitmap", With([](TTestCardSet& s) {
         s.Info.SecondFaces = true;
         s.BrokenFace = 8 + 2;
     }),
     8, "face 3's second picture (entry 13): Bitmap image is not valid"},
};

// What a failed deal must not touch.
struct TSnapshot {
    explicit TSnapshot(const TGame& g)
        : Rows(g.Rows), Cols(g.Cols), CellWidth(g.CellWidth), FaceCount(g.FaceCount), FaceType(g.FaceType),
          TurnPhase(g.TurnPhase), PlayerCount(g.PlayerCount), GameActive(g.GameActive),
          InputEnabled(g.InputEnabled), FirstFace(g.FacePictures[0].get()), Back(g.CardBack.get())
    {
        std::memcpy(Pairs, g.CellPair, sizeof Pairs);
        std::memcpy(States, g.CellState, sizeof States);
        for (int i = 1; i <= 5; ++i)
            Names.push_back(g.Players[i].Name);
    }
    bool operator==(const TSnapshot&) const = default;
    std::int32_t Rows, Cols, CellWidth, FaceCount, FaceType, TurnPhase, PlayerCount;
    bool GameActive, InputEnabled;
    const TGraphic* FirstFace;
    const TGraphic* Back;
    std::int32_t Pairs[MaxRows][MaxCols];
    std::int32_t States[MaxRows][MaxCols];
    std::vector<std::string> Names;
};

TEST(NewGame, BadSetsAreRefusedWithAReasonAndTheGameGoesOn)
{
    const std::string good = WriteTestCardSet("good");
    int n = 0;
    for (const TRefusalRow& row : RefusalTable) {
        SCOPED_TRACE(row.Case);
        TGameRig rig;
        rig.Humans(3);
        rig.Game.NewGame1Click(good);
        rig.Game.MGridSelectCell(0, 0); // a game in progress, one card up
        const TSnapshot before(rig.Game);
        const std::size_t calls = rig.View.Calls.size();

        rig.Settings.PairCount = row.Pairs;
        const std::string bad = WriteTestCardSet("bad" + std::to_string(n++), row.Set);
        try {
            rig.Game.NewGame1Click(bad);
            ADD_FAILURE() << "not refused";
        } catch (const EGameError& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind(bad + ": ", 0), 0u) << message;
            EXPECT_NE(message.find(row.Message), std::string::npos) << message;
        }
        EXPECT_TRUE(TSnapshot(rig.Game) == before);
        EXPECT_EQ(rig.View.Calls.size(), calls) << "the view was touched";

        // The game in progress still plays on.
        rig.Game.MGridSelectCell(1, 0);
        EXPECT_EQ(rig.Game.TurnPhase, 3);
    }
}

TEST(NewGame, MissingOrEmptyFilesAreRefused)
{
    TGameRig rig;
    rig.Humans(2);
    EXPECT_THROW(rig.Game.NewGame1Click(testing::TempDir() + "/no-such-set.crd"), EGameError);
    const std::string empty = testing::TempDir() + "/empty.crd";
    std::fclose(std::fopen(empty.c_str(), "wb"));
    try {
        rig.Game.NewGame1Click(empty);
        ADD_FAILURE() << "not refused";
    } catch (const EGameError& e) {
        EXPECT_NE(std::string(e.what()).find("out of range"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(rig.Game.GameActive);
    EXPECT_TRUE(rig.View.Calls.empty());
}

} // namespace
