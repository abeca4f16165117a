#pragma once
// Small skins and card sets written for the app tests into a fresh folder
// laid out like the runnable one: <folder>/kobalind.dat and <folder>/cards/.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A fresh, empty temporary folder named after the running test.
std::filesystem::path FreshTestFolder();

// Writes kobalind.dat with entries 0 to 17: the cover link text, then
// bitmaps of the sizes the main window lays out (cover 429 x 287, bevel
// pieces, button bar 466 x 66, slider track 177 x 18 and thumb, notice
// 200 x 20, options background 386 x 303). Entry 10, the board pattern, is
// BoardColour; the cover is CoverColour with see-through squares of
// CoverCornerSize at its corners.
void WriteTestSkin(const std::filesystem::path& folder);
constexpr std::uint32_t BoardColour = 0xFF204060u;
constexpr std::uint32_t CoverColour = 0xFF3060A0u;
constexpr int CoverCornerSize = 12;
constexpr const char* TestCoverLink = "https://example.com/cover";

struct TTestSet {
    std::string FileName = "test.crd";
    std::string Name = "Test cards";
    std::int32_t FaceType = 0; // 1 GIF, 2 JPEG, else bitmap
    std::int32_t Faces = 8;
    std::int32_t Width = 40;
    std::int32_t Height = 30;
    // A face whose bytes are not a picture of its kind; -1 for none.
    std::int32_t BrokenFace = -1;
    // Each face's second picture, of colour TestFaceColour(SecondTestFace(face)), follows the faces.
    bool SecondFaces = false;
};
constexpr std::int32_t SecondTestFace(std::int32_t face) { return 100 + face; }

// Face i's colour (opaque, distinct for every i below 256).
std::uint32_t TestFaceColour(std::int32_t face);
constexpr std::uint32_t BackColour = 0xFF802020u;

// Writes <folder>/cards/<FileName>: record, ad picture, back, faces. GIF
// faces are one-frame pictures of their colour at the set's size.
void WriteTestSet(const std::filesystem::path& folder, const TTestSet& set);
