#include "survey/screens/CSmoothingStoreDlg.h"

#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/ui/StringTable.h"
#include "receiver/ReceiverMessages.h"
#include "resources/SurveyStrings.h"
#include "survey/SurveyHost.h"

namespace {
constexpr UINT kTickMs = 1000;
}  // namespace

CSmoothingStoreDlg::CSmoothingStoreDlg(UINT idd, ISurveyHost& host, bool smoothing, const StoreFixIds& ids,
                                       CWnd* parent)
    : CDialog(idd, parent), host_(host), smoothing_(smoothing), ids_(ids) {
    BindMessage(WM_GPS_POSITION_STORE, &CSmoothingStoreDlg::OnStorePosition);
    BindCommand(ids.stop, &CSmoothingStoreDlg::OnStop);
}

void CSmoothingStoreDlg::ShowFix(const CGpsState& state) {
    fix.x = Format(L"%.3f", state.gridX);
    fix.y = Format(L"%.3f", state.gridY);
    fix.h = Format(L"%.3f", state.gridH);
    fix.rmsH = Format(L"%.3f", state.rmsH);
    fix.rmsV = Format(L"%.3f", state.rmsV);
}

BOOL CSmoothingStoreDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    if (smoothing_) {
        run_.Start(host_.Settings().nSmoothSecond);
        host_.ListenForStore(m_hWnd);
        listening_ = true;
        SetTimer(ids_.smoothTimer, kTickMs);
    }
    if (CWnd* stop = GetDlgItem(ids_.stop)) stop->ShowWindow(smoothing_ ? SW_SHOW : SW_HIDE);
    return TRUE;
}

void CSmoothingStoreDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, ids_.status, fix.status);
    DDX_Text(pDX, ids_.x, fix.x);
    DDX_Text(pDX, ids_.y, fix.y);
    DDX_Text(pDX, ids_.h, fix.h);
    DDX_Text(pDX, ids_.rmsH, fix.rmsH);
    DDX_Text(pDX, ids_.rmsV, fix.rmsV);
}

LRESULT CSmoothingStoreDlg::OnStorePosition(WPARAM wParam, LPARAM) {
    if (const auto* state = reinterpret_cast<const CGpsState*>(wParam)) run_.TakeFix(*state);
    return 0;
}

void CSmoothingStoreDlg::OnTimer(UINT_PTR id) {
    if (id != ids_.smoothTimer) return CDialog::OnTimer(id);
    const int epoch = run_.Counter();
    const SmoothingRun::Tick tick =
        run_.OnTick(host_.Settings().connection.dRmshLimit, host_.Settings().connection.dRmsvLimit);
    if (tick == SmoothingRun::Tick::kNoFix) return;
    if (tick == SmoothingRun::Tick::kFinished) {
        KillTimer(ids_.smoothTimer);
        SetWindowText(LoadStringResource(surveystr::kSmoothDone));
        return;
    }
    SetWindowText(Format(L"%s(%d)...", LoadStringResource(surveystr::kSmoothing), epoch));
    SetDlgItemText(ids_.progress, Format(L"%d/%d", epoch, run_.Target()));
    if (tick != SmoothingRun::Tick::kAccepted) return;
    UpdateData(TRUE);
    ShowFix(run_.Averaged());
    UpdateData(FALSE);
}

void CSmoothingStoreDlg::OnStop() {
    if (!run_.Running()) return;
    run_.Stop();
    KillTimer(ids_.smoothTimer);
    ShowEnded();
}

void CSmoothingStoreDlg::ShowEnded() {
    const bool none = run_.Epochs().empty();
    SetWindowText(LoadStringResource(none ? surveystr::kNoSmoothData : surveystr::kSmoothDone));
    if (none) SetDlgItemText(ids_.progress, L"NO");
}

bool CSmoothingStoreDlg::SmoothingEnded() {
    if (smoothing_ && run_.Running()) return false;
    if (smoothing_ && run_.Epochs().empty()) {
        MessageBox(LoadStringResource(surveystr::kNoSmoothData), L"", MB_OK | MB_ICONINFORMATION);
        return false;
    }
    return true;
}

bool CSmoothingStoreDlg::PrecisionAccepted() {
    const GeneralSettingsBlock& settings = host_.Settings();
    return (ToDouble(fix.rmsH) <= settings.connection.dRmshLimit &&
            ToDouble(fix.rmsV) <= settings.connection.dRmsvLimit) ||
           MessageBox(LoadStringResource(surveystr::kPrecisionExceeded),
                      LoadStringResource(surveystr::kInfoCaption), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CSmoothingStoreDlg::EndSmoothing() {
    if (!smoothing_) return;
    KillTimer(ids_.smoothTimer);
    if (listening_) host_.StopListeningForStore(m_hWnd);
    listening_ = false;
}

void CSmoothingStoreDlg::OnCancel() {
    EndSmoothing();
    CDialog::OnCancel();
}

void CSmoothingStoreDlg::OnClose() {
    if (smoothing_ && run_.Running()) return;
    CDialog::OnClose();
}

void CSmoothingStoreDlg::OnDestroy() {
    EndSmoothing();
    CDialog::OnDestroy();
}
