#pragma once
// How a card looks while it moves, as plain arithmetic of the time since its
// movement began. A flip turns the card about its upright middle: the side
// that shows narrows to an edge, then the other side widens from it. A found
// card shrinks and fades into the board. The animator (CardAnimator.h) asks
// at every frame; nothing here keeps time or paints.

#include <cstdint>

enum class TMotionKind { FlipUp, FlipDown, Exit };
enum class TCardSide { Back, Face };

constexpr std::int64_t FlipMs = 200;
constexpr std::int64_t ExitMs = 320;
// The computer's second card turns this long after its first, so the eye can follow.
constexpr std::int64_t ComputerPaceMs = 800;
// One frame at 60 Hz, rounded down so no frame is skipped.
constexpr std::int64_t FrameMs = 16;

struct TMotionFrame {
    TCardSide Side = TCardSide::Back;
    double Width = 1.0;  // share of the cell's width, centred
    double Height = 1.0; // share of the cell's height, centred
    double Opacity = 1.0;
};

constexpr std::int64_t MotionLength(TMotionKind kind)
{
    return kind == TMotionKind::Exit ? ExitMs : FlipMs;
}

// The card elapsedMs after its movement began. Before it begins (elapsedMs
// below 0) the card shows its side from before, whole; from MotionLength on
// it shows its side after, whole (a found card: nothing).
TMotionFrame MotionFrameAt(TMotionKind kind, std::int64_t elapsedMs);

// The part of a cell a frame covers, in whole pixels, centred in the cell.
struct TFrameRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};
TFrameRect FrameRectIn(int cellLeft, int cellTop, int cellWidth, int cellHeight, const TMotionFrame& frame);
