#include "XSession.h"

#include <csignal>
#include <cstdlib>
#include <cstdio>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

bool OnPath(const std::string& program)
{
    int code = 1;
    RunCapture("command -v " + program + " >/dev/null 2>&1", &code);
    return code == 0;
}

std::string MissingTestPrograms()
{
    static const std::pair<const char*, const char*> needed[] = {
        {"Xvfb", "xvfb"}, {"xdotool", "xdotool"}, {"xwd", "x11-apps"}};
    std::string missing;
    for (const auto& [program, package] : needed)
        if (!OnPath(program))
            missing += std::string(missing.empty() ? "" : ", ") + program + " (package " + package + ")";
    return missing.empty() ? missing : "not installed: " + missing + "; run scripts/install-deps.sh";
}

std::string RunCapture(const std::string& command, int* exitCode)
{
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        if (exitCode)
            *exitCode = -1;
        return output;
    }
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, got);
    const int status = pclose(pipe);
    if (exitCode)
        *exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return output;
}

TProcess::TProcess(const std::string& program, const std::vector<std::string>& arguments,
                   const TEnvironment& environment, int passedFd)
{
    std::vector<std::string> args {program};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    // The test's own environment, with the given variables replaced.
    TEnvironment merged;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        const std::size_t eq = text.find('=');
        if (eq != std::string::npos)
            merged[text.substr(0, eq)] = text.substr(eq + 1);
    }
    for (const auto& [name, value] : environment)
        merged[name] = value;
    std::vector<std::string> envText;
    for (const auto& [name, value] : merged)
        envText.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (std::string& entry : envText)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    if (passedFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, passedFd, 3);
    if (posix_spawn(&Id, program.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0)
        Id = -1;
    posix_spawn_file_actions_destroy(&actions);
}

TProcess::~TProcess()
{
    if (Id > 0 && !Reaped) {
        kill(Id, SIGTERM);
        if (!WaitExit(std::chrono::milliseconds(2000))) {
            kill(Id, SIGKILL);
            waitpid(Id, nullptr, 0);
        }
    }
}

std::chrono::milliseconds TProcess::CpuTime() const
{
    if (Id <= 0 || Reaped)
        return {};
    // /proc/<pid>/stat: the name in parentheses may hold spaces; the state
    // follows the last ')', and user and system time are the 12th and 13th
    // fields from there, in clock ticks.
    const std::string stat = RunCapture("cat /proc/" + std::to_string(Id) + "/stat 2>/dev/null");
    std::istringstream fields(stat.substr(stat.rfind(')') + 1));
    std::string field;
    long long ticks = 0;
    for (int i = 1; i <= 13 && fields >> field; ++i)
        if (i >= 12)
            ticks += std::atoll(field.c_str());
    return std::chrono::milliseconds(ticks * 1000 / sysconf(_SC_CLK_TCK));
}

std::optional<int> TProcess::WaitExit(std::chrono::milliseconds timeout)
{
    if (Id <= 0)
        return std::nullopt;
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (true) {
        int status = 0;
        const pid_t got = waitpid(Id, &status, WNOHANG);
        if (got == Id) {
            Reaped = true;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        if (got < 0 || std::chrono::steady_clock::now() > end)
            return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

TXSession::TXSession()
{
    const char* server = std::getenv("KOBALIND_E2E_DISPLAY");
    if (server && std::string(server) == "wayland") {
        StartWeston();
        return;
    }
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        return;
    // Xvfb writes the number of the display it took to descriptor 3.
    Server.emplace("/usr/bin/env",
                   std::vector<std::string> {"Xvfb", "-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten",
                                             "tcp"},
                   TEnvironment {}, pipeFds[1]);
    close(pipeFds[1]);
    std::string number;
    pollfd poll {pipeFds[0], POLLIN, 0};
    char c = 0;
    while (::poll(&poll, 1, 10000) > 0 && read(pipeFds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(pipeFds[0]);
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) {
        Server.reset();
        return;
    }
    DisplayName = ":" + number;
}

void TXSession::StartWeston()
{
    Wayland = true;
    char folder[] = "/tmp/kobalind-e2e-wayland-XXXXXX";
    if (!mkdtemp(folder))
        return;
    WaylandRuntime = folder;
    const std::string socket = WaylandRuntime + "/wayland-e2e";
    Server.emplace("/usr/bin/env",
                   std::vector<std::string> {"weston", "--backend=headless-backend.so", "--socket=wayland-e2e",
                                             "--idle-time=0", "--width=1280", "--height=1024"},
                   TEnvironment {{"XDG_RUNTIME_DIR", WaylandRuntime}});
    if (!WaitFor([&]() { return access(socket.c_str(), F_OK) == 0; }, std::chrono::seconds(10))) {
        std::fprintf(stderr, "weston (package weston) did not start\n");
        Server.reset();
        return;
    }
    DisplayName = socket;
}

TXSession::~TXSession()
{
    Server.reset();
    if (!WaylandRuntime.empty())
        RunCapture("rm -rf '" + WaylandRuntime + "'");
}

TEnvironment TXSession::DisplayVariables() const
{
    if (Wayland)
        return {{"WAYLAND_DISPLAY", DisplayName}, {"QT_QPA_PLATFORM", "wayland"}, {"DISPLAY", ""}};
    return {{"DISPLAY", DisplayName}, {"QT_QPA_PLATFORM", "xcb"}};
}

std::string TXSession::X(const std::string& command) const
{
    return RunCapture("DISPLAY=" + DisplayName + " " + command + " 2>/dev/null");
}

std::vector<std::string> TXSession::FindWindows(const std::string& title) const
{
    std::istringstream lines(X("xdotool search --onlyvisible --name '^" + title + "$'"));
    std::vector<std::string> windows;
    for (std::string line; std::getline(lines, line);)
        if (!line.empty())
            windows.push_back(line);
    return windows;
}

std::optional<TWindowGeometry> TXSession::Geometry(const std::string& window) const
{
    std::istringstream lines(X("xdotool getwindowgeometry --shell " + window));
    TWindowGeometry geometry;
    int found = 0;
    for (std::string line; std::getline(lines, line);) {
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        const std::string name = line.substr(0, eq);
        const int value = std::atoi(line.c_str() + eq + 1);
        if (name == "X")
            geometry.X = value, ++found;
        else if (name == "Y")
            geometry.Y = value, ++found;
        else if (name == "WIDTH")
            geometry.Width = value, ++found;
        else if (name == "HEIGHT")
            geometry.Height = value, ++found;
    }
    if (found != 4)
        return std::nullopt;
    return geometry;
}

void TXSession::Click(int x, int y) const
{
    MovePointer(x, y);
    ClickHere();
}

void TXSession::MovePointer(int x, int y) const
{
    X("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y));
    RunCapture("sleep 0.3");
}

void TXSession::ClickHere() const
{
    X("xdotool click 1");
    RunCapture("sleep 0.3");
}

void TXSession::FocusWindow(const std::string& window) const
{
    X("xdotool windowfocus --sync " + window);
    RunCapture("sleep 0.2");
}

void TXSession::Keys(const std::string& keys) const
{
    X("xdotool key --delay 40 " + keys);
    RunCapture("sleep 0.2");
}
