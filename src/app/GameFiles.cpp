#include "app/GameFiles.h"

#include "game/GameError.h"
#include "platform/PlatformError.h"
#include "platform/Translate.h"

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
    // The time keeps names apart; a second refusal within the same second
    // gets a number too.
    const std::string stem = file.filename().string() + ".refused-" + RecordDate(std::time(nullptr));
    std::filesystem::path aside = file.parent_path() / stem;
    std::error_code ec;
    for (int n = 2; std::filesystem::exists(aside, ec); ++n)
        aside = file.parent_path() / (stem + "-" + std::to_string(n));
    std::filesystem::rename(file, aside, ec);
    if (ec)
        //: %1: the reason, %2: the system's error, %3: the file.
        return FillIn(Tr("SavedGame", "The saved game cannot be resumed: %1. It could not be moved aside (%2) "
                                      "and stays as %3."),
                      {reason, ec.message(), file.string()});
    //: %1: the reason, %2: the file it was moved to.
    return FillIn(Tr("SavedGame", "The saved game cannot be resumed: %1. It was kept as %2."),
                  {reason, aside.string()});
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
