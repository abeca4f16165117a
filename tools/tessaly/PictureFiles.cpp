// Face types by file name, and their names.
#include "AuthoringCommands.h"
#include "platform/Translate.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

std::int32_t FaceTypeOfFile(const std::string& fileName)
{
    std::string ext = std::filesystem::path(fileName).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ext == ".gif")
        return 1;
    if (ext == ".jpg" || ext == ".jpeg")
        return 2;
    if (ext == ".bmp")
        return 0;
    throw ETessalyError(FillIn(Tr("tessaly", "%1: unknown picture kind (use .gif, .jpg, .jpeg or .bmp)"), {fileName}));
}

std::string FaceTypeName(std::int32_t faceType)
{
    switch (faceType) {
    case 1: return "GIF";
    case 2: return "JPEG";
    default: return Tr("tessaly", "bitmap");
    }
}

