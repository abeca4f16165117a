#include "app/CardMotion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

TMotionFrame MotionFrameAt(TMotionKind kind, std::int64_t elapsedMs)
{
    const std::int64_t length = MotionLength(kind);
    const double t = static_cast<double>(std::clamp<std::int64_t>(elapsedMs, 0, length)) / static_cast<double>(length);
    TMotionFrame frame;
    if (kind == TMotionKind::Exit) {
        // Shrinks faster as it goes, as a card sinking away.
        frame.Side = TCardSide::Face;
        frame.Width = frame.Height = 1.0 - t * t;
        frame.Opacity = 1.0 - t;
        return frame;
    }
    // The card's edge-on width as it turns through half a circle.
    const TCardSide before = kind == TMotionKind::FlipUp ? TCardSide::Back : TCardSide::Face;
    const TCardSide after = kind == TMotionKind::FlipUp ? TCardSide::Face : TCardSide::Back;
    frame.Side = 2 * std::clamp<std::int64_t>(elapsedMs, 0, length) < length ? before : after;
    frame.Width = std::abs(std::cos(std::numbers::pi * t));
    return frame;
}

TFrameRect FrameRectIn(int cellLeft, int cellTop, int cellWidth, int cellHeight, const TMotionFrame& frame)
{
    TFrameRect rect;
    rect.Width = static_cast<int>(std::lround(cellWidth * std::clamp(frame.Width, 0.0, 1.0)));
    rect.Height = static_cast<int>(std::lround(cellHeight * std::clamp(frame.Height, 0.0, 1.0)));
    rect.Left = cellLeft + (cellWidth - rect.Width) / 2;
    rect.Top = cellTop + (cellHeight - rect.Height) / 2;
    return rect;
}
