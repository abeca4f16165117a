#pragma once
// Reads everything a deal needs from a card-set archive into a value of its
// own, so that a set that fails half-way leaves the running game untouched.

#include "game/CardSetInfo.h"
#include "game/Layout.h"
#include "game/Random.h"
#include "resources/Graphic.h"
#include "resources/Stream.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct TCardSet {
    TCardSetInfo Info;
    TLayout Layout;
    std::unique_ptr<TGraphic> Advert;   // entry 1
    std::unique_ptr<TGraphic> CardBack; // entry 2
    // AllFaceSlots entries each; slot k holds pair k+1's face and, in a set
    // whose pairs differ, slot FaceSlots + k its second picture (the other
    // kind of slot stays empty).
    std::vector<std::unique_ptr<TGraphic>> FacePictures;
    std::vector<TMemoryStream> FaceStreams;
    std::vector<std::int32_t> FaceEntries; // slot k: the archive entry of its face
};

// Decodes a picture of the face type (1 GIF, 2 JPEG, anything else bitmap)
// from the stream's position. Throws EResourceError with the decoder's message.
std::unique_ptr<TGraphic> DecodePicture(std::int32_t faceType, TStream& stream);

// Opens the archive, reads and checks the record, chooses the layout for
// pairCount pairs, loads the ad and the back, picks pairCount of the faces
// at random (draws from random) and loads them in archive order. Throws
// EGameError naming the file and the reason.
TCardSet LoadCardSet(const std::string& fileName, std::int32_t pairCount, std::int32_t workAreaWidth,
                     std::int32_t workAreaHeight, TRandom& random);
// The same with the faces given (a saved game's), one entry per pair; an
// entry the set does not hold is refused with EGameError.
TCardSet LoadCardSet(const std::string& fileName, const std::vector<std::int32_t>& faceEntries,
                     std::int32_t workAreaWidth, std::int32_t workAreaHeight);
