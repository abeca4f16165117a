// GIF decoder plus the player's composition of every frame, in play order
// for one pass and then in file order; no thread, no clock.

#include "resources/GifCompositor.h"
#include "resources/GifImage.h"
#include "resources/GifSchedule.h"
#include "resources/ResourceError.h"

#include <algorithm>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TGIFImage image;
    try {
        image.LoadFromBytes(data, size);
    } catch (const EResourceError&) {
        return 0;
    }
    const TGifData& gif = *image.Content();
    TGifCompositor compositor(gif, 0xFFFFFFFFu);
    TGifPlayPosition position = GifFirstStep(gif, 0);
    std::int64_t now = 0;
    // Huge screens are legal but slow to compose: fewer steps keep the
    // fuzzer fast without losing the decoder's paths.
    const std::int64_t area = std::max<std::int64_t>(1, std::int64_t(gif.Width) * gif.Height);
    const int steps = static_cast<int>(std::clamp<std::int64_t>((std::int64_t(1) << 22) / area, 2, 64));
    for (int step = 0; step < steps && !position.Finished; ++step) {
        compositor.Draw(position.Frame);
        compositor.Output();
        now += position.PlannedWait + step % 7; // some frames late
        position = GifNextStep(gif, position, now);
    }
    for (int i = 0; i < image.FrameCount(); ++i)
        compositor.Draw(i);
    compositor.Output();
    return 0;
}
