// The secondary windows of the real program: a whole game against the
// computer, ended by the session half-way and resumed at the next start,
// ends in the score window and the record of games; a whole game between
// two players on the keyboard alone ends in the score window too; help and
// About open and close by their close spot and close button; all driven as
// a user would.
#include "ProgramRun.h"
#include "ScreenGrab.h"

#include "app/CardsObj.h"
#include "app/GameFiles.h"
#include "app/MainLayout.h"
#include "game/Layout.h"

#include "controls/LumFocus.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <functional>
#include <map>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// The popups are placed at the centre of the screen with this client size.
constexpr int PopupWidth = 395;
constexpr int PopupHeight = 259;
constexpr int ScreenWidth = 1280;
constexpr int ScreenHeight = 1024;

struct TRect {
    int Left, Top, Right, Bottom; // right and bottom outside
    bool Holds(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
};

// The popup's two close controls, in the popup's own pixels.
TRect CloseSpot() { return {378, 4, 391, 16}; }
TRect CloseButton()
{
    const auto [width, height] = SkinPictureSize(22);
    return {321, 230, 321 + width, 230 + height};
}

// A rectangle of the screen as 0xRRGGBB pixels, row by row.
std::vector<std::uint32_t> ScreenPixels(const TXSession& session, int x, int y, int width, int height)
{
    const QImage image = GrabRegion(session, x, y, width, height);
    std::vector<std::uint32_t> pixels;
    for (int row = 0; row < image.height(); ++row)
        for (int col = 0; col < image.width(); ++col)
            pixels.push_back(image.pixel(col, row) & 0xffffffu);
    return pixels;
}

// The score window's picture of the card set, a link.
TRect AdvertisementPicture() { return {200, 50, 378, 220}; }

// The program with a main window on screen, in a private server and home.
class ProgramWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(MissingTestPrograms(), "");
        ASSERT_TRUE(fs::exists(RunDir + "/kobalind") && fs::exists(RunDir + "/kobalind.dat"))
            << "build the program and its content first: " << RunDir;
        ASSERT_FALSE(Session.Display().empty()) << "Xvfb did not start";
    }

    void Start()
    {
        Program.emplace(RunDir + "/kobalind", std::vector<std::string> {}, Home.Environment(Session));
        ASSERT_TRUE(AwaitStartWindow(Session, *Program, MainTitle, MainWindow));
        Main = Session.Geometry(MainWindow);
        ASSERT_TRUE(Main);
    }

    // The popup titled so, once it is on screen.
    std::optional<TWindowGeometry> AwaitPopup(const std::string& title, std::chrono::milliseconds timeout)
    {
        std::vector<std::string> windows;
        if (!WaitFor([&]() { return !(windows = Session.FindWindows(title)).empty(); }, timeout))
            return std::nullopt;
        return Session.Geometry(windows[0]);
    }

    bool PopupGone(const std::string& title)
    {
        return WaitFor([&]() { return Session.FindWindows(title).empty(); }, 5s);
    }

    // Clicks the middle of a rectangle given in a popup's pixels.
    void ClickIn(const TWindowGeometry& popup, const TRect& rect)
    {
        Session.Click(popup.X + (rect.Left + rect.Right) / 2, popup.Y + (rect.Top + rect.Bottom) / 2);
    }

    // Opens a popup by a click, checks its place, and closes it by one of its controls.
    void OpenAndClose(const std::string& title, int x, int y, const TRect& closeControl)
    {
        Session.Click(x, y);
        const auto popup = AwaitPopup(title, 5s);
        ASSERT_TRUE(popup) << "no window titled " << title;
        EXPECT_EQ(popup->Width, PopupWidth);
        EXPECT_EQ(popup->Height, PopupHeight);
        EXPECT_EQ(popup->X, (ScreenWidth - PopupWidth) / 2);
        EXPECT_EQ(popup->Y, (ScreenHeight - PopupHeight) / 2);
        ClickIn(*popup, closeControl);
        EXPECT_TRUE(PopupGone(title)) << title << " stayed open";
        EXPECT_EQ(Session.FindWindows(MainTitle).size(), 1u);
    }

    TXSession Session;
    TFreshHome Home {"windows"};
    std::optional<TProcess> Program;
    std::string MainWindow;
    std::optional<TWindowGeometry> Main;
};

