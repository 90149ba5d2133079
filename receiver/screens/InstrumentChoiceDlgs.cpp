#include "receiver/screens/InstrumentChoiceDlgs.h"

BOOL CInstrumentSetDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    return TRUE;
}

void CInstrumentSetDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Radio(pDX, instrumentset::kWorkMode, nChoice);
}

BOOL CWorkModeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // Offered only when the receiver reported itself a base.
    if (reportedWorkMode_ == 0)
        if (CWnd* base = GetDlgItem(workmode::kBase)) base->EnableWindow(FALSE);
    CenterWindow();
    return TRUE;
}

void CWorkModeDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Radio(pDX, workmode::kKinematic, nWorkMode);
}

BOOL CDataLinkDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    return TRUE;
}

void CDataLinkDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Radio(pDX, datalink::kRadio, nLinkType);
}

CBaseSetupDlg::CBaseSetupDlg() : CDialog(IDD) {
    BindCommand(basesetup::kAutoStart, &CBaseSetupDlg::OnAutoStart);
    BindCommand(basesetup::kManual, &CBaseSetupDlg::OnManual);
}

BOOL CBaseSetupDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    return TRUE;
}

void CBaseSetupDlg::OnAutoStart() {
    nSetupKind = kAutoStart;
    EndDialog(IDOK);
}

void CBaseSetupDlg::OnManual() {
    nSetupKind = kManual;
    EndDialog(IDOK);
}
