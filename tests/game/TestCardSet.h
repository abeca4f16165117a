#pragma once
// Writes small card-set archives for the game tests.

#include "game/CardSetInfo.h"

#include <cstdint>
#include <string>
#include <vector>

struct TTestCardSet {
    TCardSetInfo Info {120, 90, 8, 3, "Test set", "https://example.com/ad"};
    // Face entries actually written; -1: as many as Info.FaceCount says.
    std::int32_t FaceEntries = -1;
    bool BrokenCardBack = false;
    std::int32_t BrokenFace = -1; // 0-based face whose bytes are not a picture
};

// Face i of a bitmap set is a 4 x 3 picture of one colour, FaceColour(i);
// with Info.SecondFaces its second picture is face SecondFace(i)'s.
constexpr std::int32_t SecondFace(std::int32_t face) { return 100 + face; }
std::uint32_t FaceColour(std::int32_t face);
// The bytes of face i of a GIF set (the game keeps them undecoded).
std::vector<std::uint8_t> GifFaceBytes(std::int32_t face);

// Writes the set into the test's temporary folder and returns its path.
std::string WriteTestCardSet(const std::string& name, const TTestCardSet& set = {});
