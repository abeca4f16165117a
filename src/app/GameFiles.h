#pragma once
// The files a game leaves between runs: the game in progress (SavedGame.h),
// written atomically after each turn and when the game is left, read once at
// start-up; and the record of finished games (Records.h) beside it. Paths
// come from the caller (platform/UserFolders.h gives the real ones).

#include "game/Records.h"
#include "game/SavedGame.h"
#include "platform/AtomicFile.h"

#include <filesystem>
#include <optional>
#include <string>

// Replaces the file with the game and says whether it is surely on the disk
// (AtomicFile.h); throws EPlatformError (the old file then stays as it was).
[[nodiscard]] TWriteOutcome WriteSavedGame(const std::filesystem::path& file, const TSavedGame& game);

// What start-up finds: no file, a game to offer, or a file that cannot be
// read, which has been moved aside (KeepAside) and is named with the reason.
struct TSavedGameFound {
    std::optional<TSavedGame> Game;
    std::string Problem; // empty unless the file was refused
};
TSavedGameFound ReadSavedGame(const std::filesystem::path& file);

// Renames a saved game that cannot be resumed to "<name>.refused-<UTC time>"
// beside it, so it is never lost silently, and returns the message for the
// user: the reason and where the file went (or why it could not be moved).
std::string RefuseSavedGame(const std::filesystem::path& file, const std::string& reason);

// The records in the file; a missing, unreadable or oversized file has none.
std::vector<TRecord> ReadRecords(const std::filesystem::path& file);
// Appends the record, keeping the newest MaxRecords lines, atomically, and
// says whether the file is surely on the disk. Throws EPlatformError when the
// file cannot be read (then it stays as it is) or written.
[[nodiscard]] TWriteOutcome AppendRecordTo(const std::filesystem::path& file, const TRecord& record);
