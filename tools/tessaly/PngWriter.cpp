// Follows the PNG specification (W3C, second edition): signature, IHDR,
// one IDAT, IEND.
#include "PngWriter.h"

#include "Commands.h"
#include "platform/Translate.h"

#include <zlib.h>

#include <fstream>
#include <vector>

namespace {

using TBytes = std::vector<unsigned char>;

void PutU32(TBytes& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(v >> shift));
}

void PutChunk(TBytes& out, const char type[4], const TBytes& data)
{
    PutU32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0, out.data() + typeAt, static_cast<uInt>(out.size() - typeAt));
    PutU32(out, static_cast<std::uint32_t>(crc));
}

} // namespace

void WritePng(const std::string& fileName, const TPixelBuffer& pixels)
{
    TBytes raw;
    raw.reserve(static_cast<std::size_t>(pixels.Height) * (1 + 3 * static_cast<std::size_t>(pixels.Width)));
    for (int y = 0; y < pixels.Height; ++y) {
        raw.push_back(0); // filter: none
        for (int x = 0; x < pixels.Width; ++x) {
            const std::uint32_t c = pixels.At(x, y);
            raw.insert(raw.end(), {static_cast<unsigned char>(c >> 16), static_cast<unsigned char>(c >> 8),
                                   static_cast<unsigned char>(c)});
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    TBytes packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), Z_BEST_SPEED) != Z_OK)
        throw ETessalyError(FillIn(Tr("tessaly", "%1: cannot be compressed"), {fileName}));
    packed.resize(packedSize);

    TBytes header;
    PutU32(header, static_cast<std::uint32_t>(pixels.Width));
    PutU32(header, static_cast<std::uint32_t>(pixels.Height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB, deflate, no filter set, no interlace

    TBytes file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", packed);
    PutChunk(file, "IEND", {});

    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    if (!out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size())) ||
        !out.flush())
        throw ETessalyError(FillIn(Tr("tessaly", "%1: cannot be written"), {fileName}));
}
