// The real program as a screen reader sees it over AT-SPI: a private session
// bus, the program on it, and AccessibleTree.py reading the tree and pressing
// the bar's buttons and a card through their accessible actions.
#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <algorithm>
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
          Daemon("/usr/bin/env", {"dbus-daemon", "--session", "--nofork", "--address=" + Bus}, BusEnvironment(home, session))
    {
        WaitFor([&]() { return fs::exists(home.Path() / "bus"); }, 5s);
        TEnvironment environment = BusEnvironment(home, session);
        // Qt otherwise asks the desktop's settings whether a reader runs.
        environment["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1";
        Program.emplace(RunDir + "/kobalind", std::vector<std::string> {}, environment);
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
    std::optional<TNode> Await(const std::string& role, const std::string& namePrefix) const
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
        }, 10s);
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
    TProcess Daemon;
    std::optional<TProcess> Program;
};

TEST(AccessibilityE2e, AScreenReaderReadsTheControlsAndTurnsACard)
{
    if (!OnPath("Xvfb") || !OnPath("xdotool"))
        GTEST_SKIP() << "Xvfb or xdotool is not installed";
    const std::string missing = MissingPackage();
    ASSERT_TRUE(missing.empty()) << "install " << missing << " (scripts/install-deps.sh)";
    ASSERT_TRUE(fs::exists(RunDir + "/kobalind")) << "build the program first: " << RunDir;
    TXSession session;
    ASSERT_FALSE(session.Display().empty()) << "Xvfb did not start";
    const TFreshHome home("a11y");
    home.WriteSettings("\"Pairs\"=dword:00000008\n\"Computer\"=dword:00000000\n\"Delay\"=dword:00000004\n"
                       "\"Level\"=dword:00000007\n\"Player1\"=\"Ann\"\n\"Player2\"=\"Bob\"\n");
    TAccessibleProgram program(home, session);

    // The bar's areas are buttons named by their hints; the status line greets.
    ASSERT_TRUE(program.Await("push button", "Options")) << "the bar is not in the accessibility tree";
    const auto welcome = program.Await("status bar", "Welcome");
    EXPECT_TRUE(welcome);

    // The options panel's slider shows the stored level as its value.
    ASSERT_TRUE(program.Press("Options"));
    const auto slider = program.Await("slider", "Computer level");
    ASSERT_TRUE(slider) << "no slider on the options panel";
    EXPECT_EQ(slider->Value, "7");

    ASSERT_TRUE(program.Press("Play"));
    const auto cell = program.Await("table cell", "row 1, column 1, ");
    ASSERT_TRUE(cell) << "no board cells in the accessibility tree";
    EXPECT_EQ(cell->Name, "row 1, column 1, face down");
    // The status line now names whose turn it is.
    EXPECT_TRUE(program.Await("status bar", "\u2068Ann\u2069")) << "the status line did not change"; // the name isolated

    ASSERT_TRUE(program.Press("row 1, column 1, face down"));
    const auto turned = program.Await("table cell", "row 1, column 1, face up: pair ");
    EXPECT_TRUE(turned) << "the pressed card's name did not change";

    ASSERT_TRUE(program.Press("Exit"));
    const std::optional<int> code = program.Process().WaitExit(5s);
    ASSERT_TRUE(code) << "the program did not end on \"Exit\"";
    EXPECT_EQ(*code, 0);
}

} // namespace
