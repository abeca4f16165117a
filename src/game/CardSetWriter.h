#pragma once
// Writes card-set archives as the game reads them (CardSetInfo.h): the
// 792-byte record (always stored, since the catalogue reads it with a bounded
// ReadEntry), the advertisement picture, the card back, the faces and, for
// pairs whose two cards differ, the second faces after them. tessaly create,
// the default-content generator and the game's own set maker all write here.

#include "game/CardSetInfo.h"
#include "platform/AtomicFile.h"

#include <cstdint>
#include <string>
#include <vector>

enum class TPictureStorage {
    Stored,     // kind 0: GIF and JPEG bytes as they are
    Bitmap,     // kind 1: a BMP file without its signature
    Compressed, // a zlib stream
};

// A complete picture file: of the set's face type for a face (GIF, JPEG, or
// BMP for any other type), BMP for the advertisement and the back.
struct TCardSetPicture {
    std::vector<std::uint8_t> Bytes;
    TPictureStorage Storage = TPictureStorage::Stored;
};

struct TCardSetContent {
    TCardSetInfo Info; // FaceCount and SecondFaces are set by the writer
    TCardSetPicture Advert, Back;
    std::vector<TCardSetPicture> Faces;       // one per pair
    std::vector<TCardSetPicture> SecondFaces; // empty (both cards alike) or one per face
};

// The archive's bytes. Throws EGameError with a clear message on content no
// game can play: fewer faces than the smallest game, SecondFaces neither
// empty nor one per face, a name or link longer than the record holds (255
// characters; for a name Windows-1252 cannot spell, also MaxUtf8NameBytes).
std::vector<std::uint8_t> BuildCardSetArchive(const TCardSetContent& content);

// Builds and replaces the file atomically: a game reading the old set
// meanwhile, or a failure half-way, never meets a half-written archive.
// Throws EGameError (naming the file when it could not be written).
TWriteOutcome WriteCardSet(const std::string& fileName, const TCardSetContent& content);
