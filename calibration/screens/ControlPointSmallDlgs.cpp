#include "calibration/screens/ControlPointSmallDlgs.h"

#include <algorithm>

#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"

COverLimitDlg::COverLimitDlg(const CString& text, CWnd* parent) : CDialog(IDD, parent), text_(text) {}

BOOL COverLimitDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(overlimit::kText, text_);
    return TRUE;
}

CPointAttrDlg::CPointAttrDlg(CWnd* parent) : CDialog(IDD, parent) {}

BOOL CPointAttrDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    UpdateData(FALSE);
    return TRUE;
}

void CPointAttrDlg::DoDataExchange(CDataExchange* pDX) {
    // The name is shown for information: what is typed there is not taken back.
    if (!pDX->m_bSaveAndValidate) SetDlgItemText(pointattr::kName, values.name);
    DDX_Check(pDX, pointattr::kUsePlane, values.usePlane);
    DDX_Check(pDX, pointattr::kUseHeight, values.useHeight);
}

CParamSettingsDlg::CParamSettingsDlg(CWnd* parent) : CDialog(IDD, parent) {}

BOOL CParamSettingsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    for (const wchar_t* item : {L"3", L"4"})
        SendDlgItemMessage(solvesettings::kPlaneCount, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    for (const wchar_t* item : {L"6", L"7"})
        SendDlgItemMessage(solvesettings::kSurfaceCount, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    // A stored index the dialog does not offer shows the nearest one.
    values.planeIndex = std::clamp(values.planeIndex, 0, 1);
    values.surfaceIndex = std::clamp(values.surfaceIndex, 0, 1);
    UpdateData(FALSE);
    return TRUE;
}

void CParamSettingsDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_CBIndex(pDX, solvesettings::kPlaneCount, values.planeIndex);
    DDX_CBIndex(pDX, solvesettings::kSurfaceCount, values.surfaceIndex);
}
