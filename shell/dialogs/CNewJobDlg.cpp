#include "shell/dialogs/CNewJobDlg.h"

#include "foundation/screens/FileDialogRules.h"
#include "platform/messages/MessageBox.h"
#include "platform/text/Format.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"

CNewJobDlg::CNewJobDlg(const CString& storageRoot, CWnd* parent) : CDialog(IDD, parent) {
    values.rootPath = Format(L"%s\\Jobs\\", storageRoot.c_str());
    BindControl(newjob::kName, EN_CHANGE, &CNewJobDlg::OnChangeName);
}

BOOL CNewJobDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    shown_ = true;
    return TRUE;
}

void CNewJobDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, newjob::kName, values.name);
    DDX_Text(pDX, newjob::kRootPath, values.rootPath);
    DDX_Radio(pDX, newjob::kWizard, values.mode);
}

void CNewJobDlg::OnChangeName() {
    if (!shown_) return;
    UpdateData(TRUE);
    jobFile_ = values.rootPath + values.name + L"\\" + values.name + L".qzs";
}

void CNewJobDlg::OnOK() {
    UpdateData(TRUE);
    values.name.Trim();
    // The name becomes a folder: the Save dialog's rules for a file name hold.
    const CString refusal = CheckSaveName(values.name);
    if (!refusal.IsEmpty()) {
        MessageBox(refusal, L"信息提示", MB_OK | MB_ICONINFORMATION);
        if (CWnd* edit = GetDlgItem(newjob::kName)) edit->SetFocus();
        return;
    }
    jobFile_ = values.rootPath + values.name + L"\\" + values.name + L".qzs";
    CDialog::OnOK();
}
