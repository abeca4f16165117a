// Follows "Graphics Interchange Format, Version 89a" (CompuServe, 1990),
// which also describes the 87a files it extends.

#include "GifDecoder.h"

#include "GifLzw.h"
#include "ResourceError.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint8_t ImageSeparator = 0x2C;
constexpr std::uint8_t ExtensionIntroducer = 0x21;
constexpr std::uint8_t GraphicControlLabel = 0xF9;
constexpr std::uint8_t ApplicationLabel = 0xFF;
constexpr std::uint32_t Opaque = 0xFF000000u;
constexpr std::uint32_t Black = Opaque;
constexpr std::uint32_t White = 0xFFFFFFFFu;

// The data ended inside a block. Read() decides whether that loses the
// picture or only what follows the frames already read.
struct TCutShort {};

[[noreturn]] void Invalid() { throw EResourceError("Invalid GIF data"); }

bool HasSignature(const std::uint8_t* p, std::size_t size)
{
    return size >= 3 && (p[0] | 0x20) == 'g' && (p[1] | 0x20) == 'i' && (p[2] | 0x20) == 'f';
}

class TByteReader {
public:
    TByteReader(const std::uint8_t* data, std::size_t size, std::size_t pos) : Data(data), Size(size), Pos(pos) {}

    bool AtEnd() const { return Pos >= Size; }
    std::size_t Remaining() const { return Size - Pos; }
    const std::uint8_t* Take(std::size_t count)
    {
        if (count > Size - Pos)
            throw TCutShort();
        const std::uint8_t* p = Data + Pos;
        Pos += count;
        return p;
    }
    std::uint8_t Byte() { return *Take(1); }
    int Word()
    {
        const std::uint8_t* p = Take(2);
        return p[0] | p[1] << 8;
    }
    // One data sub-block; an empty span is the terminator.
    std::size_t SubBlock(const std::uint8_t*& bytes)
    {
        const std::size_t count = Byte();
        bytes = Take(count);
        return count;
    }
    void SkipSubBlocks()
    {
        const std::uint8_t* ignored;
        while (SubBlock(ignored) != 0) {
        }
    }

private:
    const std::uint8_t* Data;
    std::size_t Size;
    std::size_t Pos;
};

std::vector<std::uint32_t> ReadColorTable(TByteReader& in, std::uint8_t packed)
{
    const std::size_t count = std::size_t(2) << (packed & 7);
    const std::uint8_t* rgb = in.Take(count * 3);
    std::vector<std::uint32_t> colors(count);
    for (std::size_t i = 0; i < count; ++i)
        colors[i] = Opaque | std::uint32_t(rgb[3 * i]) << 16 | std::uint32_t(rgb[3 * i + 1]) << 8 | rgb[3 * i + 2];
    return colors;
}

// 256 entries, so any index a frame or its transparency names is inside.
std::vector<std::uint32_t> FullPalette(const std::vector<std::uint32_t>& table)
{
    std::vector<std::uint32_t> colors(256, Black);
    if (table.empty()) {
        colors[1] = White; // no table at all: black and white
        return colors;
    }
    std::memcpy(colors.data(), table.data(), std::min<std::size_t>(table.size(), 256) * sizeof(std::uint32_t));
    return colors;
}

struct TPending {
    bool HasControl = false;
    int Delay = 0;
    int TransparentIndex = -1;
    TGifDisposal Disposal = TGifDisposal::Leave;
    bool HasLoop = false;
    int LoopCount = 0;
};

void ReadGraphicControl(TByteReader& in, TPending& pending)
{
    const std::uint8_t* block;
    const std::size_t size = in.SubBlock(block);
    if (size == 0)
        return;
    if (size >= 4) {
        const int packed = block[0];
        const int method = (packed >> 2) & 7;
        pending.HasControl = true;
        pending.Disposal = method == 2 ? TGifDisposal::Background
                         : method == 3 ? TGifDisposal::Previous
                                       : TGifDisposal::Leave;
        pending.Delay = block[1] | block[2] << 8;
        pending.TransparentIndex = (packed & 1) ? block[3] : -1;
    }
    in.SkipSubBlocks();
}

void ReadApplication(TByteReader& in, TPending& pending)
{
    const std::uint8_t* id;
    const std::size_t idSize = in.SubBlock(id);
    if (idSize == 0)
        return;
    const bool loop = idSize == 11 && (std::memcmp(id, "NETSCAPE2.0", 11) == 0 || std::memcmp(id, "ANIMEXTS1.0", 11) == 0);
    if (loop) {
        const std::uint8_t* block;
        const std::size_t size = in.SubBlock(block);
        if (size == 0)
            return;
        if (block[0] == 1) { // the loop sub-block; others (buffering) are skipped
            if (size < 3)
                Invalid();
            if (!pending.HasLoop) {
                pending.HasLoop = true;
                pending.LoopCount = block[1] | block[2] << 8;
            }
        }
    }
    in.SkipSubBlocks();
}

