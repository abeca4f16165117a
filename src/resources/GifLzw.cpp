#include "GifLzw.h"

#include <cassert>

namespace {

constexpr int MaxCodeBits = 12;
constexpr int TableSize = 1 << MaxCodeBits;

// Least significant bit first, as GIF packs its codes.
class TBitReader {
public:
    TBitReader(const std::uint8_t* data, std::size_t size) : P(data), End(data + size) {}

    // Returns -1 when the data runs out before a whole code.
    int Read(int bits)
    {
        while (Count < bits) {
            if (P == End)
                return -1;
            Buffer |= std::uint32_t(*P++) << Count;
            Count += 8;
        }
        const int code = static_cast<int>(Buffer & ((1u << bits) - 1));
        Buffer >>= bits;
        Count -= bits;
        return code;
    }

private:
    const std::uint8_t* P;
    const std::uint8_t* End;
    std::uint32_t Buffer = 0;
    int Count = 0;
};

struct TCodeTable {
    std::uint16_t Prefix[TableSize];
    std::uint16_t Length[TableSize];
    std::uint8_t Suffix[TableSize];
    std::uint8_t First[TableSize];
};

} // namespace

std::size_t GifLzwDecode(int minCodeSize, const std::uint8_t* data, std::size_t size, std::uint8_t* out,
                         std::size_t capacity)
{
    assert(minCodeSize >= GifLzwMinCodeSize && minCodeSize <= GifLzwMaxCodeSize);
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;

    TCodeTable table;
    for (int c = 0; c < clearCode; ++c) {
        table.Prefix[c] = 0;
        table.Length[c] = 1;
        table.Suffix[c] = static_cast<std::uint8_t>(c);
        table.First[c] = static_cast<std::uint8_t>(c);
    }

    TBitReader bits(data, size);
    int codeSize = minCodeSize + 1;
    int nextFree = clearCode + 2;
    int previous = -1; // no previous code right after a clear
    std::size_t written = 0;

    while (written < capacity) {
        const int code = bits.Read(codeSize);
        if (code < 0 || code == endCode)
            break;
        if (code == clearCode) {
            codeSize = minCodeSize + 1;
            nextFree = clearCode + 2;
            previous = -1;
            continue;
        }
        if (previous < 0) {
            if (code > clearCode)
                break; // only a root code can follow a clear
            out[written++] = static_cast<std::uint8_t>(code);
            previous = code;
            continue;
        }
        if (code > nextFree)
            break; // corrupt; a full table never gets here, as codes stop at 4095

        // The string of code, or for the one code not yet in the table, the
        // previous string followed by its own first index.
        const bool known = code < nextFree;
        const int stem = known ? code : previous;
        const std::uint8_t first = table.First[stem];
        const std::size_t stemLength = table.Length[stem];
        const std::size_t length = known ? stemLength : stemLength + 1;

        // Strings are written from their end backwards; the part beyond the
        // frame is skipped.
        const std::size_t room = capacity - written;
        std::size_t last = length - 1; // position within the string
        int walk = stem;
        if (!known) {
            if (last < room)
                out[written + last] = first;
            --last;
        }
        while (last >= room) {
            walk = table.Prefix[walk];
            --last;
        }
        std::uint8_t* const base = out + written;
        for (;;) {
            base[last] = table.Suffix[walk];
            if (last == 0)
                break;
            walk = table.Prefix[walk];
            --last;
        }
        written += length < room ? length : room;

        if (nextFree < TableSize) {
            table.Prefix[nextFree] = static_cast<std::uint16_t>(previous);
            table.Length[nextFree] = static_cast<std::uint16_t>(table.Length[previous] + 1);
            table.Suffix[nextFree] = first;
            table.First[nextFree] = table.First[previous];
            ++nextFree;
            if (nextFree == (1 << codeSize) && codeSize < MaxCodeBits)
                ++codeSize;
        }
        previous = code;
    }
    return written;
}
