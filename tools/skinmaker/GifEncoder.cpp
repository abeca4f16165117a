#include "GifEncoder.h"

#include "GifPalette.h"

#include <stdexcept>
#include <unordered_map>

namespace {

constexpr int MaxLzwCodes = 4096;

class TBitPacker {
public:
    explicit TBitPacker(std::vector<std::uint8_t>& out) : Out(out) {}
    void Put(unsigned code, int width)
    {
        Buffer |= static_cast<std::uint32_t>(code) << Bits;
        Bits += width;
        while (Bits >= 8) {
            Out.push_back(static_cast<std::uint8_t>(Buffer));
            Buffer >>= 8;
            Bits -= 8;
        }
    }
    void Flush()
    {
        if (Bits > 0)
            Out.push_back(static_cast<std::uint8_t>(Buffer));
        Buffer = 0;
        Bits = 0;
    }

private:
    std::vector<std::uint8_t>& Out;
    std::uint32_t Buffer = 0;
    int Bits = 0;
};

void Put16(std::vector<std::uint8_t>& out, int v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

bool IsTransparent(std::uint32_t pixel) { return (pixel >> 24) < 128; }

// Smallest n >= 1 with 2^n >= count: the colour table holds 2^n entries.
int TableBits(std::size_t count)
{
    int bits = 1;
    while ((std::size_t{1} << bits) < count)
        ++bits;
    return bits;
}

struct TColourTable {
    std::vector<std::uint32_t> Colours; // opaque colours; the transparent slot follows
    int TransparentIndex = -1;
    int Bits = 1;
};

TColourTable MakeTable(const std::vector<std::uint32_t>& pixels, bool needTransparency)
{
    std::vector<std::uint32_t> opaque;
    opaque.reserve(pixels.size());
    for (std::uint32_t p : pixels)
        if (!IsTransparent(p))
            opaque.push_back(p);
    TColourTable table;
    table.Colours = ChooseGifPalette(opaque, needTransparency);
    if (needTransparency) {
        table.TransparentIndex = static_cast<int>(table.Colours.size());
        table.Bits = TableBits(table.Colours.size() + 1);
    } else {
        table.Bits = TableBits(table.Colours.size());
    }
    return table;
}

void WriteTable(std::vector<std::uint8_t>& out, const TColourTable& table)
{
    const std::size_t entries = std::size_t{1} << table.Bits;
    for (std::size_t i = 0; i < entries; ++i) {
        const std::uint32_t c = i < table.Colours.size() ? table.Colours[i] : 0;
        out.push_back(static_cast<std::uint8_t>(c >> 16));
        out.push_back(static_cast<std::uint8_t>(c >> 8));
        out.push_back(static_cast<std::uint8_t>(c));
    }
}

void WriteSubBlocks(std::vector<std::uint8_t>& out, const std::vector<std::uint8_t>& data)
{
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, data.size() - at);
        out.push_back(static_cast<std::uint8_t>(n));
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
                   data.begin() + static_cast<std::ptrdiff_t>(at + n));
    }
    out.push_back(0);
}

void WriteLoopExtension(std::vector<std::uint8_t>& out)
{
    const char id[] = "NETSCAPE2.0";
    out.insert(out.end(), {0x21, 0xFF, 11});
    out.insert(out.end(), id, id + 11);
    out.insert(out.end(), {3, 1, 0, 0, 0}); // sub-block: loop count 0 = forever
}

bool AnyTransparent(const TPixelBuffer& pixels)
{
    for (std::uint32_t p : pixels.Pixels)
        if (IsTransparent(p))
            return true;
    return false;
}

} // namespace

