#include "shell/dialogs/CAboutDlg.h"

#include "resources/AboutDlg.h"

CAboutDlg::CAboutDlg(CWnd* parent, const CString& version, const CString& serial, const CString& date)
    : CDialog(about::IDD, parent), version_(version), serial_(serial), date_(date) {}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(about::kSoftwareVersion, version_);
    SetDlgItemText(about::kReceiverSerial, serial_);
    SetDlgItemText(about::kReceiverDate, date_);
    return TRUE;
}
