#include "foundation/screens/CFilterSetDlg.h"

namespace {
constexpr int kCheckIds[5] = {1002, 1006, 1007, 1008, 1009};
}

CFilterSetDlg::CFilterSetDlg(CWnd* parent) : CDialog(IDD, parent) {}

BOOL CFilterSetDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    return TRUE;
}

void CFilterSetDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    for (size_t i = 0; i < m_nShow.size(); ++i) DDX_Check(pDX, kCheckIds[i], m_nShow[i]);
}
