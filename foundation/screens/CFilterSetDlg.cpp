#include "foundation/screens/CFilterSetDlg.h"

CFilterSetDlg::CFilterSetDlg(CWnd* parent) : CDialog(IDD, parent) {}

BOOL CFilterSetDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    return TRUE;
}

void CFilterSetDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    for (size_t i = 0; i < shown.size(); ++i) DDX_Check(pDX, filterset::kTypeChecks[i], shown[i]);
}
