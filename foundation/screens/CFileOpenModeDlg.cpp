#include "foundation/screens/CFileOpenModeDlg.h"

CFileOpenModeDlg::CFileOpenModeDlg(CWnd* parent) : CDialog(IDD, parent) {
    BindCommand(openmode::kAppend, &CFileOpenModeDlg::OnAppend);
    BindCommand(openmode::kOverwrite, &CFileOpenModeDlg::OnOverwrite);
}

BOOL CFileOpenModeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    return TRUE;
}

void CFileOpenModeDlg::OnAppend() {
    m_nResult = kAppend;
    EndDialog(IDOK);
}

void CFileOpenModeDlg::OnOverwrite() {
    m_nResult = kOverwrite;
    EndDialog(IDOK);
}

void CFileOpenModeDlg::OnCancel() {
    m_nResult = kCancel;
    CDialog::OnCancel();
}
