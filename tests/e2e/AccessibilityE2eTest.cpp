// The real program as a screen reader sees it over AT-SPI: a private session
// bus, the program on it, and AccessibleTree.py reading the tree, pressing
// the bar's buttons and a card through their accessible actions, and hearing
// what takes the focus and what the program announces.
#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

const std::string Python = "/usr/bin/python3";
const std::string TreeScript = KOBALIND_E2E_DIR "/AccessibleTree.py";

// What each test needs from outside the build, and the package that has it.
std::string MissingPackage()
{
    if (!OnPath("dbus-daemon"))
        return "dbus-daemon";
    if (!fs::exists("/usr/libexec/at-spi-bus-launcher"))
        return "at-spi2-core";
    int code = 1;
    RunCapture(Python + " -c 'import pyatspi' 2>/dev/null", &code);
    return code == 0 ? "" : "python3-pyatspi";
}

struct TNode {
    std::string Role, Name, Value;
};

class TAccessibleProgram {
public:
    TAccessibleProgram(const TFreshHome& home, const TXSession& session)
        : Bus("unix:path=" + (home.Path() / "bus").string()),
          HeardFile(home.Path() / "heard"),
          Environment(BusEnvironment(home, session)),
          Daemon("/usr/bin/env", {"dbus-daemon", "--session", "--nofork", "--address=" + Bus}, Environment)
    {
        WaitFor([&]() { return fs::exists(home.Path() / "bus"); }, 5s);
        TEnvironment environment = Environment;
        // Qt otherwise asks the desktop's settings whether a reader runs.
        environment["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1";
        Program.emplace(RunDir + "/kobalind", std::vector<std::string> {}, environment);
    }

    // Starts hearing the program's events as a reader would.
    void Listen()
    {
        const std::string command = "exec " + Python + " " + TreeScript + " " + std::to_string(Program->Pid())
                                    + " listen > " + HeardFile.string();
        Listener.emplace("/bin/sh", std::vector<std::string> {"-c", command}, Environment);
        WaitFor([&]() { return ReadText(HeardFile).starts_with("ready\n"); }, 10s);
    }
    // The first line heard that matches, once it has been heard.
    std::optional<std::string> AwaitHeard(const std::string& pattern, std::chrono::milliseconds timeout) const
    {
        const std::regex wanted(pattern);
        std::optional<std::string> found;
        WaitFor([&]() {
            std::istringstream lines(ReadText(HeardFile));
            for (std::string line; !found && std::getline(lines, line);)
                if (std::regex_match(line, wanted))
                    found = line;
            return found.has_value();
        }, timeout);
        return found;
    }
    // The last object heard taking the focus, as "role|name".
    std::string LastFocus() const
    {
        std::string last;
        std::istringstream lines(ReadText(HeardFile));
        for (std::string line; std::getline(lines, line);)
            if (line.starts_with("focus|"))
                last = line.substr(6);
        return last;
    }

    std::vector<TNode> Tree() const
    {
        std::vector<TNode> nodes;
        std::istringstream lines(Script("dump"));
        for (std::string line; std::getline(lines, line);) {
            TNode node;
            std::istringstream fields(line);
            std::getline(fields, node.Role, '|');
            std::getline(fields, node.Name, '|');
            std::getline(fields, node.Value);
            nodes.push_back(node);
        }
        return nodes;
    }
    bool Press(const std::string& name) const
    {
        int code = 1;
        Script("press '" + name + "'", &code);
        return code == 0;
    }
    // The first node of the role whose name starts so, once the tree shows it.
    std::optional<TNode> Await(const std::string& role, const std::string& namePrefix,
                               std::chrono::milliseconds timeout = 10s) const
    {
        std::optional<TNode> found;
        WaitFor([&]() {
            const std::vector<TNode> nodes = Tree();
            const auto it = std::find_if(nodes.begin(), nodes.end(), [&](const TNode& node) {
                return node.Role == role && node.Name.starts_with(namePrefix);
            });
            if (it != nodes.end())
                found = *it;
            return found.has_value();
        }, timeout);
        return found;
    }
    TProcess& Process() { return *Program; }

private:
    TEnvironment BusEnvironment(const TFreshHome& home, const TXSession& session) const
    {
        TEnvironment environment = home.Environment(session);
        environment["DBUS_SESSION_BUS_ADDRESS"] = Bus;
        return environment;
    }
    std::string Script(const std::string& arguments, int* code = nullptr) const
    {
        return RunCapture("DBUS_SESSION_BUS_ADDRESS=" + Bus + " " + Python + " " + TreeScript + " "
                          + std::to_string(Program->Pid()) + " " + arguments, code);
    }

    std::string Bus;
    fs::path HeardFile;
    TEnvironment Environment;
    TProcess Daemon;
    std::optional<TProcess> Program;
    std::optional<TProcess> Listener;
};

TEST(AccessibilityE2e, AScreenReaderReadsTheControlsHearsTheFocusAndTheGameAndTurnsACard)
{
    ASSERT_EQ(MissingTestPrograms(), "");
    const std::string missing = MissingPackage();
    ASSERT_TRUE(missing.empty()) << "install " << missing << " (scripts/install-deps.sh)";
    ASSERT_TRUE(fs::exists(RunDir + "/kobalind")) << "build the program first: " << RunDir;
    TXSession session;
    ASSERT_FALSE(session.Display().empty()) << "Xvfb did not start";
    const TFreshHome home("a11y");
    home.WriteSettings("\"Pairs\"=dword:00000008\n\"Computer\"=dword:00000001\n\"Delay\"=dword:00000000\n"
                       "\"Level\"=dword:00000007\n\"Player1\"=\"Ann\"\n");
    TAccessibleProgram program(home, session);

    // The bar's areas are buttons named by their hints; the status line greets.
    // The first wait is the start's.
    ASSERT_TRUE(program.Await("push button", "Options", StartTimeout)) << "the bar is not in the accessibility tree";
    const auto welcome = program.Await("status bar", "Welcome");
    EXPECT_TRUE(welcome);

    // A bar taking the focus is heard as the button the keyboard is on (keys
    // and window focus need the X tools; under Wayland only what follows runs).
    program.Listen();
    const char* display = std::getenv("KOBALIND_E2E_DISPLAY");
    const bool x11 = !display || std::string(display) != "wayland";
    if (x11) {
        std::vector<std::string> windows;
        ASSERT_TRUE(WaitFor([&]() { return !(windows = session.FindWindows(MainTitle)).empty(); }, 5s));
        session.FocusWindow(windows[0]);
        session.Keys("Tab"); // from the cover to the bar's first button
        EXPECT_TRUE(WaitFor([&]() { return program.LastFocus() == "push button|Exit"; }, 5s))
            << "last heard taking the focus: " << program.LastFocus();
    }

    // The options panel's slider shows the stored level as its value.
    ASSERT_TRUE(program.Press("Options"));
    const auto slider = program.Await("slider", "Computer level");
    ASSERT_TRUE(slider) << "no slider on the options panel";
    EXPECT_EQ(slider->Value, "7");

    // Play: the board takes the focus on its first cell, and the computer's
    // opening move is announced, its two cards named.
    ASSERT_TRUE(program.Press("Play"));
    if (x11)
        EXPECT_TRUE(WaitFor([&]() { return program.LastFocus().starts_with("table cell|row 1, column 1, "); }, 5s))
            << "last heard taking the focus: " << program.LastFocus();
    // The default set the catalogue lists first may be one whose pairs' cards differ.
    const std::string face = "pair \\d+(, (first|second) picture)?";
    const std::string card = "row \\d+, column \\d+: " + face;
    const std::string computer = "\u2068Computer\u2069"; // names stand isolated in composed texts
    EXPECT_TRUE(program.AwaitHeard("shown\\|notification\\|" + computer + "'s turn \\(pairs: 0\\)\\. " + computer
                                   + " turns " + card + "\\. " + computer + " turns " + card + ".*", 10s))
        << "the computer's move was not announced";
    // The turn passes to Ann, on the status line and in words.
    ASSERT_TRUE(program.AwaitHeard("shown\\|notification\\|\u2068Ann\u2069's turn \\(pairs: 0\\)", 30s))
        << "the turn passing was not announced";
    // The name stands isolated on the status line.
    EXPECT_TRUE(program.Await("status bar", "\u2068Ann\u2069 (pairs: 0)")) << "the status line did not change";

    // Ann turns a face-down card through its press action: its name changes and it is announced.
    std::optional<TNode> down;
    for (const TNode& node : program.Tree())
        if (!down && node.Role == "table cell" && node.Name.ends_with(", face down"))
            down = node;
    ASSERT_TRUE(down) << "no face-down card on Ann's turn";
    const std::string place = down->Name.substr(0, down->Name.size() - std::string(", face down").size());
    ASSERT_TRUE(program.Press(down->Name));
    EXPECT_TRUE(program.Await("table cell", place + ", face up: pair ")) << "the pressed card's name did not change";
    EXPECT_TRUE(program.AwaitHeard("shown\\|notification\\|\u2068Ann\u2069 turns " + place + ": " + face, 5s))
        << "Ann's card was not announced";

    ASSERT_TRUE(program.Press("Exit"));
    const std::optional<int> code = program.Process().WaitExit(5s);
    ASSERT_TRUE(code) << "the program did not end on \"Exit\"";
    EXPECT_EQ(*code, 0);
}

} // namespace
