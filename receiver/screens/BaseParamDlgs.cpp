#include "receiver/screens/BaseParamDlgs.h"

#include "platform/ui/CommonControls.h"

namespace {
constexpr double kMaxAntennaHeight = 65.535;  // millimetres in 16 bits
}

void ExchangeTransmitParams(CDataExchange* pDX, BaseTransmitParams& p) {
    DDX_Text(pDX, baseautostart::kInterval, p.nSendInterval);
    DDV_MinMaxInt(pDX, p.nSendInterval, 1, 255);
    DDX_CBIndex(pDX, baseautostart::kFormat, p.nDiffFormat);
    DDX_Text(pDX, baseautostart::kMask, p.nElevMask);
    DDV_MinMaxInt(pDX, p.nElevMask, 0, 89);
    DDX_Text(pDX, baseautostart::kPdop, p.dPdopLimit);
    DDV_MinMaxDouble(pDX, p.dPdopLimit, 0.1, 25.5);
}

void FillFormatList(CWnd& dialog) {
    dialog.SendDlgItemMessage(baseautostart::kFormat, CB_RESETCONTENT);
    for (const wchar_t* format : {L"RTCA", L"RTCM", L"CMR", L"RTCM3"})
        dialog.SendDlgItemMessage(baseautostart::kFormat, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(format));
}

BOOL CBaseAutoStartDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    FillFormatList(*this);
    values.nSendInterval = 1;
    values.nDiffFormat = radioFormat_;
    UpdateData(FALSE);
    return TRUE;
}

void CBaseAutoStartDlg::DoDataExchange(CDataExchange* pDX) {
    ExchangeTransmitParams(pDX, values);
}

void CBaseAutoStartDlg::OnOK() {
    // A refused field is put right before the question, never after it.
    if (!UpdateData(TRUE)) return;
    if (MessageBox(L"确定设置为基准站单点自动发射吗?", L"提示", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    EndDialog(IDOK);
}

BOOL CStaticModeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    return TRUE;
}

void CStaticModeDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, staticmode::kMask, values.nElevMask);
    DDV_MinMaxInt(pDX, values.nElevMask, 0, 89);
    DDX_Text(pDX, staticmode::kPdop, values.dPdopLimit);
    DDV_MinMaxDouble(pDX, values.dPdopLimit, 0.1, 25.5);
    DDX_Text(pDX, staticmode::kInterval, values.nSendInterval);
    DDV_MinMaxInt(pDX, values.nSendInterval, 1, 255);
    DDX_Text(pDX, staticmode::kPointName, values.szPointName);
    DDX_Text(pDX, staticmode::kAntHeight, values.dAntHeight);
    DDV_MinMaxDouble(pDX, values.dAntHeight, 0.0, kMaxAntennaHeight);
}

void CStaticModeDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    // The name goes out one byte per character: a blank or a Chinese character would be mangled.
    if (!IsStaticPointName(values.szPointName)) {
        MessageBox(L"点名须为1~16个英文字符,不能含空格!", L"提示", MB_OK | MB_ICONINFORMATION);
        GotoDlgCtrl(GetDlgItem(staticmode::kPointName));
        return;
    }
    EndDialog(IDOK);
}
