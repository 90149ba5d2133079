#include "survey/screens/CPointStoreDlg.h"

#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/ui/StringTable.h"
#include "receiver/ReceiverMessages.h"
#include "resources/SurveyStrings.h"
#include "survey/SurveyHost.h"
#include "survey/screens/StoreInput.h"

namespace {
using namespace pointstore;
constexpr UINT kTickMs = 1000;
}  // namespace

CPointStoreDlg::CPointStoreDlg(ISurveyHost& host, bool smoothing, CWnd* parent)
    : CDialog(IDD, parent), host_(host), smoothing_(smoothing) {
    BindMessage(WM_GPS_POSITION_STORE, &CPointStoreDlg::OnStorePosition);
    BindCommand(kStop, &CPointStoreDlg::OnStop);
}

BOOL CPointStoreDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    const GeneralSettingsBlock& settings = host_.Settings();
    if (settings.nCodeSaveType == 1) values.code = values.name;
    values.antennaHeight = settings.szdSourceAntHgt;
    values.antennaType = settings.nAntHgtType;
    if (smoothing_) {
        run_.Start(settings.nSmoothSecond);
        host_.ListenForStore(m_hWnd);
        listening_ = true;
        SetTimer(kSmoothTimer, kTickMs);
    }
    if (CWnd* stop = GetDlgItem(kStop)) stop->ShowWindow(smoothing_ ? SW_SHOW : SW_HIDE);
    UpdateData(FALSE);
    return TRUE;
}

void CPointStoreDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, kStatus, values.status);
    DDX_Text(pDX, kName, values.name);
    DDX_Text(pDX, kCode, values.code);
    DDX_Text(pDX, kAntHeight, values.antennaHeight);
    DDX_Radio(pDX, kVertical, values.antennaType);
    DDX_Text(pDX, kX, values.x);
    DDX_Text(pDX, kY, values.y);
    DDX_Text(pDX, kH, values.h);
    DDX_Text(pDX, kRmsH, values.rmsH);
    DDX_Text(pDX, kRmsV, values.rmsV);
    DDX_Radio(pDX, kTerrain, values.kind);
}

LRESULT CPointStoreDlg::OnStorePosition(WPARAM wParam, LPARAM) {
    if (const auto* fix = reinterpret_cast<const CGpsState*>(wParam)) run_.TakeFix(*fix);
    return 0;
}

void CPointStoreDlg::OnTimer(UINT_PTR id) {
    if (id != kSmoothTimer) return CDialog::OnTimer(id);
    const int epoch = run_.Counter();
    const SmoothingRun::Tick tick =
        run_.OnTick(host_.Settings().connection.dRmshLimit, host_.Settings().connection.dRmsvLimit);
    if (tick == SmoothingRun::Tick::kNoFix) return;
    if (tick == SmoothingRun::Tick::kFinished) {
        KillTimer(kSmoothTimer);
        SetWindowText(LoadStringResource(surveystr::kSmoothDone));
        return;
    }
    SetWindowText(Format(L"%s(%d)...", LoadStringResource(surveystr::kSmoothing), epoch));
    SetDlgItemText(kProgress, Format(L"%d/%d", epoch, run_.Target()));
    if (tick != SmoothingRun::Tick::kAccepted) return;
    UpdateData(TRUE);
    const CGpsState& mean = run_.Averaged();
    values.x = Format(L"%.3f", mean.gridX);
    values.y = Format(L"%.3f", mean.gridY);
    values.h = Format(L"%.3f", mean.gridH);
    values.rmsH = Format(L"%.3f", mean.rmsH);
    values.rmsV = Format(L"%.3f", mean.rmsV);
    UpdateData(FALSE);
}

void CPointStoreDlg::OnStop() {
    if (!run_.Running()) return;
    run_.Stop();
    KillTimer(kSmoothTimer);
    ShowEnded();
}

void CPointStoreDlg::ShowEnded() {
    const bool none = run_.Epochs().empty();
    SetWindowText(LoadStringResource(none ? surveystr::kNoSmoothData : surveystr::kSmoothDone));
    if (none) SetDlgItemText(kProgress, L"NO");
}

void CPointStoreDlg::EndSmoothing() {
    if (!smoothing_) return;
    KillTimer(kSmoothTimer);
    if (listening_) host_.StopListeningForStore(m_hWnd);
    listening_ = false;
}

void CPointStoreDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    if (smoothing_ && run_.Running()) return;
    if (smoothing_ && run_.Epochs().empty()) {
        MessageBox(LoadStringResource(surveystr::kNoSmoothData), L"", MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (!CheckStoreTexts(*this, kName, values.name, {{kCode, &values.code}})) return;
    if (!CheckAntennaHeight(*this, kAntHeight, values.antennaType, values.antennaHeight, host_.Antenna()))
        return;
    const GeneralSettingsBlock& settings = host_.Settings();
    if ((ToDouble(values.rmsH) > settings.connection.dRmshLimit ||
         ToDouble(values.rmsV) > settings.connection.dRmsvLimit) &&
        MessageBox(LoadStringResource(surveystr::kPrecisionExceeded),
                   LoadStringResource(surveystr::kInfoCaption), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    vertical_ =
        VerticalAntennaHeight(values.antennaHeight, values.antennaType, host_.Antenna()).value_or(0.0);
    EndSmoothing();
    EndDialog(IDOK);
}

void CPointStoreDlg::OnCancel() {
    EndSmoothing();
    CDialog::OnCancel();
}

void CPointStoreDlg::OnClose() {
    if (smoothing_ && run_.Running()) return;
    CDialog::OnClose();
}

void CPointStoreDlg::OnDestroy() {
    EndSmoothing();
    CDialog::OnDestroy();
}
