// ui-demo: the control gallery in an X11 window. Taps and keys work as on the handheld; each tap
// on "加一" prints "count=N", each change of the name field "name=TEXT". Closing the window ends
// the program; losing the X server ends it with status 1.
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "app/ui-demo/ScreenshotFile.h"
#include "app/ui-demo/gallery/GalleryDlg.h"
#include "platform/display/x11/X11Display.h"
#include "platform/text/CodePage.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/Desktop.h"

namespace {

constexpr char kUsage[] = "usage: ui-demo [--screenshot FILE] [--help]\n";
constexpr char kHelp[] =
    "The control gallery in an X11 window on $DISPLAY, scaled twice.\n"
    "  --screenshot FILE   save the screen as PNG after every paint that changed it\n"
    "  --help              show this text\n";

int Fail(const std::string& message) {
    std::fprintf(stderr, "ui-demo: %s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string screenshot;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf("%s%s", kUsage, kHelp);
            return 0;
        }
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
            screenshot = argv[++i];
            continue;
        }
        std::fprintf(stderr, "ui-demo: unknown option or missing value: %s\n%s", argv[i], kUsage);
        return 2;
    }
    std::string error;
    if (!screenshot.empty() && !CanWriteFile(screenshot, &error)) return Fail(error);

    std::unique_ptr<CX11Display> display = CX11Display::Open(nullptr, L"ui-demo");
    if (!display) {
        const char* name = std::getenv("DISPLAY");
        return Fail(name && *name ? "cannot open the X display \"" + std::string(name) + "\""
                                  : std::string("cannot open the X display (DISPLAY is not set)"));
    }
    display->OpenInputMethod();
    std::unique_ptr<CScreenshotFile> shot;
    if (!screenshot.empty()) shot = std::make_unique<CScreenshotFile>(*display, screenshot);
    CDesktop& desktop = CDesktop::Get();
    desktop.SetDisplay(shot ? static_cast<IDisplay*>(shot.get()) : display.get());
    InitCommonControls();

    bool writeFailed = false;
    const auto saveScreen = [&] {
        desktop.PaintAll();
        if (shot && !writeFailed && !shot->WriteIfChanged(&error)) writeFailed = true;
        return !writeFailed;
    };
    CGalleryDlg dlg(
        [&](int count) {
            saveScreen();
            std::printf("count=%d\n", count);
            std::fflush(stdout);
        },
        [](const CString& name) {
            std::printf("name=%s\n", ToUtf8(name).c_str());
            std::fflush(stdout);
        });
    if (!dlg.Create(CGalleryDlg::IDD)) return Fail("the gallery dialog could not be created");
    dlg.ShowWindow(SW_SHOW);
    if (!saveScreen()) return Fail(error);
    std::printf("ready\n");
    std::fflush(stdout);

    std::atomic<bool> closed = false;
    const HWND window = dlg.m_hWnd;
    display->SetCloseHandler([&] {
        closed = true;
        PostMessage(window, WM_NULL, 0, 0);
    });
    // The loop asks before each message, so also right after each paint.
    RunMessageLoop([&] {
        if (shot && !writeFailed && !shot->WriteIfChanged(&error)) writeFailed = true;
        return !writeFailed && !closed && IsWindow(window) && dlg.IsWindowVisible();
    });
    display->SetCloseHandler({});
    dlg.DestroyWindow();
    desktop.SetDisplay(nullptr);
    return writeFailed ? Fail(error) : 0;
}
