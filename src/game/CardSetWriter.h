#pragma once
// Writing card-set archives, for tessaly, the skin maker and the game's own
// maker of sets from pictures.
//
// PROVISIONAL in this branch: the declared shape of the shared writer, so the
// picture maker builds and is tested against it; the shared unit replaces
// this file when it lands.

#include "game/CardSetInfo.h"
#include "platform/AtomicFile.h"

#include <cstdint>
#include <string>
#include <vector>

enum class TPictureStorage { Stored, Bitmap, Compressed };

struct TCardSetPicture {
    std::vector<std::uint8_t> Bytes;
    TPictureStorage Storage = TPictureStorage::Stored;
};

struct TCardSetContent {
    TCardSetInfo Info; // FaceCount is set by the writer
    TCardSetPicture Advert, Back;
    std::vector<TCardSetPicture> Faces;       // one per pair
    std::vector<TCardSetPicture> SecondFaces; // empty, or one per face: pairs whose cards differ
};

// The archive's bytes; throws EGameError on content no game can play.
std::vector<std::uint8_t> BuildCardSetArchive(const TCardSetContent& content);

// Builds and writes atomically; throws EGameError naming the file on failure.
TWriteOutcome WriteCardSet(const std::string& fileName, const TCardSetContent& content);
