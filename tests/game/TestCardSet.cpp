#include "TestCardSet.h"

#include "../resources/PictureTestSupport.h"

#include "resources/LumResWriter.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

std::uint32_t FaceColour(std::int32_t face)
{
    return 0xFF000000u | static_cast<std::uint32_t>(face * 0x010203 + 0x102030);
}

std::vector<std::uint8_t> GifFaceBytes(std::int32_t face)
{
    std::vector<std::uint8_t> bytes = {'G', 'I', 'F', '8', '9', 'a'};
    bytes.push_back(static_cast<std::uint8_t>(face));
    return bytes;
}

std::string WriteTestCardSet(const std::string& name, const TTestCardSet& set)
{
    const std::vector<std::uint8_t> notAPicture = {'n', 'o', 'p', 'e'};
    TLumResWriter writer;
    writer.AddStored(MakeCardSetInfo(set.Info));
    writer.AddBitmap(SolidBitmapFile(8, 6, 0xFF00FF00u)); // the ad
    writer.AddBitmap(set.BrokenCardBack ? notAPicture : SolidBitmapFile(4, 3, 0xFF0000FFu));
    const std::int32_t faces = set.FaceEntries >= 0 ? set.FaceEntries : set.Info.FaceCount;
    for (std::int32_t i = 0; i < (set.Info.SecondFaces ? 2 * faces : faces); ++i) {
        const std::int32_t face = i < faces ? i : SecondFace(i - faces);
        if (i == set.BrokenFace)
            writer.AddStored(notAPicture);
        else if (set.Info.FaceType == 1)
            writer.AddStored(GifFaceBytes(face));
        else
            writer.AddCompressed(SolidBitmapFile(4, 3, FaceColour(face)));
    }
    // ctest runs each test in its own process, several at once: the process id
    // keeps one test's set from being rewritten while another reads it.
    const std::string path =
        (std::filesystem::path(testing::TempDir()) / (name + "-" + std::to_string(getpid()) + ".crd")).string();
    writer.SaveToFile(path);
    return path;
}
