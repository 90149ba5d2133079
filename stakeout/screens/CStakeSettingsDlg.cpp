#include "stakeout/screens/CStakeSettingsDlg.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/StringTable.h"
#include "resources/StakeSettingsDlg.h"
#include "resources/StakeoutDlg.h"
#include "stakeout/screens/ShowCountExchange.h"

using namespace stakesettings;

CStakeSettingsDlg::CStakeSettingsDlg(CWnd* parent) : CDialog(IDD, parent) {
    BindCommand(kShowMeasured, &CStakeSettingsDlg::OnShowMeasured);
    BindCommand(kViewMode, &CStakeSettingsDlg::OnViewMode);
}

BOOL CStakeSettingsDlg::OnInitDialog() {
    static_cast<CComboBox*>(GetDlgItem(kCount))->AddString(LoadStringResource(pointstake::kAllText));
    CDialog::OnInitDialog();
    GetDlgItem(kCount)->EnableWindow(settings.showRecordLayoutPoint ? TRUE : FALSE);
    return TRUE;
}

void CStakeSettingsDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Check(pDX, kShowAll, settings.showAllLayoutPoint);
    DDX_Check(pDX, kShowMeasured, settings.showRecordLayoutPoint);
    DDX_Check(pDX, kSound, settings.soundPrompt);
    DDX_Text(pDX, kMax, settings.maxLayoutPrompt);
    DDX_Text(pDX, kMin, settings.minLayoutPrompt);
    DDX_ShowCount(pDX, kCount, settings.showSurveyPoint);
    DDX_Check(pDX, kViewMode, viewMode);
}

void CStakeSettingsDlg::OnShowMeasured() {
    UpdateData(TRUE);
    GetDlgItem(kCount)->EnableWindow(settings.showRecordLayoutPoint ? TRUE : FALSE);
}

void CStakeSettingsDlg::OnViewMode() {
    // The check box has already changed; the value follows it.
    UpdateData(TRUE);
}

void CStakeSettingsDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    UINT refusal = 0;
    if (settings.minLayoutPrompt < 0 || settings.maxLayoutPrompt < 0)
        refusal = kNegative;
    else if (settings.maxLayoutPrompt < settings.minLayoutPrompt)
        refusal = kMaxBelowMin;
    if (refusal != 0) {
        MessageBox(LoadStringResource(refusal), L"提示", MB_OK | MB_ICONINFORMATION);
        GotoDlgCtrl(GetDlgItem(kMin));
        return;
    }
    EndDialog(IDOK);
}
