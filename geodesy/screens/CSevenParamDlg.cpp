#include "geodesy/screens/CSevenParamDlg.h"

#include "geodesy/screens/GeodesyFrame.h"

CSevenParamDlg::CSevenParamDlg(CWnd* parent) : CDialog(IDD, parent) {
    BindCommand(sevenparam::kEnable, &CSevenParamDlg::OnEnableCheck);
}

BOOL CSevenParamDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    const CoordSysParams job = record_          ? *record_
                               : GeodesyFrame() ? GeodesyFrame()->JobCoordParams()
                                                : CoordSysParams{};
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
