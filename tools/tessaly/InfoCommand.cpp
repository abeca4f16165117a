// tessaly info: what an archive holds, as text or as one JSON object.
#include "Commands.h"

#include "game/CardSetInfo.h"
#include "platform/Translate.h"
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
    out << FillIn(Tr("tessaly", "%1: tag %2, %3 entries"),
                  {fileName, std::to_string(reader.Tag), std::to_string(reader.EntryCount())})
        << "\n";
    out << "index\tkind\tsize\toffset\n";
    for (std::int32_t i = 0; i < reader.EntryCount(); ++i) {
        out << i << '\t' << reader.Entries[i].EntryKind << '\t' << reader.Entries[i].EntrySize << '\t'
            << reader.Offsets[i] << '\n';
    }
    if (record) {
        out << FillIn(Tr("tessaly", "card set: %1 x %2 pixels, %3 faces, face type %4"),
                      {std::to_string(record->Width), std::to_string(record->Height),
                       std::to_string(record->FaceCount), std::to_string(record->FaceType)})
            << "\n";
        // Where the second pictures lie, for extract.
        if (record->SecondFaces)
            out << FillIn(Tr("tessaly", "second pictures: entries %1 to %2, face N's at entry N + %3"),
                          {std::to_string(SecondFaceEntry(record->FaceCount, FirstFaceEntry)),
                           std::to_string(SecondFaceEntry(record->FaceCount, FirstFaceEntry + record->FaceCount - 1)),
                           std::to_string(SecondFaceEntry(record->FaceCount, FirstFaceEntry - 1))})
                << "\n";
        out << FillIn(Tr("tessaly", "name: %1"), {record->Name}) << "\n"
            << FillIn(Tr("tessaly", "link: %1"), {record->AdLink}) << "\n";
    }
}

} // namespace

int InfoCommand(const TCommandArgs& args, std::ostream& out)
{
    const bool json = !args.empty() && args[0] == "--json";
    if (args.size() != (json ? 2u : 1u))
        throw ETessalyError(FillIn(Tr("tessaly", "usage: %1"), {"tessaly info [--json] FILE"}));
    TArchiveFile archive(args.back());
    const std::optional<TCardSetInfo> record = CardSetRecord(archive.Reader());
    if (json)
        WriteJson(archive.Reader(), record, out);
    else
        WriteText(archive.FileName(), archive.Reader(), record, out);
    return 0;
}
