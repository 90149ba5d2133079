// ui-demo: the control gallery in an X11 window. Taps and keys work as on the handheld; each tap
// on "加一" prints "count=N" and, with --screenshot FILE, saves the screen as PNG after painting.
// Closing the window ends the program.
#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/ui-demo/gallery/GalleryDlg.h"
#include "platform/display/x11/X11Display.h"
#include "platform/gdi/Png.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/Desktop.h"

int main(int argc, char** argv) {
    std::string screenshot;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) screenshot = argv[++i];

    std::unique_ptr<CX11Display> display = CX11Display::Open(nullptr, L"ui-demo");
    if (!display) {
        std::fprintf(stderr, "ui-demo: cannot open the X display\n");
        return 1;
    }
    CDesktop& desktop = CDesktop::Get();
    desktop.SetDisplay(display.get());
    InitCommonControls();

    const auto saveScreen = [&] {
        desktop.PaintAll();
        if (!screenshot.empty()) WritePng(desktop.Screen(), screenshot);
    };
    CGalleryDlg dlg([&](int count) {
        saveScreen();
        std::printf("count=%d\n", count);
        std::fflush(stdout);
    });
    if (!dlg.Create(CGalleryDlg::IDD)) return 1;
    dlg.ShowWindow(SW_SHOW);
    saveScreen();
    std::printf("ready\n");
    std::fflush(stdout);

    std::atomic<bool> closed = false;
    const HWND window = dlg.m_hWnd;
    display->SetCloseHandler([&] {
        closed = true;
        PostMessage(window, WM_NULL, 0, 0);
    });
    RunMessageLoop([&] { return !closed && IsWindow(window) && dlg.IsWindowVisible(); });
    display->SetCloseHandler({});
    dlg.DestroyWindow();
    desktop.SetDisplay(nullptr);
    return 0;
}
