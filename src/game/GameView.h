#pragma once
// What the game engine needs of its window. The engine calls these on the UI
// thread; the view paints from the engine's public model when asked and
// never changes the model itself.

#include "resources/Graphic.h"

#include <cstdint>
#include <string>

// Where the board and its two face-up overlay panels go, and the client size
// the main window takes for it.
struct TBoardGeometry {
    std::int32_t GridLeft = 0;
    std::int32_t GridTop = 0;
    std::int32_t GridWidth = 0;  // Cols * (CellWidth + 1)
    std::int32_t GridHeight = 0; // Rows * (CellHeight + 1)
    std::int32_t Rows = 0;
    std::int32_t Cols = 0;
    std::int32_t CellWidth = 0;  // default column width
    std::int32_t CellHeight = 0; // default row height
    std::int32_t PanelWidth = 0; // both overlay panels
    std::int32_t PanelHeight = 0;
    std::int32_t ClientWidth = 0;
    std::int32_t ClientHeight = 0;
};

enum class TGameSound { Pair, Miss };

class TGameView {
public:
    virtual ~TGameView() = default;

    // Paints one cell from the model (nothing while the board is hidden).
    virtual void DrawCard(std::int32_t col, std::int32_t row) = 0;
    // Shows the cell's GIF face in overlay 1 (Panel1/Img1) or 2 (Panel2/Img2).
    virtual void ShowFaceOverlay(std::int32_t phase, std::int32_t col, std::int32_t row) = 0;
    virtual void HideFaceOverlays() = 0;
    // The status line; the window centres it. An empty text clears it.
    virtual void SetPlayerLabel(const std::string& text) = 0;
    // One-shot turn timer: after intervalMs the window calls TGame::close_pair.
    virtual void StartTurnTimer(std::int32_t intervalMs) = 0;
    virtual void StopTurnTimer() = 0;
    // Called only when sound is on; a view without sound devices stays silent.
    virtual void PlaySound(TGameSound sound) = 0;
    // Shows the score window modally and returns when it has been closed.
    virtual void ShowScoreWindow() = 0;
    virtual void ApplyBoardGeometry(const TBoardGeometry& geometry) = 0;
    // The score window's advertisement picture (copied by the view) and link.
    virtual void SetAdvertisement(const TGraphic& picture, const std::string& link) = 0;
    // Hides the options panel and the start-screen picture and shows the board.
    virtual void ShowBoard() = 0;
};