TEST_F(ProgramWindows, HelpAndAboutOpenAndCloseByTheirCloseControls)
{
    Start();
    ASSERT_FALSE(HasFatalFailure());
    const auto [exitMapWidth, exitMapHeight] = SkinPictureSize(4);
    ASSERT_GE(exitMapHeight, 16);
    // "help" on the small buttons at the top right.
    OpenAndClose("Help", Main->X + Main->Width - exitMapWidth + 12, Main->Y + 10, CloseSpot());

    // The notice picture at the foot of the window, snapped to rows 1, 4, 7, ...
    const auto [noticeWidth, noticeHeight] = SkinPictureSize(14);
    const int noticeTop = Main->Height - 90 - (Main->Height - 90) % 3 + 1;
    OpenAndClose("About", Main->X + (Main->Width - noticeWidth) / 2 + noticeWidth / 2,
                 Main->Y + noticeTop + noticeHeight / 2, CloseSpot());

    // "reg" on the button bar opens the same window; its close button shuts it.
    const auto [barWidth, barHeight] = SkinPictureSize(11);
    OpenAndClose("About", Main->X + (Main->Width - barWidth) / 2 + 37, Main->Y + Main->Height - barHeight + 16,
                 CloseButton());
}

TEST_F(ProgramWindows, AWholeGameAgainstTheBestComputerEndsInTheScoreWindow)
{
    // The computer at its strongest, 8 pairs and the shortest turn-back delay.
    Home.WriteSettings("\"Pairs\"=dword:00000008\n\"Computer\"=dword:00000001\n\"Level\"=dword:0000000a\n"
                       "\"Delay\"=dword:00000000\n\"Sound\"=dword:00000000\n");
    Start();
    ASSERT_FALSE(HasFatalFailure());
    const auto [barWidth, barHeight] = SkinPictureSize(11);
    Session.Click(Main->X + (Main->Width - barWidth) / 2 + 424, Main->Y + Main->Height - barHeight + 46); // "play"

    TCardSets sets;
    BuildCardSets({RunDir + "/cards/"}, "", sets);
    ASSERT_FALSE(sets.empty());
    const auto layout = ChooseLayoutFor(8, sets[0].CardWidth, sets[0].CardHeight, ScreenWidth, ScreenHeight);
    ASSERT_TRUE(layout);
    const TBoardGeometry board = FitBoardFor(layout->Rows, layout->Cols, sets[0].CardWidth, sets[0].CardHeight,
                                             ScreenWidth, ScreenHeight);
    std::optional<TWindowGeometry> game;
    ASSERT_TRUE(WaitFor([&]() {
        game = Session.Geometry(MainWindow);
        return game && game->Width == board.ClientWidth && game->Height == board.ClientHeight;
    }, 5s)) << "the board did not appear";

    // The score window opens over the board while the human may be clicking,
    // and a click on its close controls or its advertisement (which opens a
    // link) would spoil the test: aim each cell, where it can be, at a point
    // outside the window, else outside those three controls.
    const int popupX = (ScreenWidth - PopupWidth) / 2;
    const int popupY = (ScreenHeight - PopupHeight) / 2;
    const TRect closeButton = CloseButton();
    const TRect whole {0, 0, PopupWidth, PopupHeight};
    const std::vector<TRect> controls {closeButton, CloseSpot(), AdvertisementPicture()};
    auto outside = [&](const std::vector<TRect>& rects, int x, int y) {
        for (const TRect& rect : rects)
            if (rect.Holds(x - popupX, y - popupY))
                return false;
        return true;
    };
    std::vector<std::pair<int, int>> aims;
    for (int row = 0; row < board.Rows; ++row)
        for (int col = 0; col < board.Cols; ++col) {
            const int left = game->X + board.GridLeft + col * (board.CellWidth + 1);
            const int top = game->Y + board.GridTop + row * (board.CellHeight + 1);
            std::vector<std::pair<int, int>> candidates {{left + board.CellWidth / 2, top + board.CellHeight / 2}};
            for (int eighth : {1, 7})
                for (int other : {1, 7})
                    candidates.emplace_back(left + eighth * board.CellWidth / 8, top + other * board.CellHeight / 8);
            auto pick = [&](const std::vector<TRect>& avoid) -> std::optional<std::pair<int, int>> {
                for (const auto& [x, y] : candidates)
                    if (outside(avoid, x, y))
                        return std::pair {x, y};
                return std::nullopt;
            };
            aims.push_back(pick({whole}).value_or(pick(controls).value_or(candidates[0])));
        }

    // A few of the human's clicks, then the session ends the program: the
    // game is saved, and the next start resumes it from the status line.
    for (std::size_t i = 0; i < 6; ++i)
        Session.Click(aims[i].first, aims[i].second);
    const fs::path saved = Home.Path() / "state" / "Orvane" / "Orvane Kobalind" / "game";
    ::kill(Program->Pid(), SIGTERM);
    const std::optional<int> ended = Program->WaitExit(5s);
    ASSERT_TRUE(ended) << "the program did not end on SIGTERM";
    EXPECT_EQ(*ended, 0);
    ASSERT_TRUE(fs::exists(saved));
    Start();
    ASSERT_FALSE(HasFatalFailure());
    Session.Click(Main->X + Main->Width / 2, Main->Y + Main->Height - Label1BottomGap + 6); // "resume"
    ASSERT_TRUE(WaitFor([&]() {
        const auto resumed = Session.Geometry(MainWindow);
        return resumed && resumed->X == game->X && resumed->Y == game->Y && resumed->Width == game->Width
            && resumed->Height == game->Height;
    }, 5s)) << "the saved game was not resumed";

    // The human's turns: every cell in order, again and again; clicks on
    // face-up or removed cards and during the computer's turns are ignored.
    // The score window is looked for just before each press.
    std::optional<TWindowGeometry> score;
    const auto end = std::chrono::steady_clock::now() + 90s;
    for (std::size_t i = 0; std::chrono::steady_clock::now() < end; ++i) {
        Session.MovePointer(aims[i % aims.size()].first, aims[i % aims.size()].second);
        if ((score = AwaitPopup("Score", 0ms)))
            break;
        Session.ClickHere();
    }
    ASSERT_TRUE(score) << "the game did not end in the score window within 90 s";
    EXPECT_EQ(score->X, popupX);
    EXPECT_EQ(score->Y, popupY);
    EXPECT_EQ(score->Width, PopupWidth);
    EXPECT_EQ(score->Height, PopupHeight);
    ClickIn(*score, closeButton);
    EXPECT_TRUE(PopupGone("Score")) << "the score window stayed open";
    EXPECT_FALSE(fs::exists(saved)) << "the finished game is still saved";
    // The finished game stays on screen; "exit" at the top right ends the
    // program and keeps the settings it was started with.
    const auto finished = Session.Geometry(MainWindow);
    ASSERT_TRUE(finished);
    const auto [exitMapWidth, exitMapHeight] = SkinPictureSize(4);
    Session.Click(finished->X + finished->Width - exitMapWidth + 46, finished->Y + 10);
    const std::optional<int> code = Program->WaitExit(5s);
    ASSERT_TRUE(code) << "the program did not end on \"exit\"";
    EXPECT_EQ(*code, 0);
    const std::string text = ReadText(Home.SettingsFile());
    EXPECT_NE(text.find("\"Level\"=dword:0000000a"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Delay\"=dword:00000000"), std::string::npos) << text;
    // One game, recorded once, across both runs.
    const std::vector<TRecord> records = ReadRecords(saved.parent_path() / "records");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Pairs, 8);
    EXPECT_EQ(records[0].ComputerLevel, 10);
    EXPECT_EQ(records[0].Players.size(), 2u);
}

