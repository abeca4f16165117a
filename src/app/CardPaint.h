#pragma once
// DrawCard's table: what one cell of the board shows for the game's state.
// While a game runs the board shows backs, face-up cards and gaps; once it
// has ended every cell shows its face, removed cards included.

#include <cstdint>

enum class TCellPaint {
    Nothing,   // face up under an overlay panel, or an unknown state
    BoardBrush,
    Back,      // CardBack stretched to the cell
    Face,      // the still face picture stretched to the cell
    GifStill,  // the GIF face's first frame, fitted and centred on white
};

constexpr std::int32_t FaceTypeGif = 1;

constexpr TCellPaint CellPaintFor(bool gameActive, std::int32_t cellState, std::int32_t faceType)
{
    if (!gameActive)
        return faceType == FaceTypeGif ? TCellPaint::GifStill : TCellPaint::Face;
    switch (cellState) {
    case 0: return TCellPaint::BoardBrush;
    case 1: return TCellPaint::Back;
    case 2: return faceType == FaceTypeGif ? TCellPaint::Nothing : TCellPaint::Face;
    default: return TCellPaint::Nothing;
    }
}
