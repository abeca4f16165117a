// The files a game leaves between runs: a saved game survives a kill while
// it is written, and records are appended to whatever the file held.
#include "Support/TestSkin.h"

#include "app/GameFiles.h"
#include "game/CardSetInfo.h"
#include "platform/KillWhileWriting.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {

// A writer killed at random moments leaves a whole game: an earlier save or
// a later one, never a torn file.
TEST(GameFiles, AKillWhileSavingLeavesTheOldOrTheNewGame)
{
    const fs::path file = FreshTestFolder() / "game";
    TSavedGame game;
    game.CardSet = "test.crd";
    game.PairCount = 8;
    game.Rows = game.Cols = 4;
    for (std::int32_t i = 0; i < 16; ++i) {
        game.CellPair.push_back(i % 8 + 1);
        game.CellState.push_back(CellFaceDown);
    }
    for (std::int32_t k = 0; k < 8; ++k)
        game.FaceEntries.push_back(FirstFaceEntry + k);
    game.PlayerCount = 2;
    game.InputEnabled = true;
    game.MemorySize = MemorySizeFor(4, 4, 0);
    game.ComputerMemory.resize(static_cast<std::size_t>(game.MemorySize));
    const auto save = [&](std::int32_t i) {
        game.Moves = game.ElapsedSeconds = game.Players[1].Moves = i;
        game.Players[1].Name.assign(static_cast<std::size_t>(i % 200), 'n');
        try {
            WriteSavedGame(file, game);
        } catch (...) {
            return false;
        }
        return true;
    };
    KillWhileWriting(save, [&]() {
        const TSavedGameFound found = ReadSavedGame(file);
        ASSERT_TRUE(found.Game) << found.Problem;
        EXPECT_GE(found.Game->Moves, 1);
        EXPECT_EQ(found.Game->ElapsedSeconds, found.Game->Moves);
        EXPECT_EQ(found.Game->Players[1].Name.size(), static_cast<std::size_t>(found.Game->Moves % 200));
    });
}

TEST(GameFiles, RecordsAppendToTheFileAndAnUnreadableOneGivesNone)
{
    const fs::path file = FreshTestFolder() / "state" / "records";
    EXPECT_TRUE(ReadRecords(file).empty());
    TRecord record;
    record.Date = RecordDate(0);
    record.CardSet = "test.crd";
    record.Pairs = 8;
    record.Players = {{"Ann", 5}, {"Bob", 3}};
    record.Winner = 1;
    AppendRecordTo(file, record);
    std::ofstream(file, std::ios::app) << "torn li";
    AppendRecordTo(file, record);
    EXPECT_EQ(ReadRecords(file), (std::vector<TRecord> {record, record}));
}

} // namespace
