#include "stakeout/screens/CStakeSettingsDlg.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/StringTable.h"
#include "resources/StakeSettingsDlg.h"
#include "resources/StakeoutDlg.h"

using namespace stakesettings;

CStakeSettingsDlg::CStakeSettingsDlg(CWnd* parent) : CDialog(IDD, parent) {
    BindCommand(kShowMeasured, &CStakeSettingsDlg::OnShowMeasured);
    BindCommand(kViewMode, &CStakeSettingsDlg::OnViewMode);
}

BOOL CStakeSettingsDlg::OnInitDialog() {
    static_cast<CComboBox*>(GetDlgItem(kCount))->AddString(LoadStringResource(pointstake::kAllText));
    CDialog::OnInitDialog();
    GetDlgItem(kCount)->EnableWindow(m_nShowMeasured ? TRUE : FALSE);
    return TRUE;
}

void CStakeSettingsDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Check(pDX, kShowAll, m_nShowAll);
    DDX_Check(pDX, kShowMeasured, m_nShowMeasured);
    DDX_Check(pDX, kSound, m_nSound);
    DDX_Text(pDX, kMax, m_dMax);
    DDX_Text(pDX, kMin, m_dMin);
    DDX_CBString(pDX, kCount, m_strCount);
    DDX_Check(pDX, kViewMode, m_nViewMode);
}

void CStakeSettingsDlg::OnShowMeasured() {
    UpdateData(TRUE);
    GetDlgItem(kCount)->EnableWindow(m_nShowMeasured ? TRUE : FALSE);
}

void CStakeSettingsDlg::OnViewMode() {
    // The check box has already changed; the value follows it.
    UpdateData(TRUE);
}

void CStakeSettingsDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    UINT refusal = 0;
    if (m_dMin < 0 || m_dMax < 0)
        refusal = kNegative;
    else if (m_dMax < m_dMin)
        refusal = kMaxBelowMin;
    if (refusal != 0) {
        MessageBox(LoadStringResource(refusal), L"提示", MB_OK | MB_ICONINFORMATION);
        GotoDlgCtrl(GetDlgItem(kMin));
        return;
    }
    EndDialog(IDOK);
}
