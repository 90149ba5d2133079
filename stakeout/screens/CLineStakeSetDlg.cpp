#include "stakeout/screens/CLineStakeSetDlg.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/StringTable.h"
#include "resources/LineStakeDlg.h"
#include "resources/LineStakeSetDlg.h"
#include "resources/StakeSettingsDlg.h"

using namespace linesettings;

CLineStakeSetDlg::CLineStakeSetDlg(CWnd* parent) : CDialog(IDD, parent) {
    BindCommand(kShowMeasured, &CLineStakeSetDlg::OnShowMeasured);
}

BOOL CLineStakeSetDlg::OnInitDialog() {
    if (auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kCount)))
        combo->AddString(LoadStringResource(linestake::kAllText));
    CDialog::OnInitDialog();
    GetDlgItem(kCount)->EnableWindow(m_nShowMeasured ? TRUE : FALSE);
    return TRUE;
}

void CLineStakeSetDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, kMin, m_dMin);
    DDX_Text(pDX, kMax, m_dMax);
    DDX_Check(pDX, kSound, m_nSound);
    DDX_Check(pDX, kShowMeasured, m_nShowMeasured);
    DDX_Check(pDX, kPlumb, m_nPlumb);
    DDX_Check(pDX, kShowAllLines, m_nShowAllLines);
    DDX_CBString(pDX, kCount, m_strCount);
    DDX_Text(pDX, kInterval, m_dInterval);
    DDX_Check(pDX, kMileagePrompt, m_nMileagePrompt);
    DDX_Check(pDX, kViewMode, m_nViewMode);
}

void CLineStakeSetDlg::OnShowMeasured() {
    UpdateData(TRUE);
    GetDlgItem(kCount)->EnableWindow(m_nShowMeasured ? TRUE : FALSE);
}

void CLineStakeSetDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    UINT refusal = 0;
    if (m_dMin < 0 || m_dMax < 0)
        refusal = stakesettings::kNegative;
    else if (m_dMax < m_dMin)
        refusal = stakesettings::kMaxBelowMin;
    if (refusal != 0) {
        MessageBox(LoadStringResource(refusal), L"提示", MB_OK | MB_ICONINFORMATION);
        GotoDlgCtrl(GetDlgItem(kMin));
        return;
    }
    EndDialog(IDOK);
}
