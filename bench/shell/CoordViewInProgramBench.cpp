// The coordinate view in the built program, as the user opens it: key B pressed twice on the main
// screen of a job with N stored points (the default display rule, no point on the map), in an X11
// window (DISPLAY must be set, on a server that does not reset between its clients: Xvfb -noreset).
// Timed from the second key to the screen showing the newest row selected, at the view's first
// opening in the run and again after Esc closed it; then the program's peak resident memory.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "bench/shell/ProgramRun.h"
#include "bench/shell/SeasonJob.h"

namespace {

using Clock = std::chrono::steady_clock;

// The program's window: the top-level window whose title names the point file ("...<vorna.xyh>").
Window ProgramWindow(Display* display) {
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name && std::strstr(name, ".xyh>"))
            found = children[i];
        if (name) XFree(name);
    }
    if (children) XFree(children);
    return found;
}

void PressKey(Display* display, Window window, KeySym key) {
    XKeyEvent event{};
    event.display = display;
    event.window = window;
    event.root = DefaultRootWindow(display);
    event.same_screen = True;
    event.keycode = XKeysymToKeycode(display, key);
    for (const int type : {KeyPress, KeyRelease}) {
        event.type = type;
        XSendEvent(display, window, True, KeyPressMask | KeyReleaseMask, reinterpret_cast<XEvent*>(&event));
    }
    XFlush(display);
}

// Whether the window shows the selection's blue over most of a run of pixels of the handheld's row
// `y` from `x` on: the view's newest row (its texts, white on the blue, cover the rest).
bool ShowsSelection(Display* display, Window window, int scale, int x, int y) {
    constexpr int kRun = 40;
    XImage* image = XGetImage(display, window, x * scale, y * scale, kRun * scale, 1, AllPlanes, ZPixmap);
    if (!image) return false;
    int blue = 0;
    for (int i = 0; i < kRun * scale; ++i) {
        const unsigned long pixel = XGetPixel(image, i, 0);
        const long r = static_cast<long>((pixel >> 16) & 0xFF), b = static_cast<long>(pixel & 0xFF);
        if (b > 100 && b > r + 60) ++blue;
    }
    XDestroyImage(image);
    return blue > kRun * scale / 2;
}

void BM_CoordViewKeyToScreen(benchmark::State& state) {
    Display* display = std::getenv("DISPLAY") ? XOpenDisplay(nullptr) : nullptr;
    if (!display) {
        state.SkipWithError("no DISPLAY for the X11 window");
        return;
    }
    const bool again = state.range(1) != 0;
    Program first = Spawn("", true);
    WaitForFirstPaint(first);
    Stop(first, true);
    WriteSeasonPoints(first.work / "root" / "Program Files" / "Jobs" / "vorna" / "data", "vorna",
                      state.range(0));
    double peak = 0;
    for (auto _ : state) {
        Program p = Spawn("", false, true);
        WaitForFirstPaint(p);
        Window window = 0;
        while (!(window = ProgramWindow(display))) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        // The splash gone and the input method open: the main screen takes keys.
        std::this_thread::sleep_for(std::chrono::seconds(3));
        XWindowAttributes attributes{};
        XGetWindowAttributes(display, window, &attributes);
        const int scale = attributes.width / 240;
        // The newest row's north coordinate, below the caption and the headings.
        constexpr int kRowX = 130, kRowY = 51;
        const auto openView = [&] {
            PressKey(display, window, XK_b);
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            const Clock::time_point start = Clock::now();
            PressKey(display, window, XK_b);
            while (!ShowsSelection(display, window, scale, kRowX, kRowY))
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            return std::chrono::duration<double>(Clock::now() - start).count();
        };
        if (again) {
            openView();
            PressKey(display, window, XK_Escape);
            while (ShowsSelection(display, window, scale, kRowX, kRowY))
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
        }
        const double seconds = openView();
        state.SetIterationTime(seconds);
        peak = static_cast<double>(StatusKiB(p.pid, "VmHWM")) / 1024.0;
        Stop(p, true);
    }
    state.counters["peak_MiB"] = peak;
    std::filesystem::remove_all(first.work);
    XCloseDisplay(display);
}
BENCHMARK(BM_CoordViewKeyToScreen)
    ->ArgsProduct({{100000, 1000000}, {0, 1}})
    ->ArgNames({"points", "again"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

}  // namespace
