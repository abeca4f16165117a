#pragma once
// Whole files read with a size limit and replaced atomically: the key files,
// the saved game and the records all go through here.
//
// Replacing writes a temporary file in the same folder, flushes it to disk,
// renames it over the old file and flushes the folder, so a crash or a kill
// at any moment leaves either the old file or the new one, never a mix.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// The file's bytes. Throws EPlatformError when it is missing, not a regular
// file, unreadable or larger than maxSize bytes.
std::string ReadWholeFile(const std::filesystem::path& file, std::size_t maxSize);

// Replaces the file with bytes as described above, creating missing folders.
// Throws EPlatformError naming the file; the old file then stays as it was.
void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);
