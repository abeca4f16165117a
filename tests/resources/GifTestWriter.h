#pragma once
// Builds GIF files byte by byte for tests, fuzz seeds and benchmarks: an LZW
// encoder and writers for each block, so a test states exactly what a file
// holds.

#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace giftest {

using Bytes = std::vector<std::uint8_t>;

// Packs codes of the given widths, least significant bit first.
class TCodePacker {
public:
    void Put(int code, int width)
    {
        Buffer |= std::uint64_t(code) << Count;
        Count += width;
        while (Count >= 8) {
            Out.push_back(static_cast<std::uint8_t>(Buffer));
            Buffer >>= 8;
            Count -= 8;
        }
    }
    Bytes Finish()
    {
        if (Count > 0)
            Out.push_back(static_cast<std::uint8_t>(Buffer));
        Count = 0;
        Buffer = 0;
        return std::move(Out);
    }

private:
    Bytes Out;
    std::uint64_t Buffer = 0;
    int Count = 0;
};

// LZW-encodes indices. With clearWhenFull false the encoder keeps using a
// full table without clearing it, which decoders must accept.
inline Bytes LzwEncode(const Bytes& indices, int minCodeSize, bool clearWhenFull = true)
{
    const int clear = 1 << minCodeSize;
    TCodePacker packer;
    std::unordered_map<std::uint32_t, int> table;
    int width = minCodeSize + 1;
    int next = clear + 2;
    packer.Put(clear, width);
    int current = -1;
    bool emittedSinceClear = false;
    for (std::uint8_t index : indices) {
        if (current < 0) {
            current = index;
            continue;
        }
        const std::uint32_t key = std::uint32_t(current) << 8 | index;
        const auto found = table.find(key);
        if (found != table.end()) {
            current = found->second;
            continue;
        }
        packer.Put(current, width);
        emittedSinceClear = true;
        if (next < 4096) {
            table.emplace(key, next++);
            if (next > (1 << width) && width < 12)
                ++width;
        }
        if (next == 4096 && clearWhenFull) {
            packer.Put(clear, width);
            table.clear();
            width = minCodeSize + 1;
            next = clear + 2;
            emittedSinceClear = false;
        }
        current = index;
    }
    if (current >= 0) {
        packer.Put(current, width);
        // The decoder adds an entry on reading that last code, unless it was
        // the first since a clear, and may widen its codes before the end code.
        if (emittedSinceClear && next < 4096 && next == (1 << width) && width < 12)
            ++width;
    }
    packer.Put(clear + 1, width);
    return packer.Finish();
}

struct TFrameSpec {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    Bytes Indices;          // row by row, top to bottom
    std::vector<std::uint32_t> LocalColors; // 0xRRGGBB; a power of two from 2 to 256 entries
    bool Interlaced = false;
    int MinCodeSize = 2;
};

// A frame of w x h indices at (left, top), otherwise as TFrameSpec defaults.
inline TFrameSpec Frame(int w, int h, Bytes indices, int left = 0, int top = 0)
{
    TFrameSpec f;
    f.Left = left;
    f.Top = top;
    f.Width = w;
    f.Height = h;
    f.Indices = std::move(indices);
    return f;
}

class TGifWriter {
public:
    // Header and logical screen; colours are 0xRRGGBB.
    TGifWriter(int width, int height, const std::vector<std::uint32_t>& globalColors = {},
               const char* signature = "GIF89a", int backgroundIndex = 0)
    {
        for (int i = 0; i < 6; ++i)
            Out.push_back(static_cast<std::uint8_t>(signature[i]));
        Word(width);
        Word(height);
        Out.push_back(globalColors.empty() ? 0 : static_cast<std::uint8_t>(0x80 | TableBits(globalColors.size())));
        Out.push_back(static_cast<std::uint8_t>(backgroundIndex));
        Out.push_back(0); // aspect ratio
        Colors(globalColors);
    }

    // Graphic control extension: disposal 0..7, delay in hundredths.
    TGifWriter& Control(int delay, int disposal = 0, int transparent = -1)
    {
        Out.insert(Out.end(), {0x21, 0xF9, 4});
        Out.push_back(static_cast<std::uint8_t>(disposal << 2 | (transparent >= 0 ? 1 : 0)));
        Word(delay);
        Out.push_back(static_cast<std::uint8_t>(transparent >= 0 ? transparent : 0));
        Out.push_back(0);
        return *this;
    }

    TGifWriter& Loop(int count, const std::string& id = "NETSCAPE2.0")
    {
        Out.insert(Out.end(), {0x21, 0xFF, 11});
        Out.insert(Out.end(), id.begin(), id.end());
        Out.insert(Out.end(), {3, 1});
        Word(count);
        Out.push_back(0);
        return *this;
    }

    TGifWriter& Comment(const std::string& text)
    {
        Out.insert(Out.end(), {0x21, 0xFE});
        Out.push_back(static_cast<std::uint8_t>(text.size()));
        Out.insert(Out.end(), text.begin(), text.end());
        Out.push_back(0);
        return *this;
    }

    TGifWriter& Image(const TFrameSpec& f, bool clearWhenFull = true)
    {
        return RawImage(f, LzwEncode(Stored(f), f.MinCodeSize, clearWhenFull));
    }

    // An image whose LZW data is given as is (for corrupt code streams).
    TGifWriter& RawImage(const TFrameSpec& f, const Bytes& lzw)
    {
        Out.push_back(0x2C);
        Word(f.Left);
        Word(f.Top);
        Word(f.Width);
        Word(f.Height);
        std::uint8_t packed = f.Interlaced ? 0x40 : 0;
        if (!f.LocalColors.empty())
            packed |= static_cast<std::uint8_t>(0x80 | TableBits(f.LocalColors.size()));
        Out.push_back(packed);
        Colors(f.LocalColors);
        Out.push_back(static_cast<std::uint8_t>(f.MinCodeSize));
        SubBlocks(lzw);
        return *this;
    }

    TGifWriter& Raw(const Bytes& bytes)
    {
        Out.insert(Out.end(), bytes.begin(), bytes.end());
        return *this;
    }

    Bytes Finish()
    {
        Out.push_back(0x3B);
        return Out;
    }
    const Bytes& Current() const { return Out; }

private:
    static int TableBits(std::size_t count)
    {
        int bits = 0;
        while ((std::size_t(2) << bits) < count)
            ++bits;
        return bits;
    }
    void Word(int v)
    {
        Out.push_back(static_cast<std::uint8_t>(v));
        Out.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void Colors(const std::vector<std::uint32_t>& colors)
    {
        for (std::uint32_t c : colors)
            Out.insert(Out.end(), {std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c)});
    }
    void SubBlocks(const Bytes& data)
    {
        for (std::size_t at = 0; at < data.size(); at += 255) {
            const std::size_t n = std::min<std::size_t>(255, data.size() - at);
            Out.push_back(static_cast<std::uint8_t>(n));
            Out.insert(Out.end(), data.begin() + at, data.begin() + at + n);
        }
        Out.push_back(0);
    }
    // Interlaced frames store their rows pass by pass.
    static Bytes Stored(const TFrameSpec& f)
    {
        if (!f.Interlaced)
            return f.Indices;
        Bytes out;
        const int starts[4] = {0, 4, 2, 1}, steps[4] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int y = starts[pass]; y < f.Height; y += steps[pass])
                out.insert(out.end(), f.Indices.begin() + y * f.Width, f.Indices.begin() + (y + 1) * f.Width);
        return out;
    }

    Bytes Out;
};

} // namespace giftest
