#pragma once
// Whole files read with a size limit and replaced atomically: the key files,
// the saved game and the records all go through here.
//
// Replacing writes a temporary file ".<name>.XXXXXX" in the same folder,
// flushes it to disk, renames it over the old file and flushes the folder, so
// a crash or a kill at any moment leaves either the old file or the new one,
// never a mix. The writer holds a lock on its temporary file until the
// rename; a temporary file of the same name pattern that nobody holds was left
// by a killed writer and is removed by the next write of that file.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// The file's bytes. Throws EPlatformError when it is missing, not a regular
// file, unreadable or larger than maxSize bytes. Never waits: a FIFO or a
// device at the path is refused without being opened for blocking reads.
std::string ReadWholeFile(const std::filesystem::path& file, std::size_t maxSize);

// What a replacement that did not throw achieved: the new file is in place
// and every reader sees it. Durable unless the folder could not be flushed,
// so that after a power cut the old file might be back; Warning then says so,
// naming the file and the reason.
struct TWriteOutcome {
    bool Durable = true;
    std::string Warning;
};

// Replaces the file with bytes as described above, creating missing folders.
// Throws EPlatformError naming the file when it was not replaced; the old
// file then stays as it was.
[[nodiscard]] TWriteOutcome WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);
