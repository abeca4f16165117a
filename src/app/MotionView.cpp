#include "app/MotionView.h"

#include "game/Game.h"

#include <algorithm>

TMotionView::TMotionView(TGameView& window, const TSettings& settings, QObject* parent)
    : QObject(parent), Window(window), Settings(settings), Cards(this)
{
    Forget();
    Cards.OnFinished = [this](int col, int row, TMotionKind kind) {
        if (kind == TMotionKind::FlipUp)
            FlipEnded(col, row);
    };
}

bool TMotionView::Moving() const
{
    return Settings.MotionOn && Game && Game->GameActive;
}

void TMotionView::Forget()
{
    Cards.Clear();
    WaitingFaces.clear();
    for (auto& row : Shown)
        std::fill(std::begin(row), std::end(row), Unknown);
}

std::int64_t TMotionView::RevealStart()
{
    const std::int64_t now = Cards.Now();
    // The engine turns the computer's cards with input off; a player's never.
    const bool computer = Settings.ComputerPlays && Game->CurrentPlayer == 1 && !Game->InputEnabled;
    if (!computer)
        return now;
    if (Game->TurnPhase == 1) {
        // Its first card waits for the last turn's cards to settle.
        ComputerFirstStart = Cards.EndOfAll();
        return ComputerFirstStart;
    }
    return std::max(now, ComputerFirstStart + ComputerPaceMs);
}

void TMotionView::DrawCard(std::int32_t col, std::int32_t row)
{
    const bool onBoard = col >= 0 && col < MaxCols && row >= 0 && row < MaxRows && Game;
    if (onBoard) {
        const std::int32_t was = Shown[row][col];
        const std::int32_t now = Game->CellState[row][col];
        if (!Game->GameActive) {
            Settle();
            Forget(); // the finished board shows every face at once
        }
        Shown[row][col] = now;
        if (Moving() && was == CellFaceDown && now == CellFaceUp)
            Cards.Start(col, row, TMotionKind::FlipUp, RevealStart());
        else if (Moving() && was == CellFaceUp && now == CellFaceDown)
            Cards.Start(col, row, TMotionKind::FlipDown, Cards.Now());
        else if (Moving() && was == CellFaceUp && now == CellRemoved)
            Cards.Start(col, row, TMotionKind::Exit, Cards.Now());
    }
    Window.DrawCard(col, row);
}

void TMotionView::ShowFaceOverlay(std::int32_t phase, std::int32_t col, std::int32_t row)
{
    // The engine shows the face before it draws the cell: a card still drawn
    // face down is about to flip, and its face plays once it is up.
    const bool aboutToFlip = Moving() && col >= 0 && col < MaxCols && row >= 0 && row < MaxRows
                             && Shown[row][col] == CellFaceDown && Game->CellState[row][col] == CellFaceUp;
    if (aboutToFlip)
        WaitingFaces.push_back({phase, col, row});
    else
        Window.ShowFaceOverlay(phase, col, row);
}

void TMotionView::FlipEnded(int col, int row)
{
    for (auto it = WaitingFaces.begin(); it != WaitingFaces.end();) {
        if (it->Col == col && it->Row == row) {
            const TWaitingFace face = *it;
            it = WaitingFaces.erase(it);
            Window.ShowFaceOverlay(face.Phase, face.Col, face.Row);
        } else {
            ++it;
        }
    }
    if (!Holding())
        Settle();
}

void TMotionView::Settle()
{
    ReleaseHeld();
    if (WaitingTimer) {
        const std::int32_t interval = *WaitingTimer;
        WaitingTimer.reset();
        Window.StartTurnTimer(interval);
    }
}

void TMotionView::ReleaseHeld()
{
    std::vector<std::function<void()>> held;
    held.swap(Held);
    for (const auto& call : held)
        call();
}

void TMotionView::HideFaceOverlays()
{
    WaitingFaces.clear();
    if (Game && !Game->GameActive) {
        Cards.Clear(); // the game stopped: nothing is left to move
        Settle();
    }
    Window.HideFaceOverlays();
}

void TMotionView::ShowLabel(const std::string& text)
{
    Window.SetPlayerLabel(text);
    if (OnScores)
        OnScores();
}

void TMotionView::SetPlayerLabel(const std::string& text)
{
    if (Holding())
        Held.push_back([this, text]() { ShowLabel(text); });
    else
        ShowLabel(text);
}

void TMotionView::PlaySound(TGameSound sound)
{
    if (Holding())
        Held.push_back([this, sound]() { Window.PlaySound(sound); });
    else
        Window.PlaySound(sound);
}

void TMotionView::StartTurnTimer(std::int32_t intervalMs)
{
    // The delay is the players' time to look at both faces: it starts once they show.
    if (Holding())
        WaitingTimer = intervalMs;
    else
        Window.StartTurnTimer(intervalMs);
}

void TMotionView::StopTurnTimer()
{
    // The game stops or starts anew: what waited is said now, before anything newer.
    ReleaseHeld();
    WaitingTimer.reset();
    Window.StopTurnTimer();
}

void TMotionView::ShowScoreWindow()
{
    ReleaseHeld();
    Window.ShowScoreWindow();
}

void TMotionView::ApplyBoardGeometry(const TBoardGeometry& geometry)
{
    ReleaseHeld();
    WaitingTimer.reset();
    Forget();
    Window.ApplyBoardGeometry(geometry);
}

void TMotionView::SetAdvertisement(const TGraphic& picture, const std::string& link)
{
    Window.SetAdvertisement(picture, link);
}

void TMotionView::ShowBoard()
{
    Window.ShowBoard();
}