std::vector<std::uint8_t> GifLzwCompress(const std::vector<std::uint8_t>& indices, int minCodeSize)
{
    std::vector<std::uint8_t> out;
    TBitPacker packer(out);
    const unsigned clearCode = 1u << minCodeSize;
    const unsigned endCode = clearCode + 1;
    int codeSize = minCodeSize + 1;
    unsigned nextCode = endCode + 1;
    // (prefix code << 8 | next index) -> code of that string
    std::unordered_map<std::uint32_t, std::uint16_t> strings;
    strings.reserve(MaxLzwCodes * 2);

    packer.Put(clearCode, codeSize);
    if (!indices.empty()) {
        unsigned prefix = indices[0];
        for (std::size_t i = 1; i < indices.size(); ++i) {
            const std::uint32_t key = (prefix << 8) | indices[i];
            if (auto it = strings.find(key); it != strings.end()) {
                prefix = it->second;
                continue;
            }
            packer.Put(prefix, codeSize);
            const unsigned added = nextCode++;
            strings.emplace(key, static_cast<std::uint16_t>(added));
            if (added >= (1u << codeSize) && codeSize < 12)
                ++codeSize;
            if (added == MaxLzwCodes - 1) {
                // The table is full: start over so the codes stay at 12 bits.
                packer.Put(clearCode, codeSize);
                strings.clear();
                codeSize = minCodeSize + 1;
                nextCode = endCode + 1;
            }
            prefix = indices[i];
        }
        packer.Put(prefix, codeSize);
    }
    packer.Put(endCode, codeSize);
    packer.Flush();
    return out;
}

std::vector<std::uint8_t> EncodeGif(int width, int height, const std::vector<TGifEncodeFrame>& frames)
{
    if (frames.empty())
        throw std::invalid_argument("a GIF needs at least one frame");
    if (width < 1 || height < 1 || width > 0xFFFF || height > 0xFFFF)
        throw std::invalid_argument("GIF screen size out of range");

    bool globalTransparency = false;
    std::vector<std::uint32_t> globalPixels;
    for (const TGifEncodeFrame& f : frames) {
        if (f.Left < 0 || f.Top < 0 || f.Pixels.Width < 1 || f.Pixels.Height < 1
            || f.Left + f.Pixels.Width > width || f.Top + f.Pixels.Height > height)
            throw std::invalid_argument("GIF frame lies off the screen");
        if (f.LocalPalette)
            continue;
        globalTransparency = globalTransparency || AnyTransparent(f.Pixels);
        globalPixels.insert(globalPixels.end(), f.Pixels.Pixels.begin(), f.Pixels.Pixels.end());
    }
    const TColourTable global = MakeTable(globalPixels, globalTransparency);

    std::vector<std::uint8_t> out{'G', 'I', 'F', '8', '9', 'a'};
    Put16(out, width);
    Put16(out, height);
    out.push_back(static_cast<std::uint8_t>(0x80 | 0x70 | (global.Bits - 1))); // global table, 8-bit colour
    out.push_back(0); // background colour index
    out.push_back(0); // no aspect ratio
    WriteTable(out, global);
    if (frames.size() > 1)
        WriteLoopExtension(out);

    for (const TGifEncodeFrame& f : frames) {
        const TColourTable local = f.LocalPalette ? MakeTable(f.Pixels.Pixels, AnyTransparent(f.Pixels)) : TColourTable{};
        const TColourTable& table = f.LocalPalette ? local : global;

        out.insert(out.end(), {0x21, 0xF9, 4});
        out.push_back(static_cast<std::uint8_t>((static_cast<int>(f.Disposal) << 2) | (table.TransparentIndex >= 0 ? 1 : 0)));
        Put16(out, f.DelayCs);
        out.push_back(static_cast<std::uint8_t>(table.TransparentIndex >= 0 ? table.TransparentIndex : 0));
        out.push_back(0);

        out.push_back(0x2C);
        Put16(out, f.Left);
        Put16(out, f.Top);
        Put16(out, f.Pixels.Width);
        Put16(out, f.Pixels.Height);
        out.push_back(f.LocalPalette ? static_cast<std::uint8_t>(0x80 | (table.Bits - 1)) : 0);
        if (f.LocalPalette)
            WriteTable(out, table);

        TPaletteMapper mapper(table.Colours);
        std::vector<std::uint8_t> indices;
        indices.reserve(f.Pixels.Pixels.size());
        for (std::uint32_t p : f.Pixels.Pixels)
            indices.push_back(IsTransparent(p) && table.TransparentIndex >= 0
                                  ? static_cast<std::uint8_t>(table.TransparentIndex)
                                  : mapper.Map(p));
        const int minCodeSize = std::max(2, table.Bits);
        out.push_back(static_cast<std::uint8_t>(minCodeSize));
        WriteSubBlocks(out, GifLzwCompress(indices, minCodeSize));
    }
    out.push_back(0x3B);
    return out;
}
