#pragma once
// The cards of the board that are moving now or will move soon, each with the
// clock time its movement begins, and the one timer that paints their frames.
// The timer runs only while something moves (a frame every 16 ms) or waits
// for a movement to begin (once, at its start): an idle board wakes nothing.
//
// What a card looks like at a moment is CardMotion.h's arithmetic; this keeps
// the times, asks for repaints and says when a movement has ended. UI thread
// only.

#include "app/CardMotion.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class TCardAnimator : public QObject {
    Q_OBJECT
public:
    using TClock = std::function<std::int64_t()>; // milliseconds, never going back

    explicit TCardAnimator(QObject* parent = nullptr);

    // Tests put a clock of their own in and call Tick themselves.
    void SetClock(TClock clock);
    std::int64_t Now() const { return Clock(); }

    // The cell moves from startMs on the clock (now or later), replacing any
    // movement it had.
    void Start(int col, int row, TMotionKind kind, std::int64_t startMs);
    // Forgets every movement; nothing ends, nothing is said.
    void Clear();

    // The cell's look now, or nothing when it does not move.
    std::optional<TMotionFrame> FrameFor(int col, int row) const;
    bool AnyMoving(TMotionKind kind) const;
    // When the last movement now known ends (now when none).
    std::int64_t EndOfAll() const;
    bool Idle() const { return Motions.empty(); }
    bool TimerRunning() const { return Timer.isActive(); }

    // Repaints the cells that move, ends those whose time is up (repainted
    // once more, then OnFinished each, in the order they end) and sets the
    // timer for the next frame.
    void Tick();

    std::function<void(int col, int row)> OnRepaint;
    std::function<void(int col, int row, TMotionKind kind)> OnFinished;

private:
    struct TMotion {
        int Col = 0;
        int Row = 0;
        TMotionKind Kind = TMotionKind::FlipUp;
        std::int64_t Start = 0;
        std::int64_t End() const { return Start + MotionLength(Kind); }
    };
    void Schedule();

    std::vector<TMotion> Motions;
    QTimer Timer;
    TClock Clock;
};
