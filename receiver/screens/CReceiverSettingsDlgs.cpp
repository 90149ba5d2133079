#include "receiver/screens/CReceiverSettingsDlgs.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/StringTable.h"
#include "receiver/IFrameServices.h"
#include "resources/StringIds.h"

namespace {
constexpr int kMaxAngle = 89;
}  // namespace

CSatLimitDlg::CSatLimitDlg(IFrameServices& frame, CWnd* parent) : CDialog(IDD, parent), frame_(frame) {}

BOOL CSatLimitDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_nAngle = frame_.GeneralSettings().connection.nGAngle;
    UpdateData(FALSE);
    return TRUE;
}

void CSatLimitDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, satlimit::kAngle, m_nAngle);
    DDV_MinMaxInt(pDX, m_nAngle, 0, kMaxAngle);
}

void CSatLimitDlg::OnOK() {
    // A refused text keeps the dialog open whatever the last accepted angle was.
    const bool read = UpdateData(TRUE);
    if (m_nAngle < 0 || m_nAngle > kMaxAngle) {
        MessageBox(LoadStringResource(strings::kMaskAngleRefused), nullptr, MB_OK);
        return;
    }
    if (read) EndDialog(IDOK);
}

CRoverSettingsDlg::CRoverSettingsDlg(IFrameServices& frame, CWnd* parent)
    : CDialog(IDD, parent), frame_(frame) {}

BOOL CRoverSettingsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    for (const wchar_t* item : {L"RTCA", L"RTCM", L"CMR", L"RTCM3"})
        SendDlgItemMessage(roversettings::kRadioFormat, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    for (const wchar_t* item : {L"high", L"common", L"low"})
        SendDlgItemMessage(roversettings::kFixLevel, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    const ConnectionSettings& c = frame_.GeneralSettings().connection;
    m_nRadioFormat = c.nRadioFormat;
    m_nFixLevel = c.nFixLevel;
    m_dRmshLimit = c.dRmshLimit;
    m_dRmsvLimit = c.dRmsvLimit;
    m_nPDOPLimit = c.nPDOPLimit;
    m_dPDOPLimit = c.dPDOPLimit;
    UpdateData(FALSE);
    return TRUE;
}

void CRoverSettingsDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_CBIndex(pDX, roversettings::kRadioFormat, m_nRadioFormat);
    DDX_CBIndex(pDX, roversettings::kFixLevel, m_nFixLevel);
    DDX_Text(pDX, roversettings::kRmshLimit, m_dRmshLimit);
    DDX_Text(pDX, roversettings::kRmsvLimit, m_dRmsvLimit);
    DDX_Check(pDX, roversettings::kUsePdop, m_nPDOPLimit);
    DDX_Text(pDX, roversettings::kPdopLimit, m_dPDOPLimit);
}

CTimeZoneDlg::CTimeZoneDlg(IFrameServices& frame, CWnd* parent) : CDialog(IDD, parent), frame_(frame) {}

BOOL CTimeZoneDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_nTimeZone = frame_.GeneralSettings().connection.nTimeZone;
    UpdateData(FALSE);
    return TRUE;
}

void CTimeZoneDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, timezonedlg::kZone, m_nTimeZone);
    DDV_MinMaxInt(pDX, m_nTimeZone, kWestmost, kEastmost);
}
