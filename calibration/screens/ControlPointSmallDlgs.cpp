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
    if (!pDX->m_bSaveAndValidate) SetDlgItemText(pointattr::kName, m_strName);
    DDX_Check(pDX, pointattr::kUsePlane, m_bUsePlane);
    DDX_Check(pDX, pointattr::kUseHeight, m_bUseHeight);
}

CParamSettingsDlg::CParamSettingsDlg(CWnd* parent) : CDialog(IDD, parent) {}

BOOL CParamSettingsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    for (const wchar_t* item : {L"3", L"4"})
        SendDlgItemMessage(solvesettings::kPlaneCount, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    for (const wchar_t* item : {L"6", L"7"})
        SendDlgItemMessage(solvesettings::kSurfaceCount, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    // A stored index the dialog does not offer shows the nearest one.
    m_nPlaneIndex = std::clamp(m_nPlaneIndex, 0, 1);
    m_nSurfaceIndex = std::clamp(m_nSurfaceIndex, 0, 1);
    UpdateData(FALSE);
    return TRUE;
}

void CParamSettingsDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_CBIndex(pDX, solvesettings::kPlaneCount, m_nPlaneIndex);
    DDX_CBIndex(pDX, solvesettings::kSurfaceCount, m_nSurfaceIndex);
}
