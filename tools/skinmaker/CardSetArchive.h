#pragma once
// Assembles a card-set archive as the game reads it: the 792-byte
// information record (always stored, since the catalogue reads it with a
// bounded ReadEntry), the advertisement picture, the card back, the faces.

#include "game/CardSetInfo.h"

#include <cstdint>
#include <vector>

enum class TPictureStorage {
    Stored,     // kind 0: GIF and JPEG bytes as they are
    Bitmap,     // kind 1: a BMP file without its signature
    Compressed, // a zlib stream
};

struct TArchivePicture {
    std::vector<std::uint8_t> Bytes;
    TPictureStorage Storage = TPictureStorage::Stored;
};

// info.FaceCount is taken from faces.size().
std::vector<std::uint8_t> BuildCardSetArchive(TCardSetInfo info, const TArchivePicture& ad,
                                              const TArchivePicture& back,
                                              const std::vector<TArchivePicture>& faces);