// Two players on the keyboard alone, as a player who remembers what they
// saw: every card turned is read off the screen, and a face seen twice is
// turned as a pair. Still faces, so a face looks the same on both its cards.
TEST_F(ProgramWindows, TwoPlayersPlayAWholeGameOnTheKeyboardAlone)
{
    // Cards that do not move: each face is read off the screen as soon as it is turned.
    Home.WriteSettings("\"Pairs\"=dword:00000008\n\"Computer\"=dword:00000000\n\"Delay\"=dword:00000000\n"
                       "\"Sound\"=dword:00000000\n\"Motion\"=dword:00000000\n\"Cards\"=\"travel.crd\"\n\"Player1\"=\"Ann\"\n"
                       "\"Player2\"=\"Bob\"\n");
    Start();
    ASSERT_FALSE(HasFatalFailure());
    Session.FocusWindow(MainWindow);

    // The focus starts on the cover's link; Tab twice reaches "play", which wears the frame.
    const auto [barWidth, barHeight] = SkinPictureSize(11);
    Session.Keys("Tab Tab");
    const int playX = Main->X + (Main->Width - barWidth) / 2 + 392;
    const int playY = Main->Y + Main->Height - barHeight + 32;
    EXPECT_TRUE(WaitFor([&]() {
        const auto play = ScreenPixels(Session, playX, playY, 4, 4);
        return !play.empty() && play[0] == (FocusColour.rgb() & 0xffffffu);
    }, 5s)) << "no focus frame on \"play\"";
    Session.Keys("Return");

    TCardSets sets;
    BuildCardSets({RunDir + "/cards/"}, "travel.crd", sets);
    const auto set = std::find_if(sets.begin(), sets.end(), [](const TCardsObj& s) {
        return s.FileName.ends_with("/travel.crd");
    });
    ASSERT_NE(set, sets.end());
    const auto layout = ChooseLayoutFor(8, set->CardWidth, set->CardHeight, ScreenWidth, ScreenHeight);
    ASSERT_TRUE(layout);
    const TBoardGeometry board =
        FitBoardFor(layout->Rows, layout->Cols, set->CardWidth, set->CardHeight, ScreenWidth, ScreenHeight);
    std::optional<TWindowGeometry> game;
    ASSERT_TRUE(WaitFor([&]() {
        game = Session.Geometry(MainWindow);
        return game && game->Width == board.ClientWidth && game->Height == board.ClientHeight;
    }, 5s)) << "the board did not appear";

    // A cell's picture inside the focus frame.
    const int inset = FocusFrameWidth + 2;
    auto cellPicture = [&](int index) {
        const int col = index % board.Cols;
        const int row = index / board.Cols;
        return ScreenPixels(Session, game->X + board.GridLeft + col * (board.CellWidth + 1) + inset,
                            game->Y + board.GridTop + row * (board.CellHeight + 1) + inset,
                            board.CellWidth - 2 * inset, board.CellHeight - 2 * inset);
    };
    // Every card starts face down: the last two cells show the same back once painted.
    const int cells = board.Rows * board.Cols;
    std::vector<std::uint32_t> back;
    ASSERT_TRUE(WaitFor([&]() {
        back = cellPicture(cells - 1);
        const bool plain = std::adjacent_find(back.begin(), back.end(), std::not_equal_to<>()) == back.end();
        return !plain && back == cellPicture(cells - 2);
    }, 5s)) << "the board did not show the cards' backs";
    int at = 0;
    auto turn = [&](int index) {
        std::string keys;
        for (; at % board.Cols < index % board.Cols; ++at)
            keys += " Right";
        for (; at % board.Cols > index % board.Cols; --at)
            keys += " Left";
        for (; at / board.Cols < index / board.Cols; at += board.Cols)
            keys += " Down";
        for (; at / board.Cols > index / board.Cols; at -= board.Cols)
            keys += " Up";
        Session.Keys(keys + " space");
        std::vector<std::uint32_t> face;
        EXPECT_TRUE(WaitFor([&]() { face = cellPicture(index);
            return !face.empty() && face != back; }, 5s)) << "cell " << index;
        return face;
    };

    std::vector<std::vector<std::uint32_t>> seen(static_cast<std::size_t>(cells)); // face-down cards whose face is known
    std::vector<bool> gone(static_cast<std::size_t>(cells), false);
    auto knownPartner = [&](int index, const std::vector<std::uint32_t>& face) {
        for (int other = 0; other < cells; ++other)
            if (other != index && !gone[other] && seen[other] == face)
                return other;
        return -1;
    };
    auto unknown = [&](int except) {
        for (int index = 0; index < cells; ++index)
            if (index != except && !gone[index] && seen[index].empty())
                return index;
        return -1;
    };
    int pairs = 0;
    for (int turnNumber = 0; pairs < 8 && turnNumber < 40; ++turnNumber) {
        int first = -1;
        int second = -1;
        for (int index = 0; index < cells && first < 0; ++index)
            if (!gone[index] && !seen[index].empty() && knownPartner(index, seen[index]) >= 0)
                first = index;
        if (first < 0)
            first = unknown(-1);
        ASSERT_GE(first, 0);
        seen[first] = turn(first);
        second = knownPartner(first, seen[first]);
        if (second < 0)
            second = unknown(first);
        ASSERT_GE(second, 0);
        seen[second] = turn(second);
        const bool pair = seen[first] == seen[second];
        // The turn closes after the delay: a pair leaves the board, a miss turns back.
        if (pair && ++pairs == 8)
            break;
        ASSERT_TRUE(WaitFor([&]() { const auto now = cellPicture(first);
            return !now.empty() && now != seen[first]; }, 5s)) << "the turn did not close";
        if (pair)
            gone[first] = gone[second] = true;
    }
    EXPECT_EQ(pairs, 8);

    std::vector<std::string> scoreWindows;
    ASSERT_TRUE(WaitFor([&]() { return !(scoreWindows = Session.FindWindows("Score")).empty(); }, 10s))
        << "the game did not end in the score window";
    Session.FocusWindow(scoreWindows[0]);
    Session.Keys("Escape");
    EXPECT_TRUE(PopupGone("Score")) << "Escape left the score window open";
    // From the board, Tab reaches the bar's "exit".
    Session.FocusWindow(MainWindow);
    Session.Keys("Tab Return");
    const std::optional<int> code = Program->WaitExit(5s);
    ASSERT_TRUE(code) << "the program did not end on \"exit\"";
    EXPECT_EQ(*code, 0);
}

} // namespace
