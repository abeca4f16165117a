// Face types by file name, and decoding by face type as the game does it.
#include "AuthoringCommands.h"

#include "resources/Bitmap.h"
#include "resources/GifImage.h"
#include "resources/JpegImage.h"

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
    throw ETessalyError(fileName + ": unknown picture kind (use .gif, .jpg, .jpeg or .bmp)");
}

const char* FaceTypeName(std::int32_t faceType)
{
    switch (faceType) {
    case 1: return "GIF";
    case 2: return "JPEG";
    default: return "bitmap";
    }
}

std::unique_ptr<TGraphic> DecodePicture(std::int32_t faceType, TStream& stream)
{
    std::unique_ptr<TGraphic> picture;
    if (faceType == 1)
        picture = std::make_unique<TGIFImage>();
    else if (faceType == 2)
        picture = std::make_unique<TJPEGImage>();
    else
        picture = std::make_unique<TBitmap>();
    picture->LoadFromStream(stream);
    return picture;
}
