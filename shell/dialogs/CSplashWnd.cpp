#include "shell/dialogs/CSplashWnd.h"

#include "platform/ui/WindowDC.h"
#include "resources/SplashBitmap.h"

namespace {
CSplashWnd* g_splash = nullptr;
bool g_enabled = false;
}  // namespace

void CSplashWnd::EnableSplashScreen(BOOL enable) {
    g_enabled = enable != FALSE;
}

CSplashWnd* CSplashWnd::Current() {
    return g_splash;
}

void CSplashWnd::ShowSplashScreen(CWnd* parent) {
    if (!g_enabled || g_splash) return;
    auto* splash = new CSplashWnd;
    splash->bitmap_ = SplashBitmap();
    const CRect rect(0, 0, splash->bitmap_.GetWidth(), splash->bitmap_.GetHeight());
    if (!splash->CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, rect, nullptr, 0)) {
        delete splash;
        return;
    }
    splash->SetOwner(parent);
    g_splash = splash;
    splash->UpdateWindow();
}

int CSplashWnd::OnCreate() {
    CenterWindow();
    SetTimer(kTimerId, kShowMs);
    return 0;
}

void CSplashWnd::OnPaint() {
    CPaintDC dc(this);
    bitmap_.Draw(&dc, 0, 0);
}

void CSplashWnd::OnTimer(UINT_PTR) {
    HideSplashScreen();
}

void CSplashWnd::HideSplashScreen() {
    CWnd* owner = GetOwner();
    DestroyWindow();
    if (owner) owner->UpdateWindow();
}

void CSplashWnd::PostNcDestroy() {
    if (g_splash == this) g_splash = nullptr;
    delete this;
}
