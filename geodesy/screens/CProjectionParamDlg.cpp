#include "geodesy/screens/CProjectionParamDlg.h"

CProjectionParamDlg::CProjectionParamDlg(const CoordSysParams& job, CWnd* parent)
    : CDialog(IDD, parent), job_(job) {
    BindControl(projparam::kEllipsoid, CBN_SELCHANGE, &CProjectionParamDlg::OnSelchangeEllipsoid);
    BindControl(projparam::kProjection, CBN_SELCHANGE, &CProjectionParamDlg::OnSelchangeProjection);
}

BOOL CProjectionParamDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    const CoordSysParams& job = job_;
    ellipsoid_.Init(*this, job.ellipsoid);
    projection_.Init(*this, job.projection);
    UpdateData(FALSE);
    return TRUE;
}

void CProjectionParamDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    ellipsoid_.Exchange(pDX);
    projection_.Exchange(pDX);
}

void CProjectionParamDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    std::optional<ParamRefusal> refusal = ellipsoid_.Check();
    if (!refusal) refusal = CheckProjection(projection_.values);
    if (refusal) {
        ShowRefusal(*this, *refusal, ProjectionFieldId(refusal->field));
        return;
    }
    m_ellipsoid = ellipsoid_.Values();
    m_projection = projection_.values;
    EndDialog(IDOK);
}

void CProjectionParamDlg::OnSelchangeEllipsoid() {
    ellipsoid_.OnChosen(*this);
}

void CProjectionParamDlg::OnSelchangeProjection() {
    projection_.OnTypeChosen(*this);
}
