#include "app/GameFiles.h"

#include "game/GameError.h"
#include "platform/PlatformError.h"

#include <ctime>
#include <system_error>

TWriteOutcome WriteSavedGame(const std::filesystem::path& file, const TSavedGame& game)
{
    return WriteFileAtomically(file, FormatSavedGame(game));
}

TSavedGameFound ReadSavedGame(const std::filesystem::path& file)
{
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return {};
    std::string reason;
    try {
        return {ParseSavedGame(ReadWholeFile(file, MaxSavedGameSize)), {}};
    } catch (const EGameError& e) {
        reason = e.what();
    } catch (const EPlatformError& e) {
        reason = e.what();
    }
    return {std::nullopt, RefuseSavedGame(file, reason)};
}

std::string RefuseSavedGame(const std::filesystem::path& file, const std::string& reason)
{
    const std::string text = "The saved game cannot be resumed: " + reason + ".";
    // The time keeps names apart; a second refusal within the same second
    // gets a number too.
    const std::string stem = file.filename().string() + ".refused-" + RecordDate(std::time(nullptr));
    std::filesystem::path aside = file.parent_path() / stem;
    std::error_code ec;
    for (int n = 2; std::filesystem::exists(aside, ec); ++n)
        aside = file.parent_path() / (stem + "-" + std::to_string(n));
    std::filesystem::rename(file, aside, ec);
    if (ec)
        return text + " It could not be moved aside (" + ec.message() + ") and stays as " + file.string() + ".";
    return text + " It was kept as " + aside.string() + ".";
}

std::vector<TRecord> ReadRecords(const std::filesystem::path& file)
{
    try {
        return ParseRecords(ReadWholeFile(file, MaxRecordsFileSize));
    } catch (const EPlatformError&) {
        return {};
    }
}

TWriteOutcome AppendRecordTo(const std::filesystem::path& file, const TRecord& record)
{
    std::error_code ec;
    const std::string text = std::filesystem::exists(file, ec) ? ReadWholeFile(file, MaxRecordsFileSize) : "";
    return WriteFileAtomically(file, AppendRecord(text, record));
}