class TGifReader {
public:
    TGifReader(const std::uint8_t* data, std::size_t size, std::size_t start) : In(data, size, start) {}

    // A file cut short keeps the frames read before the cut, the one cut in
    // its image data too; it is refused only when no frame could be read.
    TGifData Read()
    {
        try {
            ReadScreen();
            ReadBlocks();
        } catch (const TCutShort&) {
            if (Gif.Frames.empty())
                throw EResourceError("Premature end of data");
        }
        return std::move(Gif);
    }

private:
    void ReadBlocks()
    {
        TPending pending;
        while (!In.AtEnd()) {
            const std::uint8_t introducer = In.Byte();
            if (introducer == ImageSeparator) {
                ReadImage(pending);
                pending = TPending();
            } else if (introducer == ExtensionIntroducer) {
                const std::uint8_t label = In.Byte();
                if (label == GraphicControlLabel)
                    ReadGraphicControl(In, pending);
                else if (label == ApplicationLabel)
                    ReadApplication(In, pending);
                else
                    In.SkipSubBlocks(); // comments, plain text, unknown extensions
            } else {
                break; // the trailer, or an unknown block: keep the frames read
            }
        }
    }

    void ReadScreen()
    {
        In.Take(6); // "GIF87a" or "GIF89a"; the version is not checked
        Gif.Width = In.Word();
        Gif.Height = In.Word();
        const std::uint8_t packed = In.Byte();
        Gif.BackgroundIndex = In.Byte();
        In.Byte(); // pixel aspect ratio
        // Sides may be anything a word holds; only the area is bounded.
        if (std::int64_t(Gif.Width) * Gif.Height > TGifLimits::MaxPixels)
            throw EResourceError("GIF screen too large");
        if (packed & 0x80)
            Gif.GlobalColors = ReadColorTable(In, packed);
        GlobalPalette = FullPalette(Gif.GlobalColors);
    }

    void ReadImage(const TPending& pending)
    {
        TGifFrame frame;
        frame.Left = In.Word();
        frame.Top = In.Word();
        frame.Width = In.Word();
        frame.Height = In.Word();
        const std::uint8_t packed = In.Byte();
        frame.Interlaced = (packed & 0x40) != 0;
        const std::int64_t area = std::int64_t(frame.Width) * frame.Height;
        if (area > TGifLimits::MaxPixels)
            throw EResourceError("GIF frame too large");
        TotalPixels += area;
        if (TotalPixels > TGifLimits::MaxTotalPixels)
            throw EResourceError("GIF frames too large in total");
        if (Gif.Frames.size() >= TGifLimits::MaxFrames)
            throw EResourceError("Too many GIF frames");
        frame.Colors = (packed & 0x80) ? FullPalette(ReadColorTable(In, packed)) : GlobalPalette;

        const int minCodeSize = In.Byte();
        if (minCodeSize < GifLzwMinCodeSize || minCodeSize > GifLzwMaxCodeSize)
            throw EResourceError("Invalid GIF code size");
        if (!ReadImageData() && Joined.empty())
            throw TCutShort(); // not one byte of this frame's pixels
        frame.Indices.resize(static_cast<std::size_t>(area));
        if (area > 0) {
            const std::size_t decoded =
                GifLzwDecode(minCodeSize, Joined.data(), Joined.size(), frame.Indices.data(), frame.Indices.size());
            if (decoded < frame.Indices.size()) {
                frame.Indices.resize(decoded);
                frame.Indices.shrink_to_fit(); // a frame cut short holds only what it decoded
            }
        }

        frame.HasControl = pending.HasControl;
        frame.Delay = pending.Delay;
        frame.TransparentIndex = pending.TransparentIndex;
        frame.Disposal = pending.Disposal;
        frame.HasLoop = pending.HasLoop;
        frame.LoopCount = pending.LoopCount;
        Gif.Frames.push_back(std::move(frame));
    }

    // Joins the image data's sub-blocks; false when the data ends before
    // their terminator, with Joined holding what was there.
    bool ReadImageData()
    {
        Joined.clear();
        while (!In.AtEnd()) {
            const std::size_t count = In.Byte();
            if (count == 0)
                return true;
            const std::size_t there = std::min(count, In.Remaining());
            const std::uint8_t* block = In.Take(there);
            Joined.insert(Joined.end(), block, block + there);
        }
        return false;
    }

    TByteReader In;
    TGifData Gif;
    std::vector<std::uint32_t> GlobalPalette;
    std::vector<std::uint8_t> Joined; // the image data without its sub-block lengths
    std::int64_t TotalPixels = 0;
};

} // namespace

TGifData DecodeGif(const std::uint8_t* data, std::size_t size)
{
    std::size_t start = 0;
    if (!HasSignature(data, size)) {
        start = 4; // behind a 4-byte length
        if (size < start || !HasSignature(data + start, size - start))
            throw EResourceError("Invalid GIF signature");
    }
    return TGifReader(data, size, start).Read();
}
