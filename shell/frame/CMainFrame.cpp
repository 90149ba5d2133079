#include "shell/frame/CMainFrame.h"
#include "shell/frame/RefusedLinks.h"

#include "foundation/DataFileRead.h"
#include "platform/display/Display.h"
#include "platform/messages/MessageBox.h"
#include "platform/time/Clock.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/StringTable.h"
#include "receiver/ReceiverMessages.h"
#include "receiver/ReceiverStartup.h"
#include "receiver/screens/InstrumentCommands.h"
#include "resources/MainMenu.h"
#include "resources/StringIds.h"
#include "shell/commands/MainMenuCommands.h"
#include "shell/dialogs/CAboutDlg.h"
#include "shell/dialogs/CSplashWnd.h"
#include "shell/view/CFrmGraphView.h"
#include "shell/view/HardwareKeys.h"
#include "survey/RawFileCheck.h"
#include "survey/screens/SurveyPointStore.h"

CMainFrame::CMainFrame() : supervision_(*this, receiver_, job_) {
    job_.OnSettingsChanged(
        [this](const GeneralSettingsBlock& s) { receiver_.UseConnectionSettings(s.connection); });
    job_.OnCoordParamsChanged([this](const CoordSysParams& coord) { position_.Apply(coord); });
    BindMessage(WM_SERIAL_DATA, &CMainFrame::OnReceiverData);
    BindMessage(WM_SERIAL_HANGUP, &CMainFrame::OnReceiverLost);
    BindMessage(mainframe::WM_DISPLAY_POINTS_READ, &CMainFrame::OnDisplayPointsRead);
    BindMessage(mainframe::WM_SURVEY_RECORDS_READ, &CMainFrame::OnSurveyRecordsRead);
    BindMessage(mainframe::WM_RAW_FILE_CHECKED, &CMainFrame::OnRawFileChecked);
    BindMessage(mainframe::WM_TELL_NOTICES, &CMainFrame::OnTellNotices);
    BindCommandRange(mainmenu::kParamView, mainmenu::kExit, &CMainFrame::OnMenuCommand);
}

CMainFrame::~CMainFrame() {
    if (m_hWnd) DestroyWindow();
    receiver_.ClosePort();
}

BOOL CMainFrame::CreateFrame() {
    return CreateEx(0, nullptr, L"", WS_POPUP, CRect(0, 0, kScreenWidth, kScreenHeight), nullptr, 0);
}

void CMainFrame::StartUp() {
    {
        const PendingNotices::Gathering gathering(notices_);
        StartUpGathering();
    }
    // Over the first screen and owned by the frame: the splash's going does not take the box, and
    // positions flow while it is up.
    notices_.TellWaiting(m_hWnd);
    job_.StartNoticesShown();
    // Last: a start that names its job has told all it met.
    SetTitle(LoadStringResource(strings::kAppName) + L"<" + job_.SystemRecord().szDataFile + L">");
}

void CMainFrame::StartUpGathering() {
    LoadJobAtStartup();
    ShowWindow(SW_SHOW);
    UpdateWindow();
    SetForegroundWindow();
    RecalcViewLayout();
    ConnectJobReceiver();
    // The built-in Bluetooth module's port opens, but nothing here links the module to a receiver.
    if (supervision_.OnBuiltInModule()) ResetAndNotify(Supervision::kModuleUnlinkedText);
    ShowWindow(SW_SHOW);
    UpdateWindow();
    // The splash made with the frame stays over it until its time is up.
    if (CSplashWnd* splash = CSplashWnd::Current()) splash->BringWindowToTop();
    // After the first screen, off this thread: a large job must not delay it. The record file and
    // the coordinate view are indexed once the map's points are in, so that on one core the map
    // does not wait for them; the surveyed list begins now, so that a point stored before its index
    // is read joins it after the file's lines.
    records_.BeginLoad();
    FillDisplayPoints();
    indexesAfterFill_ = !displayFill_.WaitForRead(0);
    if (!indexesAfterFill_) StartIndexes();
    CheckRawFile();
}

