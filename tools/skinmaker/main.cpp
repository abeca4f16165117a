// skinmaker OUTDIR [--preview PNGDIR] [--translation kobalind_LANG.qm]...
// Draws the default skin, card sets and sounds into the runnable folder:
// OUTDIR/kobalind.dat, OUTDIR/cards/*.crd, OUTDIR/good.wav, OUTDIR/bad.wav,
// and the same skin and sets at twice the resolution, OUTDIR/kobalind@2x.dat
// and OUTDIR/cards/@2x/*.crd. For each translation, the overlay of the
// skin's captions in that language at both resolutions,
// OUTDIR/kobalind_LANG.dat and OUTDIR/kobalind_LANG@2x.dat, and the overlays
// of the sets' advertisements, OUTDIR/cards/LANG/*.crd.
// Nothing depends on the clock or on chance: every run writes the same bytes.
// A caption that does not fit its place, in any language, fails the run.
#include "Captions.h"
#include "CardSets.h"
#include "Emoji.h"
#include "Skin.h"
#include "Theme.h"
#include "Wave.h"

#include "platform/AtomicFile.h"
#include "resources/LumRes.h"
#include "resources/Stream.h"

#include <QGuiApplication>
#include <QTranslator>

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// The build may run while a game still reads the old files: replace, never overwrite.
void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    const TWriteOutcome written = WriteFileAtomically(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
    if (!written.Durable)
        std::fprintf(stderr, "skinmaker: warning: %s\n", written.Warning.c_str());
}

// Writes every picture of the skin archive as NN.png, to look at the skin
// while drawing it.
void WritePreview(const std::filesystem::path& dir, const std::vector<std::uint8_t>& skin)
{
    std::filesystem::create_directories(dir);
    TMemoryStream archive(skin);
    TLumResReader reader;
    reader.Stream = &archive;
    reader.ReadHeader();
    for (std::int32_t entry = 1; entry < reader.EntryCount(); ++entry) {
        TMemoryStream bytes;
        reader.CopyEntry(entry, bytes);
        QImage image;
        image.loadFromData(bytes.Memory(), static_cast<int>(bytes.Size()), "BMP");
        char name[16];
        std::snprintf(name, sizeof name, "%02d.png", entry);
        image.save(QString::fromStdString((dir / name).string()));
    }
}

struct TArguments {
    std::filesystem::path Out, Preview;
    std::vector<std::filesystem::path> Translations;
};

bool ParseArguments(int argc, char** argv, TArguments& arguments)
{
    if (argc < 2)
        return false;
    arguments.Out = argv[1];
    for (int i = 2; i < argc; i += 2) {
        const std::string option = argv[i];
        if (i + 1 >= argc)
            return false;
        if (option == "--preview")
            arguments.Preview = argv[i + 1];
        else if (option == "--translation")
            arguments.Translations.emplace_back(argv[i + 1]);
        else
            return false;
    }
    return true;
}

// kobalind_pt_BR.qm is the language pt_BR.
std::string LanguageOf(const std::filesystem::path& translation)
{
    const std::string stem = translation.stem().string();
    const std::string prefix = "kobalind_";
    if (stem.size() <= prefix.size() || stem.compare(0, prefix.size(), prefix) != 0 || translation.extension() != ".qm")
        throw std::runtime_error("a translation is named kobalind_LANG.qm, not " + translation.filename().string());
    return stem.substr(prefix.size());
}

void WriteCaptionOverlays(const TArguments& arguments, const TEmojiFont& emoji)
{
    for (const std::filesystem::path& file : arguments.Translations) {
        const std::string language = LanguageOf(file);
        QTranslator translator;
        if (!translator.load(QString::fromStdString(file.string())))
            throw std::runtime_error("cannot read the translation " + file.string());
        const Theme::TDrawLanguage drawn(QString::fromStdString(language), translator);
        WriteFile(arguments.Out / ("kobalind_" + language + ".dat"), Skin::BuildCaptionOverlay(emoji));
        std::filesystem::create_directories(arguments.Out / "cards" / language);
        for (const TCardSetFile& set : BuildAdvertOverlays(emoji))
            WriteFile(arguments.Out / "cards" / language / set.FileName, set.Bytes);
        const Theme::TDrawScale sharp(2);
        WriteFile(arguments.Out / ("kobalind_" + language + "@2x.dat"), Skin::BuildCaptionOverlay(emoji));
    }
}

int Run(int argc, char** argv)
{
    TArguments arguments;
    if (!ParseArguments(argc, argv, arguments)) {
        std::fprintf(stderr, "usage: skinmaker OUTDIR [--preview PNGDIR] [--translation kobalind_LANG.qm]...\n");
        return 2;
    }
    const std::filesystem::path& out = arguments.Out;
    std::filesystem::create_directories(out / "cards" / "@2x");

    const TEmojiFont emoji;
    const std::vector<std::uint8_t> skin = Skin::BuildSkinArchive(emoji);
    WriteFile(out / "kobalind.dat", skin);
    if (!arguments.Preview.empty())
        WritePreview(arguments.Preview, skin);
    for (const TCardSetFile& set : BuildCardSets(emoji))
        WriteFile(out / "cards" / set.FileName, set.Bytes);
    {
        const Theme::TDrawScale sharp(2);
        WriteFile(out / "kobalind@2x.dat", Skin::BuildSkinArchive(emoji));
        for (const TCardSetFile& set : BuildCardSets(emoji))
            WriteFile(out / "cards" / "@2x" / set.FileName, set.Bytes);
    }
    WriteCaptionOverlays(arguments, emoji);
    WriteFile(out / "good.wav", MakeWaveFile(SynthesizeChime(WaveSampleRate), WaveSampleRate));
    WriteFile(out / "bad.wav", MakeWaveFile(SynthesizeBuzz(WaveSampleRate), WaveSampleRate));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skinmaker: %s\n", e.what());
        return 1;
    }
}
