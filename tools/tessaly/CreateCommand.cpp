// tessaly create: a card set from face pictures of one kind and size, with
// --pairs two different pictures for the two cards of each pair.
#include "AuthoringCommands.h"

#include "game/CardSetLoader.h"
#include "game/CardSetWriter.h"
#include "game/GameError.h"
#include "platform/Translate.h"
#include "resources/ResourceError.h"

#include <iostream>

namespace {

struct TCreateOptions {
    std::string Name, Link, Back, Ad, Out;
    bool Compress = false;
    bool Pairs = false;
    std::vector<std::string> Faces;
    std::vector<std::string> SecondFaces; // with --pairs, one per face
};

std::string Usage()
{
    return FillIn(Tr("tessaly", "usage: %1"),
                  {"tessaly create --name NAME --link URL --back FILE --ad FILE [--compress] [--pairs] OUT.crd FACE..."});
}

// With --pairs a FACE is FIRST:SECOND, the pictures of a pair's two cards.
void SplitPairs(TCreateOptions& options)
{
    std::vector<std::string> firsts;
    for (const std::string& face : options.Faces) {
        const std::size_t colon = face.find(':');
        if (colon == std::string::npos || colon == 0 || colon + 1 == face.size()
            || face.find(':', colon + 1) != std::string::npos)
            throw ETessalyError(
                FillIn(Tr("tessaly", "--pairs: %1 is not FIRST:SECOND, two picture files joined by one colon"), {face}));
        firsts.push_back(face.substr(0, colon));
        options.SecondFaces.push_back(face.substr(colon + 1));
    }
    options.Faces = std::move(firsts);
}

TCreateOptions ParseOptions(const TCommandArgs& args)
{
    TCreateOptions options;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string* value = arg == "--name" ? &options.Name
                           : arg == "--link" ? &options.Link
                           : arg == "--back" ? &options.Back
                           : arg == "--ad"   ? &options.Ad
                                             : nullptr;
        if (value) {
            if (i + 1 >= args.size())
                throw ETessalyError(FillIn(Tr("tessaly", "%1 needs a value; %2"), {arg, Usage()}));
            *value = args[++i];
        } else if (arg == "--compress") {
            options.Compress = true;
        } else if (arg == "--pairs") {
            options.Pairs = true;
        } else if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            throw ETessalyError(FillIn(Tr("tessaly", "unknown option %1; %2"), {arg, Usage()}));
        } else {
            positional.push_back(arg);
        }
    }
    if (options.Name.empty() || options.Back.empty() || options.Ad.empty() || positional.size() < 2)
        throw ETessalyError(Usage());
    options.Out = positional.front();
    options.Faces.assign(positional.begin() + 1, positional.end());
    if (options.Pairs)
        SplitPairs(options);
    return options;
}

struct TLoaded {
    std::vector<std::uint8_t> Bytes;
    int Width = 0;
    int Height = 0;
};

TLoaded Load(const std::string& fileName, std::int32_t faceType)
{
    TLoaded loaded;
    try {
        loaded.Bytes = ReadWholeFile(fileName);
        TMemoryStream stream(loaded.Bytes);
        const std::unique_ptr<TGraphic> picture = DecodePicture(faceType, stream);
        loaded.Width = picture->Width();
        loaded.Height = picture->Height();
    } catch (const EResourceError& e) {
        throw ETessalyError(FillIn(Tr("tessaly", "%1: not a readable %2 picture (%3)"),
                                   {fileName, FaceTypeName(faceType), e.what()}));
    }
    if (loaded.Width < 1 || loaded.Height < 1)
        throw ETessalyError(FillIn(Tr("tessaly", "%1: the picture is empty"), {fileName}));
    return loaded;
}

std::string SizeText(int width, int height) { return std::to_string(width) + "x" + std::to_string(height); }

} // namespace

int CreateCommand(const TCommandArgs& args, std::ostream& out)
{
    const TCreateOptions options = ParseOptions(args);
    // Every picture of every card, first pictures then second ones, is of one kind and size.
    std::vector<std::string> files = options.Faces;
    files.insert(files.end(), options.SecondFaces.begin(), options.SecondFaces.end());
    const std::int32_t faceType = FaceTypeOfFile(files.front());
    for (const std::string& face : files) {
        const std::int32_t type = FaceTypeOfFile(face);
        if (type != faceType)
            throw ETessalyError(FillIn(Tr("tessaly", "faces mix picture kinds: %1 is %2 but %3 is %4"),
                                       {files.front(), FaceTypeName(faceType), face, FaceTypeName(type)}));
    }

    TCardSetContent content;
    std::vector<TCardSetPicture> pictures;
    int width = 0, height = 0;
    for (const std::string& face : files) {
        TLoaded loaded = Load(face, faceType);
        if (pictures.empty()) {
            width = loaded.Width;
            height = loaded.Height;
        } else if (loaded.Width != width || loaded.Height != height) {
            throw ETessalyError(FillIn(Tr("tessaly", "faces differ in size: %1 is %2 but %3 is %4"),
                                       {files.front(), SizeText(width, height), face,
                                        SizeText(loaded.Width, loaded.Height)}));
        }
        const TPictureStorage storage = options.Compress ? TPictureStorage::Compressed
                                        : faceType == 0  ? TPictureStorage::Bitmap
                                                         : TPictureStorage::Stored;
        pictures.push_back({std::move(loaded.Bytes), storage});
    }
    const auto seconds = pictures.begin() + static_cast<std::ptrdiff_t>(options.Faces.size());
    content.Faces.assign(std::make_move_iterator(pictures.begin()), std::make_move_iterator(seconds));
    content.SecondFaces.assign(std::make_move_iterator(seconds), std::make_move_iterator(pictures.end()));

    // The game loads the advertisement and the back as bitmaps, whatever the faces are.
    const TPictureStorage bitmapStorage = options.Compress ? TPictureStorage::Compressed : TPictureStorage::Bitmap;
    TLoaded back = Load(options.Back, 0);
    if (back.Width != width || back.Height != height)
        throw ETessalyError(FillIn(Tr("tessaly", "%1: the card back is %2 but the faces are %3"),
                                   {options.Back, SizeText(back.Width, back.Height), SizeText(width, height)}));
    TLoaded ad = Load(options.Ad, 0);

    content.Info.Width = width;
    content.Info.Height = height;
    content.Info.FaceType = faceType;
    content.Info.Name = options.Name;
    content.Info.AdLink = options.Link;
    content.Advert = {std::move(ad.Bytes), bitmapStorage};
    content.Back = {std::move(back.Bytes), bitmapStorage};
    TWriteOutcome written;
    try {
        written = WriteCardSet(options.Out, content);
    } catch (const EGameError& e) {
        throw ETessalyError(e.what());
    }
    if (!written.Durable)
        std::cerr << FillIn(Tr("tessaly", "tessaly: warning: %1"), {written.Warning}) << "\n";
    const std::string faces = std::to_string(content.Faces.size());
    out << (options.Pairs ? FillIn(Tr("tessaly", "%1: %2 %3 faces of %4, each with a second picture"),
                                   {options.Out, faces, FaceTypeName(faceType), SizeText(width, height)})
                          : FillIn(Tr("tessaly", "%1: %2 %3 faces of %4"),
                                   {options.Out, faces, FaceTypeName(faceType), SizeText(width, height)}))
        << "\n";
    return 0;
}
