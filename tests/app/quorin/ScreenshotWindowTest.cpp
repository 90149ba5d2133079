// The screenshot is what the window shows: in the built program's X11 window on a private Xvfb
// server, every pixel of the window is its screenshot pixel scaled twice, text included, on the map
// (a warning over it) and on 参数查看 with its row of tabs.
#include "tests/app/quorin/ProgramInXvfb.h"

// Last: Xlib's macros would clash with the names above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

class ScreenshotWindow : public ProgramInXvfb {
protected:
    void TearDown() override {
        if (viewer_) XCloseDisplay(viewer_);
        ProgramInXvfb::TearDown();
    }
    // Whether the window holds the screenshot's pixels, each as a square of four.
    bool WindowShowsScreenshot() {
        png_image png{};
        png.version = PNG_IMAGE_VERSION;
        if (!png_image_begin_read_from_file(&png, (work_ / "screen.png").c_str())) return false;
        png.format = PNG_FORMAT_RGB;
        std::vector<png_byte> shot(PNG_IMAGE_SIZE(png));
        if (!png_image_finish_read(&png, nullptr, shot.data(), 0, nullptr) || png.width != 240 ||
            png.height != 320)
            return false;
        if (!viewer_) viewer_ = XOpenDisplay(display_.c_str());
        if (!viewer_) return false;
        XImage* image = XGetImage(viewer_, std::stoul(window_), 0, 0, 480, 640, AllPlanes, ZPixmap);
        if (!image) return false;
        bool same = true;
        for (int y = 0; y < 320 && same; ++y)
            for (int x = 0; x < 240 && same; ++x) {
                const png_byte* p = &shot[(static_cast<size_t>(y) * 240 + static_cast<size_t>(x)) * 3];
                const unsigned long pixel = static_cast<unsigned long>(p[0] << 16 | p[1] << 8 | p[2]);
                for (int d = 0; d < 4 && same; ++d)
                    same = (XGetPixel(image, 2 * x + d % 2, 2 * y + d / 2) & 0xFFFFFFu) == pixel;
            }
        XDestroyImage(image);
        return same;
    }

    Display* viewer_ = nullptr;
};

}  // namespace

TEST_F(ScreenshotWindow, TheWindowHoldsTheScreenshotsPixels) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(WaitForFixes());
    // The screen changes with every fix: the two agree once the program has caught up.
    EXPECT_TRUE(PlayUntil([&] { return WindowShowsScreenshot(); }, 30000)) << "the map";
    // 参数查看, the map's seventh button, on its page 拟合.
    Xdo("mousemove --window " + window_ + " 336 604 click 1");
    ASSERT_TRUE(PlayUntil([&] { return ScreenPixel(120, 13) == 0x000080; }, 30000));
    Keys("Right Right");
    EXPECT_TRUE(PlayUntil([&] { return WindowShowsScreenshot(); }, 30000)) << "参数查看";
    ASSERT_NO_FATAL_FAILURE(StopProgram());
}
