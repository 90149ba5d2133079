#include "foundation/screens/CFindPointDlg.h"

#include "platform/text/Format.h"

using namespace findpoint;

CFindPointDlg::CFindPointDlg(CWnd* parent) : CDialog(IDD, parent) {
    BindCommand(kSearch, &CFindPointDlg::OnSearch);
    BindControl(kNames, LBN_SELCHANGE, &CFindPointDlg::OnSelChange);
}

void CFindPointDlg::AddCandidate(const PointRecord& point, int32_t row) {
    candidates_.push_back({point, row, -1});
}

BOOL CFindPointDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    CenterWindow();
    list_.SubclassDlgItem(kNames, this);
    shown_ = candidates_;
    ShowEntries();
    return TRUE;
}

void CFindPointDlg::ShowFields(const PointCandidate& entry) {
    SetDlgItemText(kNorth, Format(L"%.4f", entry.point.x));
    SetDlgItemText(kEast, Format(L"%.4f", entry.point.y));
    SetDlgItemText(kHeight, Format(L"%.4f", entry.point.h));
    SetDlgItemText(kCode, entry.point.code);
}

void CFindPointDlg::ShowEntries() {
    list_.ResetContent();
    for (const PointCandidate& entry : shown_) list_.AddString(entry.point.name);
    if (shown_.empty()) return;  // the fields keep what they showed
    ShowFields(shown_.front());
    list_.SetCurSel(0);
    m_nResult = shown_.front().row;
}

void CFindPointDlg::OnSearch() {
    CString text;
    GetDlgItemText(kSearchText, text);
    m_nResult = -1;
    shown_ = SearchPoints(candidates_, text);
    ShowEntries();
}

void CFindPointDlg::OnSelChange() {
    const int line = list_.GetCurSel();
    if (line < 0 || line >= static_cast<int>(shown_.size())) return;
    ShowFields(shown_[static_cast<size_t>(line)]);
    m_nResult = shown_[static_cast<size_t>(line)].row;
}
