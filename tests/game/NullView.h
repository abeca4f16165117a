#pragma once
// A view that ignores everything the engine asks of it, for code that needs
// a game but not its window.

#include "game/GameView.h"

class TNullView : public TGameView {
public:
    void DrawCard(std::int32_t, std::int32_t) override {}
    void ShowFaceOverlay(std::int32_t, std::int32_t, std::int32_t) override {}
    void HideFaceOverlays() override {}
    void SetPlayerLabel(const std::string&) override {}
    void StartTurnTimer(std::int32_t) override {}
    void StopTurnTimer() override {}
    void PlaySound(TGameSound) override {}
    void ShowScoreWindow() override {}
    void ApplyBoardGeometry(const TBoardGeometry&) override {}
    void SetAdvertisement(const TGraphic&, const std::string&) override {}
    void ShowBoard() override {}
};
