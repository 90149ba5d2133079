#include "geodesy/screens/CFourParamDlg.h"

CFourParamDlg::CFourParamDlg(const CoordSysParams& job, CWnd* parent) : CDialog(IDD, parent), job_(job) {
    BindCommand(fourparam::kEnable, &CFourParamDlg::OnEnable);
}

BOOL CFourParamDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    const CoordSysParams& job = job_;
    four_.Init(*this, job.four);
    m_dAdjustX = job.adjust.szdAdjustX;
    m_dAdjustY = job.adjust.szdAdjustY;
    m_dAdjustH = job.adjust.szdAdjustH;
    UpdateData(FALSE);
    return TRUE;
}

void CFourParamDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    four_.Exchange(pDX);
    DDX_Text(pDX, fourparam::kAdjustX, m_dAdjustX);
    DDX_Text(pDX, fourparam::kAdjustY, m_dAdjustY);
    DDX_Text(pDX, fourparam::kAdjustH, m_dAdjustH);
}

void CFourParamDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    if (const auto refusal = CheckFourParams(four_.values)) {
        ShowRefusal(*this, *refusal, FourParamFieldId(refusal->field));
        return;
    }
    m_four = four_.values;
    EndDialog(IDOK);
}

void CFourParamDlg::OnEnable() {
    four_.OnEnableClicked(*this);
}
