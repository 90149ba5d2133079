#include "foundation/screens/CFindPointDlg.h"

#include "platform/text/Format.h"

namespace {
constexpr int kSearchEdit = 1045;
constexpr int kSearchButton = 1051;
constexpr int kList = 1060;
}  // namespace

CFindPointDlg::CFindPointDlg(CWnd* parent) : CDialog(IDD, parent) {
    BindCommand(kSearchButton, &CFindPointDlg::OnSearch);
    BindControl(kList, LBN_SELCHANGE, &CFindPointDlg::OnSelChange);
}

void CFindPointDlg::AddCandidate(const PointRecord& point, int32_t row) {
    candidates_.push_back({point, row, -1});
}

BOOL CFindPointDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    CenterWindow();
    list_.SubclassDlgItem(kList, this);
    shown_ = candidates_;
    ShowEntries();
    return TRUE;
}

void CFindPointDlg::ShowFields(const PointCandidate& entry) {
    SetDlgItemText(1036, Format(L"%.4f", entry.point.x));
    SetDlgItemText(1034, Format(L"%.4f", entry.point.y));
    SetDlgItemText(1032, Format(L"%.4f", entry.point.h));
    SetDlgItemText(1046, entry.point.code);
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
    GetDlgItemText(kSearchEdit, text);
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
