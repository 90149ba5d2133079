// The X11 window shows what was presented, scaled twice, and gets it back when a part of it is
// exposed: the presented picture, not what the screen holds half-way through a later paint. The
// same whether the server shares the kept picture's memory or is sent the image (a server without
// MIT-SHM, as one on another machine behaves), and at another scale than the usual doubling.
#include <sys/wait.h>

#include <chrono>
#include <csignal>
#include <thread>
#include <tuple>

#include "platform/display/x11/X11Display.h"
#include "tests/app/PrivateXvfb.h"

// Last: Xlib's macros would clash with the names above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

// The parameters: whether the server offers shared memory, and the window's scale.
class X11DisplayInXvfb : public ::testing::TestWithParam<std::tuple<bool, int>> {
protected:
    void SetUp() override {
        if (std::system("command -v Xvfb >/dev/null 2>&1") != 0) GTEST_SKIP() << "Xvfb missing";
        std::vector<const char*> withoutSharing = {"-extension", "MIT-SHM"};
        ASSERT_NO_FATAL_FAILURE(
            StartPrivateXvfb(xvfb_, display_, Shared() ? std::vector<const char*>{} : withoutSharing));
        display = CX11Display::Open(display_.c_str(), L"x11-display-test", std::get<1>(GetParam()));
        ASSERT_TRUE(display);
        ASSERT_EQ(display->PictureShared(), Shared());
        viewer_ = XOpenDisplay(display_.c_str());
        ASSERT_TRUE(viewer_);
        ASSERT_TRUE(Until([&] { return (window_ = ShownWindow()) != 0; })) << "no window shown";
    }
    bool Shared() const { return std::get<0>(GetParam()); }
    void TearDown() override {
        if (viewer_) XCloseDisplay(viewer_);
        display.reset();
        if (xvfb_ > 0) {
            kill(xvfb_, SIGKILL);
            waitpid(xvfb_, nullptr, 0);
        }
    }

    // The one top-level window once it is viewable.
    Window ShownWindow() {
        Window root = 0, parent = 0, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(viewer_, DefaultRootWindow(viewer_), &root, &parent, &children, &count)) return 0;
        Window shown = 0;
        for (unsigned i = 0; i < count; ++i) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(viewer_, children[i], &attributes) && attributes.map_state == IsViewable)
                shown = children[i];
        }
        if (children) XFree(children);
        return shown;
    }

    // Whether every pixel of the window is its screen pixel's colour.
    bool WindowShows(const Framebuffer& expected) {
        const int scale = display->Scale();
        XImage* image = XGetImage(viewer_, window_, 0, 0, static_cast<unsigned>(kScreenWidth * scale),
                                  static_cast<unsigned>(kScreenHeight * scale), AllPlanes, ZPixmap);
        if (!image) return false;
        bool same = true;
        for (int y = 0; y < kScreenHeight * scale && same; ++y)
            for (int x = 0; x < kScreenWidth * scale && same; ++x)
                same = (XGetPixel(image, x, y) & 0xFFFFFFu) == expected.row(y / scale)[x / scale];
        XDestroyImage(image);
        return same;
    }

    template <typename Condition>
    static bool Until(Condition condition) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!condition())
            if (std::chrono::steady_clock::now() > end)
                return false;
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return true;
    }

    void ExposeTheWindow() {
        XClearArea(viewer_, window_, 0, 0, 0, 0, True);
        XSync(viewer_, False);
    }

    std::unique_ptr<CX11Display> display;

private:
    pid_t xvfb_ = -1;
    std::string display_;
    Display* viewer_ = nullptr;
    Window window_ = 0;
};

void Paint(Framebuffer& screen, const CRect& area, int seed) {
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            screen.row(y)[x] = static_cast<uint32_t>((x * 7 + seed) & 0xFF) << 16 |
                               static_cast<uint32_t>((y * 5 + seed) & 0xFF) << 8 |
                               static_cast<uint32_t>((x + y + seed) & 0xFF);
}

}  // namespace

TEST_P(X11DisplayInXvfb, TheWindowShowsWhatWasPresentedAndGetsItBackWhenExposed) {
    Framebuffer screen(kScreenWidth, kScreenHeight);
    const CRect whole(0, 0, kScreenWidth, kScreenHeight);
    Paint(screen, whole, 0);
    display->Present(screen, whole);
    Framebuffer presented = screen;
    ASSERT_TRUE(Until([&] { return WindowShows(presented); })) << "the whole screen";

    // A part presented, another painted but not yet presented.
    const CRect changed(10, 20, 130, 61), unpresented(100, 200, 240, 320);
    Paint(screen, changed, 99);
    display->Present(screen, changed);
    Paint(presented, changed, 99);
    ASSERT_TRUE(Until([&] { return WindowShows(presented); })) << "the presented part";
    Paint(screen, unpresented, 50);
    ExposeTheWindow();
    EXPECT_TRUE(Until([&] { return WindowShows(presented); })) << "the exposed window";
}
// Xlib defines Bool, so the cases are named.
INSTANTIATE_TEST_SUITE_P(PictureInTheServer, X11DisplayInXvfb,
                         ::testing::Values(std::tuple(true, 2), std::tuple(false, 2), std::tuple(true, 1)),
                         [](const ::testing::TestParamInfo<std::tuple<bool, int>>& info) {
                             return std::string(std::get<0>(info.param) ? "Shared" : "Sent") + "Scale" +
                                    std::to_string(std::get<1>(info.param));
                         });
