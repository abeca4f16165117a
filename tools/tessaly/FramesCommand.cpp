// tessaly frames: every frame of a face as the game shows it, over white.
#include "Commands.h"
#include "PngWriter.h"

#include "platform/Translate.h"
#include "resources/Bitmap.h"
#include "resources/GifCompositor.h"
#include "resources/GifImage.h"
#include "resources/GifSchedule.h"
#include "resources/JpegImage.h"
#include "resources/ResourceError.h"

#include <cstdio>
#include <filesystem>
#include <memory>

namespace {

constexpr std::uint32_t White = 0xFFFFFFFFu;

std::string FrameFileName(const std::string& folder, int index)
{
    char name[32];
    std::snprintf(name, sizeof name, "frame-%03d.png", index);
    return (std::filesystem::path(folder) / name).string();
}

// Pixels with alpha blended onto white, as the overlay panel shows them.
TPixelBuffer OnWhite(const TPixelBuffer& pixels)
{
    TPixelBuffer out = pixels;
    for (std::uint32_t& c : out.Pixels) {
        const std::uint32_t a = c >> 24;
        std::uint32_t rgb = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            const std::uint32_t v = (c >> shift) & 0xFF;
            rgb |= ((v * a + 255 * (255 - a) + 127) / 255) << shift;
        }
        c = 0xFF000000u | rgb;
    }
    return out;
}

// The first pass as the player plays it, with every wait kept to plan.
void WriteGifFrames(const TGIFImage& image, const std::string& folder, std::ostream& out)
{
    const TGifData& gif = *image.Content();
    TGifCompositor compositor(gif, White);
    TGifPlayPosition position = GifFirstStep(gif, 0);
    int written = 0;
    auto emit = [&](const TGifPlayPosition& p) {
        compositor.Draw(p.Frame);
        WritePng(FrameFileName(folder, written++), compositor.Output());
        out << "frame " << p.Frame << " delay " << p.PlannedWait << '\n';
    };
    if (position.Finished) {
        WritePng(FrameFileName(folder, written++), compositor.Output()); // nothing drawable: the white panel
        out << "frame 0 delay 0\n";
    } else {
        emit(position);
        while (GifHasNextStep(gif, position)) {
            const TGifPlayPosition next = GifNextStep(gif, position, position.DrawnAt + position.PlannedWait);
            if (next.Frame <= position.Frame)
                break; // the pass is over: the play repeats from its loop start
            position = next;
            emit(position);
        }
    }
    const int loops = position.LoopSeen ? gif.Frames[static_cast<std::size_t>(position.LoopStart)].LoopCount : 1;
    out << "loops " << loops << " start " << position.LoopStart << '\n';
}

void WriteStill(const TGraphic& picture, const std::string& folder, std::ostream& out)
{
    WritePng(FrameFileName(folder, 0), OnWhite(picture.Pixels()));
    out << "frame 0 delay 0\n"
        << "loops 1 start 0\n";
}

} // namespace

int FramesCommand(const TCommandArgs& args, std::ostream& out)
{
    if (args.size() != 4 || args[0] != "--type" || (args[1] != "gif" && args[1] != "jpeg" && args[1] != "bmp"))
        throw ETessalyError(FillIn(Tr("tessaly", "usage: %1"), {"tessaly frames --type gif|jpeg|bmp FILE OUTDIR"}));
    const std::string& kind = args[1];
    const std::string& fileName = args[2];
    const std::string& folder = args[3];

    std::unique_ptr<TGraphic> picture;
    if (kind == "gif")
        picture = std::make_unique<TGIFImage>();
    else if (kind == "jpeg")
        picture = std::make_unique<TJPEGImage>();
    else
        picture = std::make_unique<TBitmap>();
    try {
        TFileStream file(fileName);
        picture->LoadFromStream(file);
    } catch (const EResourceError& e) {
        throw ETessalyError(fileName + ": " + e.what());
    }

    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        throw ETessalyError(FillIn(Tr("tessaly", "%1: cannot be created"), {folder}));
    if (kind == "gif")
        WriteGifFrames(static_cast<const TGIFImage&>(*picture), folder, out);
    else
        WriteStill(*picture, folder, out);
    return 0;
}
