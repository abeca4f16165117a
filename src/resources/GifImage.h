#pragma once
// The GIF picture: every frame of a GIF file, and its still rendering.

#include "GifDecoder.h"
#include "Graphic.h"

#include <memory>

class TGIFImage : public TGraphic {
public:
    // Reads the stream from its position to its end and decodes it. Throws
    // EResourceError with the decoder's message, or "GIF file too large" for
    // more than TGifLimits::MaxFileBytes; the picture is then empty.
    void LoadFromStream(TStream& stream) override;
    void LoadFromBytes(const std::uint8_t* data, std::size_t size);

    int Width() const override; // the logical screen
    int Height() const override;
    // The global colour table, else the first frame's colours; empty when
    // there are no frames.
    const std::vector<std::uint32_t>& Palette() const override;
    // The still rendering: the first frame composed on white.
    const TPixelBuffer& Pixels() const override;

    int FrameCount() const;
    bool Animated() const { return FrameCount() > 1; }
    const TGifFrame& Frame(int index) const;
    // The decoded content, shared so a player keeps it alive while it plays
    // even if this picture is loaded again. Never null.
    std::shared_ptr<const TGifData> Content() const { return Data; }

private:
    void Clear();

    std::shared_ptr<const TGifData> Data = std::make_shared<TGifData>();
    std::vector<std::uint32_t> PaletteCache;
    TPixelBuffer Still;
};
