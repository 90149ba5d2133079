#include "shell/WarningDialogs.h"

#include "resources/WarningDlgs.h"
#include "shell/Supervision.h"

CWarningDlg::CWarningDlg(UINT templateId, WarningKind kind, Supervision& owner)
    : CDialog(templateId, nullptr), kind_(kind), owner_(owner) {}

void CWarningDlg::Raise() {
    if (IsOpen()) {
        SetFocus();
        return;
    }
    if (Create(GetTemplateId(), nullptr)) ShowWindow(SW_SHOW);
}

void CWarningDlg::Close() {
    if (IsOpen()) DestroyWindow();
}

BOOL CWarningDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (kind_ == WarningKind::kBaseCoord) SetDlgItemText(warning::kBaseCoordChange, owner_.baseChangeText);
    if (kind_ == WarningKind::kBaseId) SetDlgItemText(warning::kBaseIdChange, owner_.baseChangeText);
    return TRUE;
}

void CWarningDlg::OnOK() {
    owner_.Acknowledge(kind_);
    DestroyWindow();
}

void CWarningDlg::OnCancel() {
    DestroyWindow();
}

CMeridianWarnDlg::CMeridianWarnDlg(Supervision& owner)
    : CWarningDlg(warning::kMeridianIdd, WarningKind::kMeridian, owner) {}
CSevenParamWarnDlg::CSevenParamWarnDlg(Supervision& owner)
    : CWarningDlg(warning::kSevenParamIdd, WarningKind::kSevenParam, owner) {}
CFourParamWarnDlg::CFourParamWarnDlg(Supervision& owner)
    : CWarningDlg(warning::kFourParamIdd, WarningKind::kFourParam, owner) {}
CBaseCoordWarnDlg::CBaseCoordWarnDlg(Supervision& owner)
    : CWarningDlg(warning::kBaseCoordIdd, WarningKind::kBaseCoord, owner) {}
CBaseIdWarnDlg::CBaseIdWarnDlg(Supervision& owner)
    : CWarningDlg(warning::kBaseIdIdd, WarningKind::kBaseId, owner) {}
