#include "powerline/screens/CTowerSectionStakeDlg.h"

#include "platform/ui/DataExchange.h"
#include "resources/PowerlineScreens.h"

namespace {
using namespace towersection;
}  // namespace

CTowerSectionStakeDlg::CTowerSectionStakeDlg(IPowerlineHost& host, ISurveyHost& survey, CWnd* parent)
    : CPowerlineScreen(IDD, host, survey, parent) {}

BOOL CTowerSectionStakeDlg::OnInitDialog() {
    CPowerlineScreen::OnInitDialog();
    UpdateData(FALSE);
    return TRUE;
}

void CTowerSectionStakeDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, kSection, values.section);
    DDX_Text(pDX, kStakeNumber, values.stakeNumber);
    DDX_Text(pDX, kRefHeight, values.refHeight);
}

std::optional<CPowerlineScreen::StoreTarget> CTowerSectionStakeDlg::PrepareStore(CPointStoreCtrl& ctrl) {
    if (!UpdateData(TRUE)) return std::nullopt;
    values.section.Trim();
    if (values.section.IsEmpty()) {
        MessageBox(L"请输入塔基断面!", L"提示", MB_OK | MB_ICONINFORMATION);
        GotoDlgCtrl(GetDlgItem(kSection));
        return std::nullopt;
    }
    // Side stakes of the section: no mileage, offset or height difference of a line of their own.
    ctrl.SetLineContext(0.0, 0.0, 0.0, values.section, values.stakeNumber, values.refHeight, CString());
    ctrl.SetSectionLabel(values.section);
    return StoreTarget{kTowerSectionPoint, kDaoheng};
}
