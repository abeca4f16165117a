// tessaly extract: one entry's content, exactly as the game reads it.
#include "Commands.h"

#include "platform/Translate.h"
#include "resources/ResourceError.h"

#include <charconv>
#include <fstream>

namespace {

std::int32_t ParseEntryNumber(const std::string& fileName, const std::string& text)
{
    std::int32_t value = -1;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < 0)
        throw ETessalyError(FillIn(Tr("tessaly", "%1: '%2' is not an entry number"), {fileName, text}));
    return value;
}

} // namespace

int ExtractCommand(const TCommandArgs& args, std::ostream& out)
{
    if (args.size() != 3)
        throw ETessalyError(FillIn(Tr("tessaly", "usage: %1"), {"tessaly extract FILE N OUT"}));
    const std::string& fileName = args[0];
    const std::string& target = args[2];
    TArchiveFile archive(fileName);
    const std::int32_t index = ParseEntryNumber(fileName, args[1]);

    TMemoryStream content;
    try {
        archive.Reader().CopyEntry(index, content);
    } catch (const EResourceError& e) {
        throw ETessalyError(fileName + ": " + e.what());
    }
    const auto* bytes = reinterpret_cast<const char*>(content.Memory());
    const auto size = static_cast<std::streamsize>(content.Size());

    if (target == "-") {
        out.write(bytes, size);
        out.flush();
        return 0;
    }
    std::ofstream file(target, std::ios::binary | std::ios::trunc);
    if (!file.write(bytes, size) || !file.flush())
        throw ETessalyError(FillIn(Tr("tessaly", "%1: cannot be written"), {target}));
    return 0;
}
