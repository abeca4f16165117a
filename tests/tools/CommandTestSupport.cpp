#include "CommandTestSupport.h"

#include "../platform/TempFolder.h"
#include "resources/Stream.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

std::filesystem::path TestPath(const std::string& name)
{
    static const TTempFolder folder;
    return folder.Path / name;
}

std::string WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    TFileStream file(path.string(), TFileStream::TMode::Create);
    file.Write(bytes.data(), bytes.size());
    return path.string();
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string RunCommand(TCommandFunction command, const TCommandArgs& args, int expectedStatus)
{
    std::ostringstream out;
    EXPECT_EQ(command(args, out), expectedStatus) << out.str();
    return out.str();
}

std::string Failure(TCommandFunction command, const TCommandArgs& args)
{
    std::ostringstream out;
    try {
        command(args, out);
    } catch (const ETessalyError& e) {
        return e.what();
    }
    ADD_FAILURE() << "no error";
    return {};
}
