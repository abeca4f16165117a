#pragma once
// When each frame of a GIF animation is drawn, as plain data: a pure step
// from one play position to the next given the clock, so the timing is
// tested to the millisecond without threads.

#include "GifDecoder.h"

#include <cstdint>

// The wait after a frame, in milliseconds: 12 ms per unit of the file, 10
// units for a frame without a graphic control extension or with delay 0,
// at least 3 units, no maximum.
int GifFrameDelayMs(const TGifFrame& frame);

struct TGifPlayPosition {
    int Frame = 0;           // frame drawn last
    bool Finished = false;   // passes spent (or nothing drawable): Frame stays
    int PassesLeft = 1;      // passes still to play, this one included
    bool Endless = false;
    bool LoopSeen = false;   // a loop extension has set the passes
    int LoopStart = 0;
    bool DrewInPass = false; // a frame was drawn in the current pass
    std::int64_t DrawnAt = 0;   // clock value (ms) when Frame was drawn
    std::int64_t PlannedWait = 0; // wait planned after Frame
};

// The position after drawing the first frame at clock value now. Finished
// at once when the GIF has no frames or its first frame holds no pixels.
TGifPlayPosition GifFirstStep(const TGifData& gif, std::int64_t now);

// Whether a frame follows the one drawn last (false once the passes are
// spent), so a player need not wait out the last frame's delay.
bool GifHasNextStep(const TGifData& gif, const TGifPlayPosition& position);

// Advances to the next frame to draw, at clock value now (when the previous
// wait ended). The returned wait is the frame's delay less half the time by
// which the previous interval overran its plan, never below 0. Finished
// positions are returned unchanged.
TGifPlayPosition GifNextStep(const TGifData& gif, const TGifPlayPosition& position, std::int64_t now);
