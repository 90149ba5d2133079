#include "geodesy/screens/CSevenParamDlg.h"

CSevenParamDlg::CSevenParamDlg(const CoordSysParams& job, CWnd* parent) : CDialog(IDD, parent), job_(job) {
    BindCommand(sevenparam::kEnable, &CSevenParamDlg::OnEnableCheck);
}

BOOL CSevenParamDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    const CoordSysParams& job = job_;
    seven_.Init(*this, job.seven);
    UpdateData(FALSE);
    return TRUE;
}

void CSevenParamDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    seven_.Exchange(pDX);
}

void CSevenParamDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    m_seven = seven_.values;
    EndDialog(IDOK);
}

void CSevenParamDlg::OnEnableCheck() {
    seven_.OnEnableClicked(*this);
}
