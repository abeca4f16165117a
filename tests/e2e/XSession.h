#pragma once
// A private X server (Xvfb on a free display), or a headless Wayland
// compositor, and the few things the
// end-to-end test does in it: start programs with a chosen environment,
// find windows, click, and read the screen. Nothing here knows the game.

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

using TEnvironment = std::map<std::string, std::string>;

// True when the program is found on PATH.
bool OnPath(const std::string& program);

// The programs the end-to-end tests call that are not on PATH, each with the
// package that brings it, as one line; empty when all are there.
std::string MissingTestPrograms();

// Runs a command line through /bin/sh and returns its standard output.
std::string RunCapture(const std::string& command, int* exitCode = nullptr);

// A started process; the destructor kills it (by its id) if it still runs.
class TProcess {
public:
    // A passedFd of 0 or more is handed to the program as its descriptor 3.
    TProcess(const std::string& program, const std::vector<std::string>& arguments, const TEnvironment& environment,
             int passedFd = -1);
    ~TProcess();
    TProcess(const TProcess&) = delete;
    TProcess& operator=(const TProcess&) = delete;

    pid_t Pid() const { return Id; }
    // The processor time it has used so far (user and system); zero once it
    // has been reaped or when the kernel does not tell.
    std::chrono::milliseconds CpuTime() const;
    // The exit code once it has ended within the timeout; nothing otherwise.
    std::optional<int> WaitExit(std::chrono::milliseconds timeout);

private:
    pid_t Id = -1;
    bool Reaped = false;
};

struct TWindowGeometry {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
};

class TXSession {
public:
    // Starts Xvfb on a display it picks itself among the free ones, so tests
    // running side by side never share one; Display() is empty when it could
    // not be started. With KOBALIND_E2E_DISPLAY=wayland in the environment it
    // starts a headless Weston in a private runtime folder instead, for the
    // tests that reach the program without X tools (over AT-SPI); Display()
    // is then the compositor's socket.
    TXSession();
    ~TXSession();
    TXSession(const TXSession&) = delete;
    TXSession& operator=(const TXSession&) = delete;
    const std::string& Display() const { return DisplayName; }
    // The variables that put a program on this session's display server.
    TEnvironment DisplayVariables() const;

    // The visible windows whose title is exactly the given one.
    std::vector<std::string> FindWindows(const std::string& title) const;
    std::optional<TWindowGeometry> Geometry(const std::string& window) const;
    // Moves the pointer there, lets the program see it arrive, then clicks.
    void Click(int x, int y) const;
    // The two halves of Click, for a caller that checks the screen between them.
    void MovePointer(int x, int y) const;
    void ClickHere() const;
    // Gives the window the keyboard focus, as a window manager would.
    void FocusWindow(const std::string& window) const;
    // Key presses by xdotool's names ("Tab", "Return", "ctrl+Home"), to the
    // window with the keyboard focus, then a short pause.
    void Keys(const std::string& keys) const;

private:
    std::string X(const std::string& command) const;

    void StartWeston();

    std::string DisplayName;
    bool Wayland = false;
    std::string WaylandRuntime;
    std::optional<TProcess> Server;
};

// Polls until the predicate holds or the timeout passes.
template <class TPredicate> bool WaitFor(TPredicate predicate, std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (true) {
        if (predicate())
            return true;
        if (std::chrono::steady_clock::now() > end)
            return false;
        RunCapture("sleep 0.05");
    }
}
