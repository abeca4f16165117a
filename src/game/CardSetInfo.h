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
//
// Names Windows-1252 cannot spell (Cyrillic, Polish, ...): the unused string
// also holds the name as UTF-8 after the marker "UTF-8:", and the name field
// keeps its Windows-1252 form ('?' for what the page lacks), which is all an
// older reader shows. The UTF-8 name is taken only when the marker is there,
// its bytes are valid UTF-8 and their Windows-1252 form begins the name
// field; anything else there (junk in older sets, a copy left behind by a
// tool that renamed the set) leaves the name field as the name.

#include "resources/LumRes.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr std::size_t CardSetInfoSize = 792;

// Bytes of UTF-8 the record holds for a name Windows-1252 cannot spell.
constexpr std::size_t MaxUtf8NameBytes = 249;

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

// Whether every character of the UTF-8 text has a Windows-1252 byte, so
// that the record needs no UTF-8 copy of it.
bool SpelledInCp1252(const std::string& text);

// Encodes a record (tools and tests write card sets with it). Characters
// that Windows-1252 lacks become '?'; strings are cut to 255 characters, the
// name's UTF-8 copy to MaxUtf8NameBytes at a whole character.
std::vector<std::uint8_t> MakeCardSetInfo(const TCardSetInfo& info);
