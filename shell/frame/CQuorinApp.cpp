#include "shell/frame/CQuorinApp.h"

#include "platform/messages/Messages.h"
#include "shell/frame/CMainFrame.h"
#include "shell/frame/DesktopShortcuts.h"

namespace {
CQuorinApp* g_app = nullptr;

BOOL FindRunningInstanceProc(HWND window, LPARAM out) {
    if (GetProp(window, mainframe::kInstanceProperty) != 1) return TRUE;
    *reinterpret_cast<HWND*>(out) = window;
    return FALSE;
}
}  // namespace

CQuorinApp* QuorinApp() {
    return g_app;
}

CQuorinApp::CQuorinApp() {
    g_app = this;
}

CQuorinApp::~CQuorinApp() {
    owned_.reset();
    if (g_app == this) g_app = nullptr;
}

bool CQuorinApp::InitInstance() {
    HWND running;
    EnumWindows(&FindRunningInstanceProc, reinterpret_cast<LPARAM>(&running));
    if (CWnd* other = CWnd::FromHandle(running)) {
        other->ShowWindow(SW_SHOWMAXIMIZED);
        other->SetForegroundWindow();
        return false;
    }
    owned_ = std::make_unique<CMainFrame>();
    CMainFrame& frame = *owned_;
    if (!frame.CreateFrame()) return false;
    UpdateDesktopShortcuts();

    frame.StartUp();
    return true;
}

int CQuorinApp::Run(const std::function<void()>& afterEach) {
    if (!frame_ || !frame_->m_hWnd) return 0;
    const HWND window = frame_->m_hWnd;
    RunMessageLoop([&] {
        if (afterEach) afterEach();
        return IsWindow(window);
    });
    return 0;
}
