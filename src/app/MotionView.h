#pragma once
// Between the game engine and the window: the view the engine talks to, which
// passes every call on to the window and, with the "motion" setting on, lets
// the cards move between two states. The engine's calls, their order and the
// model stay exactly as they are; only what the window shows of them waits:
//
// - A card turned up flips, and its GIF face starts to play once it is up. A
//   card turned back flips; a found card shrinks into the board.
// - The computer's two cards flip one after the other (ComputerPaceMs apart),
//   its first once the cards before it have settled.
// - The turn-back delay starts when the second face is fully shown, so the
//   players always have the whole delay to look.
// - The status line and the sounds of a turn wait for its faces to be shown.
//
// With the setting off every call goes straight through. Each shown status
// line is followed by OnScores (the score strip). UI thread only.

#include "app/CardAnimator.h"
#include "game/GameView.h"
#include "game/Layout.h"
#include "game/Settings.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class TGame;

class TMotionView : public QObject, public TGameView {
    Q_OBJECT
public:
    // The window and the settings must outlive this view.
    TMotionView(TGameView& window, const TSettings& settings, QObject* parent = nullptr);
    // The game whose model the cards' moves are read from; set once it exists.
    void SetGame(const TGame& game) { Game = &game; }

    TCardAnimator& Animator() { return Cards; }
    // The cell's look now, when it moves.
    std::optional<TMotionFrame> FrameFor(int col, int row) const { return Cards.FrameFor(col, row); }

    std::function<void()> OnScores;

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

private:
    struct TWaitingFace {
        std::int32_t Phase = 0;
        std::int32_t Col = 0;
        std::int32_t Row = 0;
    };
    static constexpr std::int32_t Unknown = -1;

    bool Moving() const;
    // Whether the status line and sounds wait: a face is still to be shown.
    bool Holding() const { return Cards.AnyMoving(TMotionKind::FlipUp); }
    std::int64_t RevealStart();
    void FlipEnded(int col, int row);
    // Says what waited, in order, and starts a waiting delay: the faces show.
    void Settle();
    void ReleaseHeld();
    void ShowLabel(const std::string& text);
    void Forget();

    TGameView& Window;
    const TSettings& Settings;
    const TGame* Game = nullptr;
    TCardAnimator Cards;
    // What each cell showed when it was last drawn (TCellState, or Unknown
    // after a new board: the next drawing is taken as it is).
    std::int32_t Shown[MaxRows][MaxCols] {};
    std::vector<TWaitingFace> WaitingFaces;
    std::optional<std::int32_t> WaitingTimer;
    std::vector<std::function<void()>> Held;
    std::int64_t ComputerFirstStart = 0;
};
