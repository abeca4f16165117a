#include "ProgramRun.h"

#include "PrivateFolders.h"

#include "resources/Bitmap.h"
#include "resources/LumRes.h"

#include <fstream>
#include <sstream>

#include <unistd.h>

namespace fs = std::filesystem;

std::pair<int, int> SkinPictureSize(std::int32_t entry)
{
    TLumResFileReader skin(RunDir + "/kobalind.dat");
    TMemoryStream stream;
    skin.CopyEntry(entry, stream);
    stream.SetPosition(0);
    TBitmap picture;
    picture.LoadFromStream(stream);
    return {picture.Width(), picture.Height()};
}

std::string ReadText(const fs::path& file)
{
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

::testing::AssertionResult AwaitStartWindow(const TXSession& session, TProcess& program, const std::string& title,
                                            std::string& window)
{
    std::vector<std::string> windows;
    std::optional<int> ended;
    WaitFor([&]() {
        windows = session.FindWindows(title);
        if (windows.empty())
            ended = program.WaitExit(std::chrono::milliseconds(0));
        return !windows.empty() || ended.has_value();
    }, StartTimeout);
    if (!windows.empty()) {
        window = windows[0];
        return ::testing::AssertionSuccess();
    }
    if (ended)
        return ::testing::AssertionFailure() << "the program ended with code " << *ended
                                             << " before showing a window titled " << title;
    return ::testing::AssertionFailure() << "no window titled " << title << " within " << StartTimeout.count()
                                         << " s; the program used " << program.CpuTime().count()
                                         << " ms of processor time";
}

TFreshHome::TFreshHome(const std::string& tag)
    : Root(fs::temp_directory_path() / ("kobalind-e2e-" + tag + "-" + std::to_string(getpid())))
{
    fs::remove_all(Root);
    fs::create_directories(Root);
}

TFreshHome::~TFreshHome()
{
    std::error_code ignored;
    fs::remove_all(Root, ignored);
}

fs::path TFreshHome::SettingsFile() const
{
    return Root / "config" / "Software" / "Orvane" / "Orvane Kobalind.reg";
}

void TFreshHome::WriteSettings(const std::string& valueLines) const
{
    fs::create_directories(SettingsFile().parent_path());
    std::ofstream out(SettingsFile());
    out << "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Orvane\\Orvane Kobalind]\n" << valueLines;
}

TEnvironment TFreshHome::Environment(const TXSession& session) const
{
    TEnvironment environment = PrivateFolderVariables(Root);
    for (const auto& [name, value] : session.DisplayVariables())
        environment[name] = value;
    return environment;
}
