#include "geodesy/screens/CFourParamDlg.h"

CFourParamDlg::CFourParamDlg(const CoordSysParams& job, CWnd* parent)
    : CDialog(IDD, parent), m_adjust(job.adjust), job_(job) {
    BindCommand(fourparam::kEnable, &CFourParamDlg::OnEnable);
}

BOOL CFourParamDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    four_.Init(*this, job_.four);
    UpdateData(FALSE);
    return TRUE;
}

void CFourParamDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    four_.Exchange(pDX);
    DDX_Text(pDX, fourparam::kAdjustX, m_adjust.szdAdjustX);
    DDX_Text(pDX, fourparam::kAdjustY, m_adjust.szdAdjustY);
    DDX_Text(pDX, fourparam::kAdjustH, m_adjust.szdAdjustH);
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

void CFourParamDlg::StoreInto(CoordSysParams& record) const {
    StoreFourParamValues(m_four, record.four);
    record.adjust = m_adjust;
}

void CFourParamDlg::OnEnable() {
    four_.OnEnableClicked(*this);
}
