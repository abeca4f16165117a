#pragma once
// 32-bit integers stored little-endian, as the archive, the card-set record
// and the saved game keep them. The caller makes sure the bytes are there.

#include <cstdint>

inline std::int32_t GetInt32LE(const std::uint8_t* p)
{
    return static_cast<std::int32_t>(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
                                     std::uint32_t(p[3]) << 24);
}

inline void PutInt32LE(std::uint8_t* p, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Appends the four bytes to a byte vector or a string.
template <typename TBytes> void AppendInt32LE(TBytes& out, std::int32_t value)
{
    std::uint8_t bytes[4];
    PutInt32LE(bytes, value);
    for (std::uint8_t b : bytes)
        out.push_back(static_cast<typename TBytes::value_type>(b));
}
