#include "shell/dialogs/WarningDialogs.h"

#include "resources/WarningDlgs.h"
#include "shell/frame/Supervision.h"

namespace {
WarningShownHook g_shownHook = nullptr;
}  // namespace

WarningShownHook SetWarningShownHook(WarningShownHook hook) {
    const WarningShownHook previous = g_shownHook;
    g_shownHook = hook;
    return previous;
}

CWarningDlg::CWarningDlg(UINT templateId, WarningKind kind, Supervision& owner)
    : CDialog(templateId, nullptr), kind_(kind), owner_(owner) {}

void CWarningDlg::Raise() {
    if (IsOpen()) {
        SetFocus();
        return;
    }
    if (!Create(GetTemplateId(), nullptr)) return;
    ShowWindow(SW_SHOW);
    if (!g_shownHook) return;
    CString caption;
    GetWindowText(caption);
    g_shownHook(caption, Text());
}

CString CWarningDlg::Text() {
    CString text;
    for (const UINT id :
         {UINT{warning::kText}, UINT{warning::kBaseIdChange}, UINT{warning::kBaseCoordChange}}) {
        CString part;
        if (GetDlgItem(static_cast<int>(id))) GetDlgItemText(static_cast<int>(id), part);
        text += part;
    }
    text.Replace(L"\r\n", L"");
    return text;
}

void CWarningDlg::Close() {
    if (IsOpen()) DestroyWindow();
}

BOOL CWarningDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (kind_ == WarningKind::kBaseCoord) SetDlgItemText(warning::kBaseCoordChange, owner_.BaseChangeText());
    if (kind_ == WarningKind::kBaseId) SetDlgItemText(warning::kBaseIdChange, owner_.BaseChangeText());
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