void CMainFrame::StartIndexes() {
    records_.StartLoad(m_hWnd, mainframe::WM_SURVEY_RECORDS_READ);
    if (records_.coordView)
        records_.coordView->IndexAhead(job_.Paths().dataFolder + job_.Paths().dataFileName);
}

void CMainFrame::LoadJobAtStartup() {
    job_.LoadAtStartup();
    SetLocalTimeOffsetMinutes(job_.Settings().connection.nTimeZone * 60);
    job_.TakeLoaded(job_.Settings(), job_.CoordParams());
    job_.StartPointNames();
    storeHost_ = std::make_unique<SurveyHostImpl>(hosts_.Survey());
    pointStore_ = std::make_unique<CSurveyPointStore>(*storeHost_, this);
    storePath_.Use(pointStore_.get());
    records_.SetRecordFile(
        SurveyRecords::RecordFilePath(job_.Paths().dataFolder, job_.SystemRecord().szDataFile));
}

int CMainFrame::OnCreate() {
    if (!bar_.Create(this) || !bar_.InsertMenuBar(mainmenu::IDR) || !bar_.AddAdornments()) return -1;
    GreyUnavailableCommands(*bar_.GetMenu());
    IFrameOperations& window = *this;
    view_ = std::make_unique<CFrmGraphView>(job_, receiver_, records_, autoStore_, storePath_, hosts_,
                                            receiverHost_, window);
    if (!view_->CreateView(this, kViewId)) return -1;
    listeners_.ListenForPositions(view_->m_hWnd);
    receiver_.LedsOff();
    SetProp(mainframe::kInstanceProperty, 1);
    CSplashWnd::EnableSplashScreen(TRUE);
    CSplashWnd::ShowSplashScreen(this);
    SetTimer(IDT_FRAME_TICK, mainframe::kTickMs);
    RecalcViewLayout();
    return 0;
}

void CMainFrame::OnDestroy() {
    supervision_.CloseWarnings();
    displayFill_.Stop();
    if (CSplashWnd* splash = CSplashWnd::Current()) splash->DestroyWindow();
    KillTimer(IDT_FRAME_TICK);
    job_.SaveAtExit();
    receiver_.LedsOff();
    CWnd::OnDestroy();
}

void CMainFrame::OnTimer(UINT_PTR id) {
    if (id != IDT_FRAME_TICK) return;
    // The menu has no update pass: the tick keeps the link item's text with the data link.
    ShowLinkTypeInMenu(*bar_.GetMenu(), job_.Settings().dataLink.nModuleType);
    supervision_.OnTick();
    TellRefusedLinks(this);
}

