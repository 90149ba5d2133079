#include "bench/shell/ServerScreen.h"

#include <X11/Xutil.h>
#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kWidth = 240, kHeight = 320;
// The strips of the handheld's screen compared: rows through the caption, the command bar, the map
// and the status texts, and columns down the left, the middle and the right.
struct Strip {
    int x, y, width, height;
};
constexpr Strip kStrips[] = {{0, 6, kWidth, 1},   {0, 20, kWidth, 1},  {0, 60, kWidth, 1},
                             {0, 120, kWidth, 1}, {0, 180, kWidth, 1}, {0, 240, kWidth, 1},
                             {0, 300, kWidth, 1}, {30, 0, 1, kHeight}, {120, 0, 1, kHeight},
                             {210, 0, 1, kHeight}};
using Pixels = std::vector<uint32_t>;  // the strips' pixels as 0xRRGGBB, one handheld pixel each

// A window may go between the look for it and the read: the error is not the benchmark's end.
int IgnoreError(Display*, XErrorEvent*) {
    return 0;
}

// The program's window: a viewable top-level window a whole multiple of the handheld's screen.
Window ProgramWindow(Display* display, int& scale) {
    Window root = 0, parent = 0, *children = nullptr, found = 0;
    unsigned count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        XWindowAttributes a{};
        if (XGetWindowAttributes(display, children[i], &a) && a.map_state == IsViewable && a.width > 0 &&
            a.width % kWidth == 0 && a.height * kWidth == a.width * kHeight) {
            found = children[i];
            scale = a.width / kWidth;
        }
    }
    if (children) XFree(children);
    return found;
}

// The strips as the server shows them in the window, each handheld pixel read at its scaled place.
std::optional<Pixels> ServerStrips(Display* display, Window window, int scale) {
    Pixels pixels;
    for (const Strip& s : kStrips) {
        XImage* image =
            XGetImage(display, window, s.x * scale, s.y * scale, static_cast<unsigned>(s.width * scale),
                      static_cast<unsigned>(s.height * scale), AllPlanes, ZPixmap);
        if (!image) return std::nullopt;
        for (int y = 0; y < s.height; ++y)
            for (int x = 0; x < s.width; ++x)
                pixels.push_back(XGetPixel(image, x * scale, y * scale) & 0xFFFFFF);
        XDestroyImage(image);
    }
    return pixels;
}

// The same strips of the program's screenshot.
std::optional<Pixels> ScreenshotStrips(const std::filesystem::path& file) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, file.c_str())) return std::nullopt;
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr) || image.width != kWidth ||
        image.height != kHeight)
        return std::nullopt;
    Pixels pixels;
    for (const Strip& s : kStrips)
        for (int y = s.y; y < s.y + s.height; ++y)
            for (int x = s.x; x < s.x + s.width; ++x) {
                const png_byte* p = &bytes[(static_cast<size_t>(y) * kWidth + x) * 3];
                pixels.push_back(static_cast<uint32_t>(p[0]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[2]);
            }
    return pixels;
}

// Colours may be rounded differently on the way to the server and to the file.
bool Same(const Pixels& a, const Pixels& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](uint32_t u, uint32_t v) {
        for (int shift : {0, 8, 16})
            if (std::abs(static_cast<int>((u >> shift) & 0xFF) - static_cast<int>((v >> shift) & 0xFF)) > 8)
                return false;
        return true;
    });
}

}  // namespace

bool WaitForServerShowsFirstPaint(Display* display, const Program& p, Clock::time_point& shown,
                                  std::chrono::seconds limit) {
    const auto previous = XSetErrorHandler(IgnoreError);
    const std::filesystem::path shot = p.work / "screen.png";
    const Clock::time_point end = Clock::now() + limit;
    // What the server showed and since when, each change kept until the first screenshot says which
    // of them is the first screen.
    std::vector<std::pair<Clock::time_point, Pixels>> seen;
    std::optional<Pixels> first;
    Window window = 0;
    int scale = 1;
    bool found = false;
    while (!found && Clock::now() < end) {
        if (!window) window = ProgramWindow(display, scale);
        if (window) {
            const Clock::time_point now = Clock::now();
            if (std::optional<Pixels> pixels = ServerStrips(display, window, scale)) {
                if (seen.empty() || !Same(seen.back().second, *pixels))
                    seen.emplace_back(now, std::move(*pixels));
            } else {
                window = 0;
            }
        }
        if (!first && std::filesystem::exists(shot) && std::filesystem::file_size(shot) >= 2000)
            first = ScreenshotStrips(shot);
        if (first)
            for (const auto& [when, pixels] : seen)
                if (Same(pixels, *first)) {
                    shown = when;
                    found = true;
                    break;
                }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    XSetErrorHandler(previous);
    return found;
}
