// The installed-style program, started from its runnable folder in a private
// X server with a fresh configuration: it shows its window, refuses a second
// copy, takes clicks on "options", the computer check box, "play" and two
// cards, and "exit" writes the settings.
#include "ProgramRun.h"
#include "ScreenGrab.h"

#include "app/CardsObj.h"
#include "game/Layout.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

TEST(ProgramE2e, StartsRefusesASecondCopyPlaysAndSavesOnExit)
{
    ASSERT_EQ(MissingTestPrograms(), "");
    ASSERT_TRUE(fs::exists(RunDir + "/kobalind") && fs::exists(RunDir + "/kobalind.dat"))
        << "build the program and its content first: " << RunDir;

    TXSession session;
    ASSERT_FALSE(session.Display().empty()) << "Xvfb did not start";
    const TFreshHome fresh("main");
    const TEnvironment environment = fresh.Environment(session);

    TProcess program(RunDir + "/kobalind", {}, environment);
    std::string window;
    ASSERT_TRUE(AwaitStartWindow(session, program, MainTitle, window));
    const auto geometry = session.Geometry(window);
    ASSERT_TRUE(geometry);
    EXPECT_EQ(geometry->Width, 490);
    EXPECT_EQ(geometry->Height, 450);
    EXPECT_EQ(geometry->X, (1280 - 490) / 2);
    EXPECT_EQ(geometry->Y, (1024 - 450) / 2);

    {
        TProcess second(RunDir + "/kobalind", {}, environment);
        const std::optional<int> code = second.WaitExit(5s);
        ASSERT_TRUE(code) << "a second copy kept running";
        EXPECT_EQ(*code, 0);
    }
    EXPECT_EQ(session.FindWindows(MainTitle).size(), 1u);

    // The button bar sits centred at the bottom; its areas are fixed.
    const auto [barWidth, barHeight] = SkinPictureSize(11);
    const int barLeft = geometry->X + (490 - barWidth) / 2;
    const int barTop = geometry->Y + 450 - barHeight;
    session.Click(barLeft + 428, barTop + 16); // "options"
    // The options panel at 52, 52: switch the computer off.
    session.Click(geometry->X + 52 + 239, geometry->Y + 52 + 176);
    session.Click(barLeft + 424, barTop + 46); // "play"

    // The board takes the shape the first set and 8 pairs give on this screen.
    TCardSets sets;
    BuildCardSets({RunDir + "/cards/"}, "", sets);
    ASSERT_FALSE(sets.empty());
    const auto layout = ChooseLayoutFor(8, sets[0].CardWidth, sets[0].CardHeight, 1280, 1024);
    ASSERT_TRUE(layout);
    const TBoardGeometry board =
        FitBoardFor(layout->Rows, layout->Cols, sets[0].CardWidth, sets[0].CardHeight, 1280, 1024);
    std::optional<TWindowGeometry> game;
    ASSERT_TRUE(WaitFor([&]() {
        game = session.Geometry(window);
        return game && game->Width == board.ClientWidth && game->Height == board.ClientHeight;
    }, 5s)) << "the board did not appear";

    // Two cards turn face up.
    const int cellX = game->X + board.GridLeft;
    const int cellY = game->Y + board.GridTop;
    const QImage before = GrabRegion(session, cellX, cellY, board.GridWidth, board.CellHeight);
    session.Click(cellX + board.CellWidth / 2, cellY + board.CellHeight / 2);
    session.Click(cellX + board.CellWidth + 1 + board.CellWidth / 2, cellY + board.CellHeight / 2);
    // The cards flip: their faces show a moment later.
    EXPECT_TRUE(WaitFor([&]() {
        const QImage after = GrabRegion(session, cellX, cellY, board.GridWidth, board.CellHeight);
        return DifferentPixels(before, after) > board.CellWidth * board.CellHeight / 4;
    }, 5s)) << "the cards did not turn";

    // "exit" on the bar, wherever the bar is now.
    const int exitLeft = game->X + (game->Width - barWidth) / 2;
    const int exitTop = game->Y + game->Height - barHeight;
    session.Click(exitLeft + 36, exitTop + 46);
    const std::optional<int> code = program.WaitExit(5s);
    ASSERT_TRUE(code) << "the program did not end on \"exit\"";
    EXPECT_EQ(*code, 0);

    const fs::path settings = fresh.SettingsFile();
    ASSERT_TRUE(fs::exists(settings));
    const std::string text = ReadText(settings);
    EXPECT_NE(text.find("\"Computer\"=dword:00000000"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Pairs\"=dword:00000008"), std::string::npos) << text;
}

TEST(ProgramE2e, AMissingSkinIsReportedAndNoMainWindowStays)
{
    ASSERT_EQ(MissingTestPrograms(), "");
    ASSERT_TRUE(fs::exists(RunDir + "/kobalind"));
    TXSession session;
    ASSERT_FALSE(session.Display().empty()) << "Xvfb did not start";
    // The program alone in a folder of its own: no kobalind.dat beside it.
    const TFreshHome fresh("noskin");
    const fs::path& home = fresh.Path();
    fs::copy_file(RunDir + "/kobalind", home / "kobalind");
    const TEnvironment environment = fresh.Environment(session);
    TProcess program((home / "kobalind").string(), {}, environment);
    std::string boxWindow;
    ASSERT_TRUE(AwaitStartWindow(session, program, "Error initializing application", boxWindow));
    EXPECT_TRUE(session.FindWindows(MainTitle).empty());
    // Confirming the message ends the program, as a failure.
    const auto box = session.Geometry(boxWindow);
    ASSERT_TRUE(box);
    session.Click(box->X + box->Width / 2, box->Y + box->Height / 2); // gives the box the pointer's focus
    RunCapture("DISPLAY=" + session.Display() + " xdotool key Return");
    const std::optional<int> code = program.WaitExit(5s);
    ASSERT_TRUE(code) << "the program kept running after the message";
    EXPECT_EQ(*code, 1);
    EXPECT_FALSE(fs::exists(home / "config"));
}

} // namespace
