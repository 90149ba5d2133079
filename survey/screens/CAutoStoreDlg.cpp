#include "survey/screens/CAutoStoreDlg.h"

#include "platform/text/Format.h"
#include "survey/SurveyHost.h"
#include "survey/screens/StoreInput.h"

namespace {
using namespace autostore;
constexpr UINT kSysKeyDown = 0x0104;  // a key pressed with Alt held
}  // namespace

CAutoStoreDlg::CAutoStoreDlg(ISurveyHost& host, CWnd* parent) : CDialog(IDD, parent), host_(host) {
    BindCommand(kStart, &CAutoStoreDlg::OnStart);
    BindCommand(kStop, &CAutoStoreDlg::OnStopStore);
}

BOOL CAutoStoreDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    ShowRunning(host_.AutoStore().running != 0);
    const GeneralSettingsBlock& settings = host_.Settings();
    values.antennaHeight = settings.szdSourceAntHgt;
    values.antennaType = settings.nAntHgtType;
    UpdateData(FALSE);
    SetDlgItemText(kAntHeight, Format(L"%.3f", values.antennaHeight));
    SetDlgItemText(kCount, Format(L"%d", host_.AutoStore().count));
    return TRUE;
}

void CAutoStoreDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, kName, values.name);
    DDX_Text(pDX, kAntHeight, values.antennaHeight);
    DDX_Text(pDX, kCode, values.code);
    DDX_Radio(pDX, kVertical, values.antennaType);
}

bool CAutoStoreDlg::ReadFields() {
    if (!UpdateData(TRUE)) return false;
    const double measured = values.antennaHeight;
    if (!CheckStoreTexts(*this, kName, values.name, {{kCode, &values.code}})) return false;
    if (!CheckAntennaHeight(*this, kAntHeight, values.antennaType, measured, host_.Antenna())) return false;
    vertical_ = VerticalAntennaHeight(measured, values.antennaType, host_.Antenna()).value_or(0.0);
    return true;
}

void CAutoStoreDlg::ShowRunning(bool running) {
    shownRunning_ = running;
    CWnd* enabled = GetDlgItem(running ? kStop : kStart);
    CWnd* disabled = GetDlgItem(running ? kStart : kStop);
    enabled->EnableWindow(TRUE);
    if (GetFocus() == disabled) GotoDlgCtrl(enabled);
    disabled->EnableWindow(FALSE);
}

void CAutoStoreDlg::OnStart() {
    if (!ReadFields()) return;
    started_ = 1;
    ShowRunning(true);
    // OK starts the count again.
    SetDlgItemText(kCount, L"0");
}

void CAutoStoreDlg::OnStopStore() {
    UpdateData(TRUE);
    started_ = 0;
    ShowRunning(false);
}

BOOL CAutoStoreDlg::PreTranslateMessage(MSG* msg) {
    if ((msg->message == WM_KEYDOWN || msg->message == kSysKeyDown) && msg->wParam == VK_RETURN) {
        if (shownRunning_)
            OnStopStore();
        else
            OnStart();
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

void CAutoStoreDlg::OnOK() {
    // The fields are checked again: they may have changed since 开始存储.
    if (!ReadFields()) return;
    host_.ResetAutoStoreCount();
    GeneralSettingsBlock settings = host_.Settings();
    settings.nAntHgtType = values.antennaType;
    settings.szdSourceAntHgt = values.antennaHeight;
    settings.szdRoverAntH = vertical_;
    // The job file's writer tells the user when the file cannot be written.
    host_.SaveSettings(settings);
    EndDialog(IDOK);
}
