#pragma once
// The card-set information record: entry 0 of every card-set archive, 792
// bytes, little-endian: i32 width, i32 height, i32 face count, i32 face type,
// then three 256-byte short strings (name, an unused one, the ad link) and
// two 32-bit words. Strings are a length byte and Windows-1252 text; here
// they are UTF-8.
//
// Pairs whose two cards differ: the first word (offset 784) holds the four
// bytes "DUET", and the second pictures follow the first ones, entries
// FaceCount + 3 .. 2 * FaceCount + 2, in the same order (pair k's second
// picture is FaceCount entries after its first). A reader that knows nothing
// of this reads a playable set of alike pairs from the same file. Any other
// bytes there (older sets may hold anything) mean both cards are alike.

#include "resources/LumRes.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr std::size_t CardSetInfoSize = 792;

// The pictures that follow the record in a card-set archive.
constexpr std::int32_t AdvertEntry = 1;
constexpr std::int32_t CardBackEntry = 2;
constexpr std::int32_t FirstFaceEntry = 3;

struct TCardSetInfo {
    std::int32_t Width = 0;  // card picture size in pixels
    std::int32_t Height = 0;
    std::int32_t FaceCount = 0; // face pictures in entries 3 onward
    std::int32_t FaceType = 0;  // 1 GIF, 2 JPEG, anything else bitmap
    std::string Name;
    std::string AdLink;
    bool SecondFaces = false; // each pair's second card has a picture of its own
};

// The entry of a face's second picture, in a set with SecondFaces and faceCount faces.
inline std::int32_t SecondFaceEntry(std::int32_t faceCount, std::int32_t firstEntry)
{
    return firstEntry + faceCount;
}

// Decodes a whole record; record must hold CardSetInfoSize bytes.
TCardSetInfo ParseCardSetInfo(const std::uint8_t* record);

// Reads entry 0 of an open archive into a zeroed record and decodes it; a
// shorter entry leaves the missing fields zero. Throws EResourceError when
// the archive has no entry 0 or it cannot be read.
TCardSetInfo ReadCardSetInfo(TLumResReader& reader);

// Encodes a record (tools and tests write card sets with it). Characters
// that Windows-1252 lacks become '?'; strings are cut to 255 bytes.
std::vector<std::uint8_t> MakeCardSetInfo(const TCardSetInfo& info);
