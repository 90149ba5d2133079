#include "geodesy/screens/CHeightFitParamDlg.h"

#include "geodesy/screens/GeodesyFrame.h"

CHeightFitParamDlg::CHeightFitParamDlg(CWnd* parent) : CDialog(IDD, parent) {
    BindCommand(heightfit::kEnable, &CHeightFitParamDlg::OnEnable);
}

BOOL CHeightFitParamDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    const CoordSysParams job = GeodesyFrame() ? GeodesyFrame()->JobCoordParams() : CoordSysParams{};
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
