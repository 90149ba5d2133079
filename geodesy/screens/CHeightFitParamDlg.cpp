#include "geodesy/screens/CHeightFitParamDlg.h"

CHeightFitParamDlg::CHeightFitParamDlg(const CoordSysParams& job, CWnd* parent)
    : CDialog(IDD, parent), job_(job) {
    BindCommand(heightfit::kEnable, &CHeightFitParamDlg::OnEnable);
}

BOOL CHeightFitParamDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    const CoordSysParams& job = job_;
    fit_.Init(*this, job.heightFit);
    UpdateData(FALSE);
    return TRUE;
}

void CHeightFitParamDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    fit_.Exchange(pDX);
}

void CHeightFitParamDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    m_fit = fit_.values;
    EndDialog(IDOK);
}

void CHeightFitParamDlg::OnEnable() {
    fit_.OnEnableClicked(*this);
}
