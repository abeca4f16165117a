#include "GifPlayer.h"

#include <chrono>

namespace {

class TSystemClock : public TGifClock {
public:
    std::int64_t NowMs() override
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
    void WaitFor(std::unique_lock<std::mutex>& lock, std::condition_variable& cv, std::int64_t ms,
                 const std::function<bool()>& stopRequested) override
    {
        if (ms > 0)
            cv.wait_for(lock, std::chrono::milliseconds(ms), stopRequested);
    }
};

} // namespace

TGifClock& TGifClock::System()
{
    static TSystemClock clock;
    return clock;
}

TGifPlayer::TGifPlayer(TGifClock& clock) : Clock(clock) {}

TGifPlayer::~TGifPlayer() { Stop(); }

void TGifPlayer::SetContent(const TGIFImage& image, std::uint32_t background)
{
    Stop();
    Data = image.Content();
    Background = background;
    Compositor.reset();
}

void TGifPlayer::SetOnFrame(TFrameHandler handler)
{
    Stop();
    OnFrame = std::move(handler);
}

void TGifPlayer::Start()
{
    Stop();
    if (!Data)
        return;
    Compositor = std::make_unique<TGifCompositor>(*Data, Background);
    const TGifPlayPosition first = GifFirstStep(*Data, Clock.NowMs());
    if (!first.Finished)
        Compositor->Draw(first.Frame);
    if (OnFrame)
        OnFrame(Compositor->Output(), first.Frame);
    // A still GIF, or one whose only pass ends here, needs no thread.
    if (Data->Frames.size() < 2 || !GifHasNextStep(*Data, first))
        return;
    std::lock_guard guard(Lock);
    StopRequested = false;
    Running = true;
    Thread = std::thread(&TGifPlayer::Run, this, first);
}

void TGifPlayer::Run(TGifPlayPosition position)
{
    for (;;) {
        {
            std::unique_lock lock(Lock);
            Clock.WaitFor(lock, Wake, position.PlannedWait, [this] { return StopRequested; });
            if (StopRequested)
                break;
        }
        position = GifNextStep(*Data, position, Clock.NowMs());
        Compositor->Draw(position.Frame);
        if (OnFrame)
            OnFrame(Compositor->Output(), position.Frame);
        if (!GifHasNextStep(*Data, position))
            break;
    }
    std::lock_guard guard(Lock);
    Running = false;
}

void TGifPlayer::Stop()
{
    {
        std::lock_guard guard(Lock);
        StopRequested = true;
    }
    Wake.notify_all();
    if (Thread.joinable())
        Thread.join();
    std::lock_guard guard(Lock);
    StopRequested = false;
    Running = false;
}

bool TGifPlayer::Playing() const
{
    std::lock_guard guard(Lock);
    return Running;
}
