// The files a game leaves between runs: a saved game survives a kill while
// it is written, records are appended to whatever the file held, and a file
// that is not a regular one is refused without stopping start-up.
#include "PrivateFolders.h"
#include "Support/TestSkin.h"

#include "app/GameFiles.h"
#include "app/MainF.h"
#include "app/StatusLine.h"
#include "game/CardSetInfo.h"
#include "platform/FifoAt.h"
#include "platform/KeyStore.h"
#include "platform/KillWhileWriting.h"
#include "platform/PlatformError.h"
#include "platform/UserFolders.h"
#include "resources/LumRes.h"

#include <QCoreApplication>

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
        game.CellSide.push_back(i >= 8);
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
            (void)WriteSavedGame(file, game);
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
    EXPECT_TRUE(AppendRecordTo(file, record).Durable);
    std::ofstream(file, std::ios::app) << "torn li";
    EXPECT_TRUE(AppendRecordTo(file, record).Durable);
    EXPECT_EQ(ReadRecords(file), (std::vector<TRecord> {record, record}));
}

// Opening a FIFO the usual way waits for a writer, and start-up with it.
TEST(GameFiles, AFifoInAFilesPlaceIsRefusedWithoutWaitingAndStartUpGoesOn)
{
    const fs::path folder = FreshTestFolder();
    UsePrivateFolders(folder);
    WriteTestSkin(folder);
    WriteTestSet(folder, {});
    const TFifoAt settings(TKeyStore::ForCurrentUser().KeyFilePath("Software\\Orvane\\Orvane Kobalind"));
    const TFifoAt game(SavedGameFile());
    const TFifoAt records(RecordsFile());
    std::vector<std::string> messages;
    {
        TLumResFileReader skin((folder / "kobalind.dat").string());
        TMainForm form(skin, folder.string() + "/", TWorkArea {0, 0, 1024, 738});
        form.OnMessage = [&messages](const std::string& text) { messages.push_back(text); };
        QCoreApplication::processEvents();
        EXPECT_EQ(form.Label1->text(), QStringLiteral("Welcome"));
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("Not a regular file"), std::string::npos) << messages[0];
    EXPECT_TRUE(ReadRecords(RecordsFile()).empty());
    EXPECT_THROW((void)AppendRecordTo(RecordsFile(), TRecord {}), EPlatformError);
    EXPECT_FALSE(settings.Blocked() || game.Blocked() || records.Blocked()) << "a reader waited for a writer";
}

} // namespace
