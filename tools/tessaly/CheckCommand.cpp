// tessaly check: opens a set as the game does and decodes every entry with
// the program's decoders, reporting each problem with its entry number, and
// warns of faces that play but look out of place.
#include "AuthoringCommands.h"
#include "FaceBorders.h"

#include "game/CardSetInfo.h"
#include "game/CardSetLoader.h"
#include "game/PairCounts.h"
#include "platform/Translate.h"
#include "resources/ResourceError.h"

#include <cstring>

namespace {

constexpr std::int32_t MinFaces = PairCounts.front(); // the smallest game

std::string NotPlayable(const std::string& fileName, int problems)
{
    return FillIn(Tr("tessaly", "%1: not playable, %2 problem(s)"), {fileName, std::to_string(problems)}) + "\n";
}

class TChecker {
public:
    TChecker(const std::string& fileName, std::ostream& out) : Name(fileName), Out(out) {}

    void Problem(std::int32_t entry, const std::string& text)
    {
        Out << FillIn(Tr("tessaly", "%1: entry %2: %3"), {Name, std::to_string(entry), text}) << "\n";
        ++Problems;
    }
    int ProblemCount() const { return Problems; }
    void Warning(std::int32_t entry, const std::string& text)
    {
        Out << FillIn(Tr("tessaly", "%1: entry %2: warning: %3"), {Name, std::to_string(entry), text}) << "\n";
        ++Warnings;
    }
    int WarningCount() const { return Warnings; }

    // Decodes an entry; returns the picture, or null after reporting why not.
    std::unique_ptr<TGraphic> Decode(TLumResReader& reader, std::int32_t entry, std::int32_t faceType,
                                     const std::string& what)
    {
        try {
            TMemoryStream content;
            reader.LoadEntry(entry, content);
            std::unique_ptr<TGraphic> picture = DecodePicture(faceType, content);
            if (picture->Empty()) {
                Problem(entry, FillIn(Tr("tessaly", "%1 is an empty picture"), {what}));
                return nullptr;
            }
            return picture;
        } catch (const EResourceError& e) {
            Problem(entry, FillIn(Tr("tessaly", "%1 does not decode as %2 (%3)"), {what, FaceTypeName(faceType), e.what()}));
            return nullptr;
        }
    }

    void CheckSize(std::int32_t entry, const TGraphic& picture, const TCardSetInfo& info, const std::string& what)
    {
        if (picture.Width() != info.Width || picture.Height() != info.Height)
            Problem(entry, FillIn(Tr("tessaly", "%1 is %2x%3, not the set's %4x%5"),
                                  {what, std::to_string(picture.Width()), std::to_string(picture.Height()),
                                   std::to_string(info.Width), std::to_string(info.Height)}));
    }

private:
    std::string Name;
    std::ostream& Out;
    int Problems = 0;
    int Warnings = 0;
};

// Entry 0 read as the catalogue reads it: a bounded ReadEntry into 792 bytes.
bool ReadRecord(TLumResReader& reader, TChecker& checker, TCardSetInfo& info)
{
    if (reader.EntryCount() < 1) {
        checker.Problem(0, Tr("tessaly", "missing: the archive holds no entries"));
        return false;
    }
    const TLumResEntry& entry = reader.Entries[0];
    // The game reads the record with a ReadEntry bounded by the stored size,
    // so a record deflated into fewer bytes comes out cut short.
    if (entry.EntryKind < 0 && entry.EntrySize < static_cast<std::int32_t>(CardSetInfoSize)) {
        checker.Problem(0, FillIn(Tr("tessaly", "the record is compressed into %1 bytes; the game inflates only "
                                                "that many of its %2"),
                                  {std::to_string(entry.EntrySize), std::to_string(CardSetInfoSize)}));
        return false;
    }
    if (entry.EntrySize < static_cast<std::int32_t>(CardSetInfoSize)) {
        checker.Problem(0, FillIn(Tr("tessaly", "the record is %1 bytes, not %2"),
                                  {std::to_string(entry.EntrySize), std::to_string(CardSetInfoSize)}));
        return false;
    }
    std::uint8_t record[CardSetInfoSize];
    std::memset(record, 0, sizeof record);
    try {
        reader.ReadEntry(0, record, sizeof record);
    } catch (const EResourceError& e) {
        checker.Problem(0, FillIn(Tr("tessaly", "the record cannot be read (%1)"), {e.what()}));
        return false;
    }
    info = ParseCardSetInfo(record);
    bool usable = true;
    if (info.Width <= 0 || info.Height <= 0) {
        checker.Problem(0, FillIn(Tr("tessaly", "the card size %1x%2 is not positive"),
                                  {std::to_string(info.Width), std::to_string(info.Height)}));
        usable = false;
    }
    if (info.FaceCount < MinFaces)
        checker.Problem(0, FillIn(Tr("tessaly", "the set has %1 faces, fewer than the %2 a game needs"),
                                  {std::to_string(info.FaceCount), std::to_string(MinFaces)}));
    if (info.FaceCount > reader.EntryCount() - FirstFaceEntry) {
        checker.Problem(0, FillIn(Tr("tessaly", "the record names %1 faces but the archive holds %2"),
                                  {std::to_string(info.FaceCount),
                                   std::to_string(std::max(reader.EntryCount() - FirstFaceEntry, 0))}));
        info.FaceCount = std::max(reader.EntryCount() - FirstFaceEntry, 0);
    } else if (info.SecondFaces && info.FaceCount > (reader.EntryCount() - FirstFaceEntry) / 2) {
        checker.Problem(0, FillIn(Tr("tessaly", "the record marks pairs that differ, but the archive holds %1 "
                                                "second pictures for its %2 faces"),
                                  {std::to_string(reader.EntryCount() - FirstFaceEntry - info.FaceCount),
                                   std::to_string(info.FaceCount)}));
        usable = false;
    }
    return usable;
}

// Decodes the faces of one side (first pictures, or second ones) and warns
// of a face whose border is unlike the others of that side: the two sides of
// a set may well be drawn differently.
void CheckFaces(TLumResReader& reader, TChecker& checker, const TCardSetInfo& info, bool second)
{
    std::vector<std::int32_t> bandEntries;
    std::vector<std::vector<std::uint8_t>> bands;
    const auto name = [second](std::int32_t face) {
        return FillIn(second ? Tr("tessaly", "face %1's second picture") : Tr("tessaly", "face %1"),
                      {std::to_string(face)});
    };
    for (std::int32_t face = 1; face <= info.FaceCount; ++face) {
        const std::int32_t first = FirstFaceEntry + face - 1;
        const std::int32_t entry = second ? SecondFaceEntry(info.FaceCount, first) : first;
        if (auto picture = checker.Decode(reader, entry, info.FaceType, name(face))) {
            checker.CheckSize(entry, *picture, info, name(face));
            bandEntries.push_back(entry);
            bands.push_back(BorderBand(picture->Pixels()));
        }
    }
    for (const std::size_t odd : OddBorders(bands)) {
        const std::int32_t entry = bandEntries[odd];
        const std::int32_t face = (second ? entry - info.FaceCount : entry) - FirstFaceEntry + 1;
        checker.Warning(entry, FillIn(second ? Tr("tessaly", "face %1's second picture has a border unlike the set's "
                                                   "other second pictures")
                                             : Tr("tessaly", "face %1 has a border unlike the set's other faces"),
                                      {std::to_string(face)}));
    }
}

} // namespace

