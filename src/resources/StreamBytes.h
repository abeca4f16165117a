#pragma once
// The bytes from a stream's position to its end, as a decoder of a whole
// file wants them: a view into a memory stream's buffer, otherwise a copy.
// At most MaxPictureFileBytes are taken, so a huge file cannot make the copy
// unbounded; the stream is left after the bytes taken.

#include "Graphic.h"
#include "Stream.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

struct TStreamBytes {
    const std::uint8_t* Data = nullptr;
    std::size_t Size = 0;
    std::vector<std::uint8_t> Copy; // holds the bytes when the stream is not in memory

    TStreamBytes() = default;
    TStreamBytes(TStreamBytes&&) = default; // a moved vector keeps its buffer, so Data stays valid
    TStreamBytes(const TStreamBytes&) = delete;
    TStreamBytes& operator=(const TStreamBytes&) = delete;
};

inline TStreamBytes RemainingBytes(TStream& stream)
{
    TStreamBytes bytes;
    const std::int64_t position = stream.Position();
    bytes.Size = static_cast<std::size_t>(std::min(stream.Remaining(), MaxPictureFileBytes));
    if (auto* memory = dynamic_cast<TMemoryStream*>(&stream)) {
        bytes.Data = bytes.Size ? memory->Memory() + position : nullptr;
    } else {
        bytes.Copy.resize(bytes.Size);
        stream.ReadBuffer(bytes.Copy.data(), bytes.Size);
        bytes.Data = bytes.Copy.data();
    }
    stream.SetPosition(position + static_cast<std::int64_t>(bytes.Size));
    return bytes;
}
