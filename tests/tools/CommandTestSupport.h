#pragma once
// What the tools' tests share: files of this process's own and the commands
// called as functions.

#include "Commands.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A path in a folder of this process's own, removed when the process ends,
// so test runs side by side cannot clash.
std::filesystem::path TestPath(const std::string& name);

// Writes the bytes to path and returns it as a string.
std::string WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
std::string ReadFile(const std::filesystem::path& path);

// What the command prints; a status other than expectedStatus fails the test.
std::string RunCommand(TCommandFunction command, const TCommandArgs& args, int expectedStatus = 0);
// The message of the ETessalyError the command throws; no throw fails the test.
std::string Failure(TCommandFunction command, const TCommandArgs& args);
