#include "receiver/screens/CReceiverSettingsDlgs.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/StringTable.h"
#include "resources/StringIds.h"

namespace {
constexpr int kMaxAngle = 89;
}  // namespace

CSatLimitDlg::CSatLimitDlg(const ConnectionSettings& settings, CWnd* parent)
    : CDialog(IDD, parent), values(settings) {}

void CSatLimitDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, satlimit::kAngle, values.nGAngle);
    DDV_MinMaxInt(pDX, values.nGAngle, 0, kMaxAngle);
}

void CSatLimitDlg::OnOK() {
    // A refused text keeps the dialog open whatever the last accepted angle was.
    const bool read = UpdateData(TRUE);
    if (values.nGAngle < 0 || values.nGAngle > kMaxAngle) {
        MessageBox(LoadStringResource(strings::kMaskAngleRefused), nullptr, MB_OK);
        return;
    }
    if (read) EndDialog(IDOK);
}

CRoverSettingsDlg::CRoverSettingsDlg(const ConnectionSettings& settings, CWnd* parent)
    : CDialog(IDD, parent), values(settings) {}

BOOL CRoverSettingsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    for (const wchar_t* item : {L"RTCA", L"RTCM", L"CMR", L"RTCM3"})
        SendDlgItemMessage(roversettings::kRadioFormat, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    for (const wchar_t* item : {L"high", L"common", L"low"})
        SendDlgItemMessage(roversettings::kFixLevel, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    UpdateData(FALSE);
    return TRUE;
}

void CRoverSettingsDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_CBIndex(pDX, roversettings::kRadioFormat, values.nRadioFormat);
    DDX_CBIndex(pDX, roversettings::kFixLevel, values.nFixLevel);
    DDX_Text(pDX, roversettings::kRmshLimit, values.dRmshLimit);
    DDX_Text(pDX, roversettings::kRmsvLimit, values.dRmsvLimit);
    DDX_Check(pDX, roversettings::kUsePdop, values.nPDOPLimit);
    DDX_Text(pDX, roversettings::kPdopLimit, values.dPDOPLimit);
}

CTimeZoneDlg::CTimeZoneDlg(const ConnectionSettings& settings, CWnd* parent)
    : CDialog(IDD, parent), values(settings) {}

void CTimeZoneDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, timezonedlg::kZone, values.nTimeZone);
    DDV_MinMaxInt(pDX, values.nTimeZone, kWestmost, kEastmost);
}
