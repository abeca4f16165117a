#pragma once
// A view that records what the engine asks of it; tests fire the timer.

#include "game/Game.h"
#include "game/GameView.h"

#include <string>
#include <vector>

class TFakeView : public TGameView {
public:
    void DrawCard(std::int32_t col, std::int32_t row) override;
    void ShowFaceOverlay(std::int32_t phase, std::int32_t col, std::int32_t row) override;
    void HideFaceOverlays() override;
    void SetPlayerLabel(const std::string& text) override;
    void StartTurnTimer(std::int32_t intervalMs) override;
    void StopTurnTimer() override;
    void PlaySound(TGameSound sound) override;
    void ShowScoreWindow() override;
    void ApplyBoardGeometry(const TBoardGeometry& geometry) override;
    void SetAdvertisement(const TGraphic& picture, const std::string& link) override;
    void ShowBoard() override;

    std::vector<std::string> Calls; // one line per call, e.g. "draw 2 1"
    std::string Label;
    bool TimerRunning = false;
    std::int32_t TimerInterval = 0;
    std::vector<TGameSound> Sounds;
    std::int32_t ScoreWindows = 0;
    std::string WinnerAtScore; // the game's WinnerText when the score window opened
    const TGame* Game = nullptr;
    TBoardGeometry Geometry;
    std::int32_t AdvertWidth = 0;
    std::string AdLink;
};

// Fires the turn timer until it stays off; returns how often it fired.
int RunTimer(TGame& game, TFakeView& view);

// The two cells of a pair, as {col, row} each.
struct TCell {
    std::int32_t Col;
    std::int32_t Row;
};
std::vector<TCell> CellsOfPair(const TGame& game, std::int32_t pair);

// A game with a fake view, a seeded random source and a fixed clock.
struct TGameRig {
    TGameRig() { View.Game = &Game; }
    TSettings Settings;
    TFakeView View;
    std::uint32_t Clock = 1234;
    TRandom Random {1, [this] { return Clock; }};
    TGame Game {View, Settings, Random};

    // Humans only: Players 1..count named "P1".. and the computer off.
    void Humans(int count);
    // The computer and count humans named "H1"..
    void WithComputer(int count);
};
