#include "GifSchedule.h"

#include <algorithm>

namespace {

constexpr int MsPerUnit = 12;
constexpr int DefaultUnits = 10;
constexpr int MinimumUnits = 3;

// Moves to the frame to draw next, or marks the play finished; no timing.
TGifPlayPosition Choose(const TGifData& gif, TGifPlayPosition p)
{
    if (p.Finished)
        return p;
    const int count = static_cast<int>(gif.Frames.size());
    int candidate = p.Frame + 1;
    while (candidate >= count || !gif.Frames[static_cast<std::size_t>(candidate)].HoldsPixels()) {
        // The pass ends. A pass that drew nothing would loop without ever
        // waiting, so it ends the play too.
        if (!p.Endless)
            --p.PassesLeft;
        if ((!p.Endless && p.PassesLeft <= 0) || !p.DrewInPass) {
            p.Finished = true;
            return p;
        }
        p.DrewInPass = false;
        candidate = p.LoopStart;
    }
    p.Frame = candidate;
    p.DrewInPass = true;
    const TGifFrame& frame = gif.Frames[static_cast<std::size_t>(candidate)];
    if (frame.HasLoop && !p.LoopSeen) {
        p.LoopSeen = true;
        p.Endless = frame.LoopCount == 0;
        p.PassesLeft = frame.LoopCount;
        p.LoopStart = candidate;
    }
    return p;
}

} // namespace

int GifFrameDelayMs(const TGifFrame& frame)
{
    const int units = !frame.HasControl || frame.Delay == 0 ? DefaultUnits : std::max(frame.Delay, MinimumUnits);
    return units * MsPerUnit;
}

TGifPlayPosition GifFirstStep(const TGifData& gif, std::int64_t now)
{
    TGifPlayPosition p;
    if (gif.Frames.empty() || !gif.Frames[0].HoldsPixels()) {
        p.Finished = true;
        return p;
    }
    p.Frame = -1;
    p = Choose(gif, p);
    p.DrawnAt = now;
    p.PlannedWait = GifFrameDelayMs(gif.Frames[0]);
    return p;
}

bool GifHasNextStep(const TGifData& gif, const TGifPlayPosition& position)
{
    return !Choose(gif, position).Finished;
}

TGifPlayPosition GifNextStep(const TGifData& gif, const TGifPlayPosition& position, std::int64_t now)
{
    TGifPlayPosition p = Choose(gif, position);
    if (p.Finished)
        return p;
    const std::int64_t overshoot = (now - position.DrawnAt) - position.PlannedWait;
    const std::int64_t correction = overshoot > 0 ? overshoot / 2 : 0;
    p.DrawnAt = now;
    p.PlannedWait = std::max<std::int64_t>(0, GifFrameDelayMs(gif.Frames[static_cast<std::size_t>(p.Frame)]) - correction);
    return p;
}
