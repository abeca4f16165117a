#pragma once
// Replacing a file so that readers and crashes only ever see the old content
// or the new, never a half-written file: the bytes go to a temporary file in
// the same folder, reach the disk, and are renamed over the target.

#include <filesystem>
#include <string_view>

// Writes the file atomically, creating missing folders. Throws EPlatformError
// naming the file; the old file is then left as it was.
void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);
