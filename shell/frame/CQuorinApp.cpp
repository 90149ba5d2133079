#include "shell/frame/CQuorinApp.h"

#include "platform/messages/Messages.h"
#include "shell/frame/CMainFrame.h"
#include "shell/frame/DesktopShortcuts.h"

namespace {
BOOL FindRunningInstanceProc(HWND window, LPARAM out) {
    if (GetProp(window, mainframe::kInstanceProperty) != 1) return TRUE;
    *reinterpret_cast<HWND*>(out) = window;
    return FALSE;
}
}  // namespace

CQuorinApp::CQuorinApp() = default;

CQuorinApp::~CQuorinApp() {
    owned_.reset();
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
    if (!owned_ || !owned_->m_hWnd) return 0;
    const HWND window = owned_->m_hWnd;
    RunMessageLoop([&] {
        if (afterEach) afterEach();
        return IsWindow(window);
    });
    return 0;
}
