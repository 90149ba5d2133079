#include "stakeout/screens/CLineStakeSetDlg.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/StringTable.h"
#include "resources/LineStakeDlg.h"
#include "resources/LineStakeSetDlg.h"
#include "resources/StakeSettingsDlg.h"
#include "stakeout/screens/ShowCountExchange.h"

using namespace linesettings;

CLineStakeSetDlg::CLineStakeSetDlg(CWnd* parent) : CDialog(IDD, parent) {
    BindCommand(kShowMeasured, &CLineStakeSetDlg::OnShowMeasured);
}

BOOL CLineStakeSetDlg::OnInitDialog() {
    if (auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kCount)))
        combo->AddString(LoadStringResource(linestake::kAllText));
    CDialog::OnInitDialog();
    GetDlgItem(kCount)->EnableWindow(settings.showRecordLayoutPoint ? TRUE : FALSE);
    return TRUE;
}

void CLineStakeSetDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, kMin, settings.minPrompt);
    DDX_Text(pDX, kMax, settings.maxPrompt);
    DDX_Check(pDX, kSound, settings.soundPrompt);
    DDX_Check(pDX, kShowMeasured, settings.showRecordLayoutPoint);
    DDX_Check(pDX, kPlumb, settings.showPlumb);
    DDX_Check(pDX, kShowAllLines, settings.showAllLayoutLine);
    DDX_ShowCount(pDX, kCount, settings.showSurveyPoint);
    DDX_Text(pDX, kInterval, settings.intMileage);
    DDX_Check(pDX, kMileagePrompt, settings.intMilPrompt);
    DDX_Check(pDX, kViewMode, viewMode);
}

void CLineStakeSetDlg::OnShowMeasured() {
    UpdateData(TRUE);
    GetDlgItem(kCount)->EnableWindow(settings.showRecordLayoutPoint ? TRUE : FALSE);
}

void CLineStakeSetDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    UINT refusal = 0;
    if (settings.minPrompt < 0 || settings.maxPrompt < 0)
        refusal = stakesettings::kNegative;
    else if (settings.maxPrompt < settings.minPrompt)
        refusal = stakesettings::kMaxBelowMin;
    if (refusal != 0) {
        MessageBox(LoadStringResource(refusal), L"提示", MB_OK | MB_ICONINFORMATION);
        GotoDlgCtrl(GetDlgItem(kMin));
        return;
    }
    EndDialog(IDOK);
}