void CMainFrame::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    RecalcViewLayout();
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == mainframe::WM_RELAYOUT) {
        RecalcViewLayout();
        return 1;
    }
    if (message == mainframe::WM_EXIT_NOW) {
        DestroyWindow();
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CMainFrame::OnMenuCommand(UINT id) {
    MenuContext context{*this, receiverHost_, hosts_, jobCommands_};
    RunMenuCommand(context, id);
}

void CMainFrame::RecalcViewLayout() {
    if (!bar_.m_hWnd || !view_ || !view_->m_hWnd) return;
    const int barHeight = static_cast<int>(bar_.SendMessage(WM_QZ_COMMANDBAR_HEIGHT));
    CRect client;
    GetClientRect(&client);
    view_->MoveWindow(0, barHeight, client.Width(), client.Height() - barHeight, TRUE);
}

void CMainFrame::SetTitle(const CString& title) {
    SetWindowText(title);
    CDesktop::Get().Display().SetTitle(title.str());
}

void CMainFrame::ApplyCoordParams() {
    position_.Apply(job_.CoordParams());
}

LRESULT CMainFrame::OnReceiverLost(WPARAM, LPARAM) {
    supervision_.OnPortLost();
    return 0;
}

void CMainFrame::FillDisplayPoints() {
    records_.display.Clear();
    if (view_) view_->StoredPointsChanged();
    displayFill_.Start(job_.Paths().dataFolder + job_.Paths().dataFileName, job_.Settings().nShowSurveyPoint,
                       m_hWnd, mainframe::WM_DISPLAY_POINTS_READ);
}

LRESULT CMainFrame::OnDisplayPointsRead(WPARAM number, LPARAM) {
    // Every fill started posts this, one stopped part way too.
    if (indexesAfterFill_) {
        indexesAfterFill_ = false;
        StartIndexes();
    }
    size_t skipped = 0;
    if (!displayFill_.Finish(number, records_.display, skipped)) return 0;
    if (view_) view_->StoredPointsChanged();
    TellSkippedLines(job_.Paths().dataFolder + job_.Paths().dataFileName, skipped);
    return 0;
}

LRESULT CMainFrame::OnSurveyRecordsRead(WPARAM number, LPARAM) {
    if (records_.FinishLoad(number))
        TellSkippedLines(records_.RecordFile(), records_.surveyed.SkippedLines());
    return 0;
}

void CMainFrame::CheckRawFile() {
    const CString path = job_.ResultFiles().RawFile();
    rawCheck_.Start(
        [path](RawFileChecked& checked, const std::atomic<bool>& stop) {
            checked.path = path;
            checked.skipped = ::CheckRawFile(path, &stop).skipped;
        },
        m_hWnd, mainframe::WM_RAW_FILE_CHECKED);
}

LRESULT CMainFrame::OnRawFileChecked(WPARAM number, LPARAM) {
    if (const std::optional<RawFileChecked> checked = rawCheck_.Finish(number))
        TellSkippedLines(checked->path, checked->skipped);
    return 0;
}

void CMainFrame::TellSkippedLines(const CString& path, size_t skipped) {
    const CString notice = DataFileNotice(path, {DataFileStatus::kRead, skipped});
    if (!notice.IsEmpty() && toldSkipped_.insert(path.str()).second)
        AfxMessageBox(notice, MB_ICONINFORMATION | MB_OK);
}

void CMainFrame::OnConnectInstrument() {
    RunConnectInstrument(receiverHost_);
}

void CMainFrame::OnAppAbout() {
    const GpsTextBlock& ident = receiver_.State().ident;
    CAboutDlg dlg(this, mainframe::kSoftwareVersion, ident.text[0], ident.text[1]);
    dlg.DoModal();
}

void CMainFrame::ConfirmExit() {
    if (MessageBox(L"确定要退出衡川吗?", L"提示", MB_YESNO | MB_ICONQUESTION) == IDYES) DestroyWindow();
}

void CMainFrame::ResetAndNotify(const CString& text) {
    receiver_.ResetAndNotify(text);
}

BOOL CMainFrame::ConnectJobReceiver() {
    const ConnectionSettings& c = job_.Settings().connection;
    return receiverHost_.ConnectReceiver(c.nPort, c.nComMode, c.nInputCom, c.nComBaud);
}

void CMainFrame::CloseReceiver() {
    if (MessageBox(L"确实要关闭GPS主机吗?", L"信息提示", MB_YESNO) == IDYES) receiver_.SwitchOff();
}

void CMainFrame::ReacquireAndSave() {
    if (!receiver_.ReacquireAndSave())
        AfxMessageBox(L"创建Ini文件错误,请检查错误!", MB_ICONINFORMATION | MB_OK);
}

LRESULT CMainFrame::OnReceiverData(WPARAM bytes, LPARAM count) {
    {
        // The reader waits for this handler: a box here would hold every position back.
        const PendingNotices::Gathering gathering(notices_);
        OnReceiverBytes(reinterpret_cast<const uint8_t*>(bytes), static_cast<size_t>(count));
    }
    if (notices_.Waiting()) PostMessage(mainframe::WM_TELL_NOTICES);
    return 0;
}

LRESULT CMainFrame::OnTellNotices(WPARAM, LPARAM) {
    notices_.TellWaiting(m_hWnd);
    return 0;
}
