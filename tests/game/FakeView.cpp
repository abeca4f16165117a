#include "FakeView.h"

#include <string>

void TFakeView::DrawCard(std::int32_t col, std::int32_t row)
{
    Calls.push_back("draw " + std::to_string(col) + " " + std::to_string(row));
}

void TFakeView::ShowFaceOverlay(std::int32_t phase, std::int32_t col, std::int32_t row)
{
    Calls.push_back("overlay " + std::to_string(phase) + " " + std::to_string(col) + " " + std::to_string(row));
}

void TFakeView::HideFaceOverlays() { Calls.push_back("hide"); }

void TFakeView::SetPlayerLabel(const std::string& text)
{
    Calls.push_back("label " + text);
    Label = text;
}

void TFakeView::StartTurnTimer(std::int32_t intervalMs)
{
    Calls.push_back("timer " + std::to_string(intervalMs));
    TimerRunning = true;
    TimerInterval = intervalMs;
}

void TFakeView::StopTurnTimer()
{
    Calls.push_back("stop");
    TimerRunning = false;
}

void TFakeView::PlaySound(TGameSound sound)
{
    Calls.push_back(sound == TGameSound::Pair ? "sound pair" : "sound miss");
    Sounds.push_back(sound);
}

void TFakeView::ShowScoreWindow()
{
    Calls.push_back("score");
    ++ScoreWindows;
    if (Game)
        WinnerAtScore = Game->WinnerText;
}

void TFakeView::ApplyBoardGeometry(const TBoardGeometry& geometry)
{
    Calls.push_back("geometry");
    Geometry = geometry;
}

void TFakeView::SetAdvertisement(const TGraphic& picture, const std::string& link)
{
    Calls.push_back("ad");
    AdvertWidth = picture.Width();
    AdLink = link;
}

void TFakeView::ShowBoard() { Calls.push_back("board"); }

int RunTimer(TGame& game, TFakeView& view)
{
    int fired = 0;
    while (view.TimerRunning && fired < 10000) {
        view.TimerRunning = false;
        game.close_pair();
        ++fired;
    }
    return fired;
}

std::vector<TCell> CellsOfPair(const TGame& game, std::int32_t pair)
{
    std::vector<TCell> cells;
    for (std::int32_t r = 0; r < game.Rows; ++r)
        for (std::int32_t c = 0; c < game.Cols; ++c)
            if (game.CellPair[r][c] == pair)
                cells.push_back({c, r});
    return cells;
}

void TGameRig::Humans(int count)
{
    Settings.ComputerPlays = false;
    for (int i = 1; i <= PlayerRecords; ++i)
        Game.Players[i].Name = i <= count ? "P" + std::to_string(i) : "";
}

void TGameRig::WithComputer(int count)
{
    Settings.ComputerPlays = true;
    Game.Players[1].Name = "Computer";
    for (int i = 2; i <= PlayerRecords; ++i)
        Game.Players[i].Name = i - 1 <= count ? "H" + std::to_string(i - 1) : "";
}
