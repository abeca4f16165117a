// skinmaker OUTDIR [--preview PNGDIR]
// Draws the default skin, card sets and sounds into the runnable folder:
// OUTDIR/kobalind.dat, OUTDIR/cards/*.crd, OUTDIR/good.wav, OUTDIR/bad.wav,
// and the same skin and sets at twice the resolution, OUTDIR/kobalind@2x.dat
// and OUTDIR/cards/@2x/*.crd.
// Nothing depends on the clock or on chance: every run writes the same bytes.
#include "CardSets.h"
#include "Emoji.h"
#include "Skin.h"
#include "Theme.h"
#include "Wave.h"

#include "platform/AtomicFile.h"
#include "resources/LumRes.h"
#include "resources/Stream.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

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

int Run(int argc, char** argv)
{
    if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--preview")) {
        std::fprintf(stderr, "usage: skinmaker OUTDIR [--preview PNGDIR]\n");
        return 2;
    }
    const std::filesystem::path out = argv[1];
    std::filesystem::create_directories(out / "cards" / "@2x");

    const TEmojiFont emoji;
    const std::vector<std::uint8_t> skin = Skin::BuildSkinArchive(emoji);
    WriteFile(out / "kobalind.dat", skin);
    if (argc == 4)
        WritePreview(argv[3], skin);
    for (const TCardSetFile& set : BuildCardSets(emoji))
        WriteFile(out / "cards" / set.FileName, set.Bytes);
    {
        const Theme::TDrawScale sharp(2);
        WriteFile(out / "kobalind@2x.dat", Skin::BuildSkinArchive(emoji));
        for (const TCardSetFile& set : BuildCardSets(emoji))
            WriteFile(out / "cards" / "@2x" / set.FileName, set.Bytes);
    }
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
