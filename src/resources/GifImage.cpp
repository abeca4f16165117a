#include "GifImage.h"

#include "GifCompositor.h"
#include "ResourceError.h"

namespace {

constexpr std::uint32_t White = 0xFFFFFFFFu;

} // namespace

void TGIFImage::LoadFromStream(TStream& stream)
{
    const std::int64_t remaining = stream.Remaining();
    if (remaining > TGifLimits::MaxFileBytes) {
        Clear();
        throw EResourceError("GIF file too large");
    }
    // Memory streams are decoded in place; others are read once.
    if (auto* memory = dynamic_cast<TMemoryStream*>(&stream)) {
        const std::int64_t position = memory->Position();
        memory->SetPosition(position + remaining);
        LoadFromBytes(memory->Memory() + position, static_cast<std::size_t>(remaining));
        return;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(remaining));
    stream.ReadBuffer(bytes.data(), bytes.size());
    LoadFromBytes(bytes.data(), bytes.size());
}

void TGIFImage::Clear()
{
    Data = std::make_shared<TGifData>();
    PaletteCache.clear();
    Still = TPixelBuffer();
}

void TGIFImage::LoadFromBytes(const std::uint8_t* data, std::size_t size)
{
    Clear();
    auto decoded = std::make_shared<TGifData>(DecodeGif(data, size));

    TGifCompositor compositor(*decoded, White);
    if (!decoded->Frames.empty())
        compositor.Draw(0);
    Still = compositor.Output();
    if (!decoded->GlobalColors.empty())
        PaletteCache = decoded->GlobalColors;
    else if (!decoded->Frames.empty())
        PaletteCache = decoded->Frames[0].Colors;
    Data = std::move(decoded);
}

int TGIFImage::Width() const { return Data->Width; }
int TGIFImage::Height() const { return Data->Height; }
const std::vector<std::uint32_t>& TGIFImage::Palette() const { return PaletteCache; }
const TPixelBuffer& TGIFImage::Pixels() const { return Still; }
int TGIFImage::FrameCount() const { return static_cast<int>(Data->Frames.size()); }

const TGifFrame& TGIFImage::Frame(int index) const { return Data->Frames.at(static_cast<std::size_t>(index)); }
