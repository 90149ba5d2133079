#include "shell/frame/CQuorinApp.h"

#include "platform/messages/Messages.h"
#include "platform/time/Clock.h"
#include "platform/ui/StringTable.h"
#include "resources/StringIds.h"
#include "shell/dialogs/CSplashWnd.h"
#include "shell/frame/CMainFrame.h"
#include "shell/frame/DesktopShortcuts.h"
#include "shell/hosts/SurveyHostImpl.h"
#include "survey/screens/SurveyPointStore.h"

namespace {
CQuorinApp* g_app = nullptr;

BOOL FindRunningInstanceProc(HWND window, LPARAM out) {
    if (GetProp(window, CMainFrame::kInstanceProperty) != 1) return TRUE;
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

    JobSession& job = frame.Job();
    job.LoadAtStartup(CMainFrame::kSoftwareVersion);
    SetLocalTimeOffsetMinutes(job.settings.connection.nTimeZone * 60);
    job.TakeLoaded(job.settings, job.coord);
    job.StartPointNames();
    surveyHost_ = std::make_unique<SurveyHostImpl>(frame);
    pointStore_ = std::make_unique<CSurveyPointStore>(*surveyHost_, &frame);
    frame.SetStorePath(pointStore_.get());
    frame.Records().SetRecordFile(SurveyRecords::RecordFilePath(job.paths.dataFolder, job.system.szDataFile));

    frame.ShowWindow(SW_SHOW);
    frame.UpdateWindow();
    frame.SetForegroundWindow();
    frame.RecalcViewLayout();
    frame.SetTitle(LoadStringResource(strings::kAppName) + L"<" + job.system.szDataFile + L">");
    frame.ConnectJobReceiver();
    // The built-in Bluetooth module's port opens, but nothing here links the module to a receiver.
    if (frame.Watch().OnBuiltInModule()) frame.ResetAndNotify(Supervision::kModuleUnlinkedText);
    frame.ShowWindow(SW_SHOW);
    frame.UpdateWindow();
    // The splash made with the frame stays over it until its time is up.
    if (CSplashWnd* splash = CSplashWnd::Current()) splash->BringWindowToTop();
    // After the first screen, off this thread: a large job must not delay it.
    frame.Records().StartLoad(frame.m_hWnd, CMainFrame::WM_SURVEY_RECORDS_READ);
    frame.FillDisplayPoints();
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
