// From process start to the first painted main window: the real program is
// started in a private Xvfb, and the clock stops when its top-level window
// is mapped and shows something other than the black of an unpainted one.
// The argument is the scale factor (QT_SCALE_FACTOR): at 2 the window has
// four times the pixels and paints the skin at twice the resolution.
#include "PrivateFolders.h"
#include "XSession.h"

#include <benchmark/benchmark.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace fs = std::filesystem;

namespace {

const std::string Program = std::string(KOBALIND_RUN_DIR) + "/kobalind";

// True once some pixel of the window's middle row is not black.
bool Painted(Display* display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable
        || attributes.width < 2 || attributes.height < 2)
        return false;
    XImage* row = XGetImage(display, window, 0, attributes.height / 2, attributes.width, 1, AllPlanes, ZPixmap);
    if (!row)
        return false;
    bool painted = false;
    for (int x = 0; x < attributes.width && !painted; ++x)
        painted = (XGetPixel(row, x, 0) & 0xFFFFFF) != 0;
    XDestroyImage(row);
    return painted;
}

// The first mapped child of the root window, if any.
Window MappedTopLevel(Display* display)
{
    Window root = DefaultRootWindow(display);
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (XQueryTree(display, root, &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && !found; ++i) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable)
                found = children[i];
        }
        XFree(children);
    }
    return found;
}

int IgnoreXErrors(Display*, XErrorEvent*)
{
    return 0; // a window may vanish between listing and reading it
}

void BM_ProcessStartToFirstPaint(benchmark::State& state)
{
    if (!OnPath("Xvfb") || !fs::exists(Program)) {
        state.SkipWithError("needs Xvfb and the runnable folder");
        return;
    }
    TXSession session;
    Display* display = XOpenDisplay(session.Display().c_str());
    if (!display) {
        state.SkipWithError("cannot open the private display");
        return;
    }
    XSetErrorHandler(IgnoreXErrors);
    const fs::path home = fs::temp_directory_path() / "kobalind-startup-bench";
    fs::remove_all(home); // no saved game of an earlier run to read
    TEnvironment environment = PrivateFolderVariables(home);
    environment["DISPLAY"] = session.Display();
    environment["QT_QPA_PLATFORM"] = "xcb";
    environment["QT_SCALE_FACTOR"] = std::to_string(state.range(0));
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        TProcess program(Program, {}, environment);
        bool shown = false;
        while (!shown && std::chrono::steady_clock::now() - start < std::chrono::seconds(10)) {
            const Window window = MappedTopLevel(display);
            shown = window && Painted(display, window);
            if (!shown)
                std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        const auto end = std::chrono::steady_clock::now();
        if (!shown) {
            state.SkipWithError("the window did not appear within 10 s");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    } // the program is ended (by its id) before the next start
    XCloseDisplay(display);
}
BENCHMARK(BM_ProcessStartToFirstPaint)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
