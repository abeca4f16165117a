// tessaly info: what an archive holds, as text or as one JSON object.
#include "Commands.h"

#include "game/CardSetInfo.h"
#include "resources/ResourceError.h"

#include <optional>

namespace {

// The record, when entry 0 is exactly one; an entry that cannot be read is
// simply not a record.
std::optional<TCardSetInfo> CardSetRecord(TLumResReader& reader)
{
    if (reader.EntryCount() < 1)
        return std::nullopt;
    try {
        TMemoryStream content;
        reader.CopyEntry(0, content);
        if (content.Size() != static_cast<std::int64_t>(CardSetInfoSize))
            return std::nullopt;
        return ParseCardSetInfo(content.Memory());
    } catch (const EResourceError&) {
        return std::nullopt;
    }
}

void WriteJson(TLumResReader& reader, const std::optional<TCardSetInfo>& record, std::ostream& out)
{
    out << "{\"tag\":" << reader.Tag << ",\"entries\":[";
    for (std::int32_t i = 0; i < reader.EntryCount(); ++i) {
        out << (i ? "," : "") << "{\"index\":" << i << ",\"kind\":" << reader.Entries[i].EntryKind
            << ",\"size\":" << reader.Entries[i].EntrySize << ",\"offset\":" << reader.Offsets[i] << "}";
    }
    out << "]";
    if (record) {
        out << ",\"cardset\":{\"width\":" << record->Width << ",\"height\":" << record->Height
            << ",\"faces\":" << record->FaceCount << ",\"faceType\":" << record->FaceType
            << ",\"name\":" << JsonQuote(record->Name) << ",\"link\":" << JsonQuote(record->AdLink)
            << ",\"secondFaces\":" << (record->SecondFaces ? "true" : "false") << "}";
    }
    out << "}\n";
}

void WriteText(const std::string& fileName, TLumResReader& reader, const std::optional<TCardSetInfo>& record,
               std::ostream& out)
{
    out << fileName << ": tag " << reader.Tag << ", " << reader.EntryCount() << " entries\n";
    out << "index\tkind\tsize\toffset\n";
    for (std::int32_t i = 0; i < reader.EntryCount(); ++i) {
        out << i << '\t' << reader.Entries[i].EntryKind << '\t' << reader.Entries[i].EntrySize << '\t'
            << reader.Offsets[i] << '\n';
    }
    if (record) {
        out << "card set: " << record->Width << " x " << record->Height << " pixels, " << record->FaceCount
            << " faces, face type " << record->FaceType << "\n";
        // Where the second pictures lie, for extract.
        if (record->SecondFaces)
            out << "second pictures: entries " << SecondFaceEntry(record->FaceCount, FirstFaceEntry) << " to "
                << SecondFaceEntry(record->FaceCount, FirstFaceEntry + record->FaceCount - 1) << ", face N's at entry N + "
                << SecondFaceEntry(record->FaceCount, FirstFaceEntry - 1) << "\n";
        out << "name: " << record->Name << "\nlink: " << record->AdLink << "\n";
    }
}

} // namespace

int InfoCommand(const TCommandArgs& args, std::ostream& out)
{
    const bool json = !args.empty() && args[0] == "--json";
    if (args.size() != (json ? 2u : 1u))
        throw ETessalyError("usage: tessaly info [--json] FILE");
    TArchiveFile archive(args.back());
    const std::optional<TCardSetInfo> record = CardSetRecord(archive.Reader());
    if (json)
        WriteJson(archive.Reader(), record, out);
    else
        WriteText(archive.FileName(), archive.Reader(), record, out);
    return 0;
}
