#include "geodesy/screens/CFourParamDlg.h"

CFourParamDlg::CFourParamDlg(const CoordSysParams& job, CWnd* parent)
    : CDialog(IDD, parent), adjust(job.adjust), job_(job) {
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
    DDX_Text(pDX, fourparam::kAdjustX, adjust.szdAdjustX);
    DDX_Text(pDX, fourparam::kAdjustY, adjust.szdAdjustY);
    DDX_Text(pDX, fourparam::kAdjustH, adjust.szdAdjustH);
}

void CFourParamDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    if (const auto refusal = CheckFourParams(four_.values)) {
        ShowRefusal(*this, *refusal, FourParamFieldId(refusal->field));
        return;
    }
    four = four_.values;
    EndDialog(IDOK);
}

void CFourParamDlg::StoreInto(CoordSysParams& record) const {
    StoreFourParamValues(four, record.four);
    record.adjust = adjust;
}

void CFourParamDlg::OnEnable() {
    four_.OnEnableClicked(*this);
}
