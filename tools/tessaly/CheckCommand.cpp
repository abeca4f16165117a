// tessaly check: opens a set as the game does and decodes every entry with
// the program's decoders, reporting each problem with its entry number, and
// warns of faces that play but look out of place.
#include "AuthoringCommands.h"
#include "FaceBorders.h"

#include "game/CardSetInfo.h"
#include "game/CardSetLoader.h"
#include "game/PairCounts.h"
#include "resources/ResourceError.h"

#include <cstring>

namespace {

constexpr std::int32_t MinFaces = PairCounts.front(); // the smallest game

class TChecker {
public:
    TChecker(const std::string& fileName, std::ostream& out) : Name(fileName), Out(out) {}

    void Problem(std::int32_t entry, const std::string& text)
    {
        Out << Name << ": entry " << entry << ": " << text << "\n";
        ++Problems;
    }
    int ProblemCount() const { return Problems; }
    void Warning(std::int32_t entry, const std::string& text)
    {
        Out << Name << ": entry " << entry << ": warning: " << text << "\n";
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
                Problem(entry, what + " is an empty picture");
                return nullptr;
            }
            return picture;
        } catch (const EResourceError& e) {
            Problem(entry, what + " does not decode as " + FaceTypeName(faceType) + " (" + e.what() + ")");
            return nullptr;
        }
    }

    void CheckSize(std::int32_t entry, const TGraphic& picture, const TCardSetInfo& info, const std::string& what)
    {
        if (picture.Width() != info.Width || picture.Height() != info.Height)
            Problem(entry, what + " is " + std::to_string(picture.Width()) + "x" + std::to_string(picture.Height())
                               + ", not the set's " + std::to_string(info.Width) + "x" + std::to_string(info.Height));
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
        checker.Problem(0, "missing: the archive holds no entries");
        return false;
    }
    const TLumResEntry& entry = reader.Entries[0];
    // The game reads the record with a ReadEntry bounded by the stored size,
    // so a record deflated into fewer bytes comes out cut short.
    if (entry.EntryKind < 0 && entry.EntrySize < static_cast<std::int32_t>(CardSetInfoSize)) {
        checker.Problem(0, "the record is compressed into " + std::to_string(entry.EntrySize)
                               + " bytes; the game inflates only that many of its " + std::to_string(CardSetInfoSize));
        return false;
    }
    if (entry.EntrySize < static_cast<std::int32_t>(CardSetInfoSize)) {
        checker.Problem(0, "the record is " + std::to_string(entry.EntrySize) + " bytes, not "
                               + std::to_string(CardSetInfoSize));
        return false;
    }
    std::uint8_t record[CardSetInfoSize];
    std::memset(record, 0, sizeof record);
    try {
        reader.ReadEntry(0, record, sizeof record);
    } catch (const EResourceError& e) {
        checker.Problem(0, std::string("the record cannot be read (") + e.what() + ")");
        return false;
    }
    info = ParseCardSetInfo(record);
    bool usable = true;
    if (info.Width <= 0 || info.Height <= 0) {
        checker.Problem(0, "the card size " + std::to_string(info.Width) + "x" + std::to_string(info.Height)
                               + " is not positive");
        usable = false;
    }
    if (info.FaceCount < MinFaces)
        checker.Problem(0, "the set has " + std::to_string(info.FaceCount) + " faces, fewer than the "
                               + std::to_string(MinFaces) + " a game needs");
    if (info.FaceCount > reader.EntryCount() - FirstFaceEntry) {
        checker.Problem(0, "the record names " + std::to_string(info.FaceCount) + " faces but the archive holds "
                               + std::to_string(std::max(reader.EntryCount() - FirstFaceEntry, 0)));
        info.FaceCount = std::max(reader.EntryCount() - FirstFaceEntry, 0);
    } else if (info.SecondFaces && info.FaceCount > (reader.EntryCount() - FirstFaceEntry) / 2) {
        checker.Problem(0, "the record marks pairs that differ, but the archive holds "
                               + std::to_string(reader.EntryCount() - FirstFaceEntry - info.FaceCount)
                               + " second pictures for its " + std::to_string(info.FaceCount) + " faces");
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
        return "face " + std::to_string(face) + (second ? "'s second picture" : "");
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
        checker.Warning(entry, name(face) + " has a border unlike the set's other "
                                   + (second ? "second pictures" : "faces"));
    }
}

} // namespace

int CheckCommand(const TCommandArgs& args, std::ostream& out)
{
    if (args.size() != 1)
        throw ETessalyError("usage: tessaly check FILE.crd");
    TArchiveFile archive(args[0]);
    TLumResReader& reader = archive.Reader();
    TChecker checker(archive.FileName(), out);

    TCardSetInfo info;
    if (!ReadRecord(reader, checker, info)) {
        out << archive.FileName() << ": not playable, " << checker.ProblemCount() << " problem(s)\n";
        return 1;
    }
    if (reader.EntryCount() > AdvertEntry)
        checker.Decode(reader, AdvertEntry, 0, "the advertisement picture");
    else
        checker.Problem(AdvertEntry, "missing: there is no advertisement picture");
    if (reader.EntryCount() > CardBackEntry) {
        if (auto back = checker.Decode(reader, CardBackEntry, 0, "the card back"))
            checker.CheckSize(CardBackEntry, *back, info, "the card back");
    } else {
        checker.Problem(CardBackEntry, "missing: there is no card back");
    }
    CheckFaces(reader, checker, info, false);
    if (info.SecondFaces)
        CheckFaces(reader, checker, info, true);

    if (checker.ProblemCount() > 0) {
        out << archive.FileName() << ": not playable, " << checker.ProblemCount() << " problem(s)\n";
        return 1;
    }
    out << archive.FileName() << ": playable, " << info.FaceCount << " " << FaceTypeName(info.FaceType)
        << " faces of " << info.Width << "x" << info.Height;
    if (info.SecondFaces)
        out << ", each with a second picture";
    if (checker.WarningCount() > 0)
        out << ", " << checker.WarningCount() << " warning(s)";
    out << "\n";
    return 0;
}