int CheckCommand(const TCommandArgs& args, std::ostream& out)
{
    if (args.size() != 1)
        throw ETessalyError(FillIn(Tr("tessaly", "usage: %1"), {"tessaly check FILE.crd"}));
    TArchiveFile archive(args[0]);
    TLumResReader& reader = archive.Reader();
    TChecker checker(archive.FileName(), out);

    TCardSetInfo info;
    if (!ReadRecord(reader, checker, info)) {
        out << NotPlayable(archive.FileName(), checker.ProblemCount());
        return 1;
    }
    if (reader.EntryCount() > AdvertEntry)
        checker.Decode(reader, AdvertEntry, 0, Tr("tessaly", "the advertisement picture"));
    else
        checker.Problem(AdvertEntry, Tr("tessaly", "missing: there is no advertisement picture"));
    if (reader.EntryCount() > CardBackEntry) {
        const std::string what = Tr("tessaly", "the card back");
        if (auto back = checker.Decode(reader, CardBackEntry, 0, what))
            checker.CheckSize(CardBackEntry, *back, info, what);
    } else {
        checker.Problem(CardBackEntry, Tr("tessaly", "missing: there is no card back"));
    }
    CheckFaces(reader, checker, info, false);
    if (info.SecondFaces)
        CheckFaces(reader, checker, info, true);

    if (checker.ProblemCount() > 0) {
        out << NotPlayable(archive.FileName(), checker.ProblemCount());
        return 1;
    }
    const std::string faces = std::to_string(info.FaceCount);
    const std::string size[] = {std::to_string(info.Width), std::to_string(info.Height)};
    const std::string warnings = std::to_string(checker.WarningCount());
    const std::string summary =
        info.SecondFaces
            ? (checker.WarningCount() > 0
                   ? Tr("tessaly", "%1: playable, %2 %3 faces of %4x%5, each with a second picture, %6 warning(s)")
                   : Tr("tessaly", "%1: playable, %2 %3 faces of %4x%5, each with a second picture"))
            : (checker.WarningCount() > 0 ? Tr("tessaly", "%1: playable, %2 %3 faces of %4x%5, %6 warning(s)")
                                          : Tr("tessaly", "%1: playable, %2 %3 faces of %4x%5"));
    out << FillIn(summary, {archive.FileName(), faces, FaceTypeName(info.FaceType), size[0], size[1], warnings});
    out << "\n";
    return 0;
}
