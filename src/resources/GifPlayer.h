#pragma once
// Plays an animated GIF on a thread of its own: waits out the frame delays
// and hands each composed frame to its owner. It never touches a widget; the
// UI layer posts the frames to its own thread.

#include "GifCompositor.h"
#include "GifImage.h"
#include "GifSchedule.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// The player's time source: a monotonic millisecond clock and a wait that a
// stop request ends at once. Tests inject a fake one.
class TGifClock {
public:
    virtual ~TGifClock() = default;
    virtual std::int64_t NowMs() = 0;
    // Waits for ms milliseconds or until stopRequested() is true, whichever
    // comes first; cv is notified (with lock's mutex) when a stop is asked.
    virtual void WaitFor(std::unique_lock<std::mutex>& lock, std::condition_variable& cv, std::int64_t ms,
                         const std::function<bool()>& stopRequested) = 0;

    // The steady clock with a timed condition-variable wait.
    static TGifClock& System();
};

class TGifPlayer {
public:
    // Receives each composed frame (logical screen size, over the background
    // colour) and its number. The first frame is handed out inside Start() on
    // the caller's thread, later ones on the player thread. The buffer is
    // only valid during the call: copy it. The handler must not call this
    // player's Start, Stop or setters, nor block on a thread that might.
    using TFrameHandler = std::function<void(const TPixelBuffer& frame, int index)>;

    explicit TGifPlayer(TGifClock& clock = TGifClock::System());
    ~TGifPlayer(); // stops
    TGifPlayer(const TGifPlayer&) = delete;
    TGifPlayer& operator=(const TGifPlayer&) = delete;

    // Stops any play, then takes the picture's frames (shared, so the picture
    // may be loaded again meanwhile) and the colour behind transparent pixels.
    void SetContent(const TGIFImage& image, std::uint32_t background = 0xFFFFFFFFu);
    void SetOnFrame(TFrameHandler handler); // stops any play first

    // Draws the first frame at once; a GIF with more than one frame then
    // plays on a new thread. Restarts from the first frame when playing.
    void Start();
    // Ends a wait at once and joins the thread; the last frame handed out
    // stays the owner's. Safe to call when idle.
    void Stop();
    bool Playing() const; // the thread runs (false once the passes are spent)

private:
    void Run(TGifPlayPosition position);

    TGifClock& Clock;
    TFrameHandler OnFrame;
    std::shared_ptr<const TGifData> Data;
    std::uint32_t Background = 0xFFFFFFFFu;
    std::unique_ptr<TGifCompositor> Compositor;

    mutable std::mutex Lock;
    std::condition_variable Wake;
    bool StopRequested = false;
    bool Running = false;
    std::thread Thread;
};
