#include "foundation/screens/CTabSheet.h"

BOOL CTabSheet::AddPage(const wchar_t* title, CDialog* page, UINT templateId) {
    if (pageCount_ >= kMaxPages) return FALSE;
    titles_[static_cast<size_t>(pageCount_)] = title;
    pages_[static_cast<size_t>(pageCount_)] = page;
    templateIds_[static_cast<size_t>(pageCount_)] = templateId;
    ++pageCount_;
    return TRUE;
}

void CTabSheet::Show() {
    for (int i = 0; i < pageCount_; ++i) {
        pages_[static_cast<size_t>(i)]->Create(templateIds_[static_cast<size_t>(i)], this);
        InsertItem(i, titles_[static_cast<size_t>(i)]);
    }
    SetRect();
}

void CTabSheet::SetRect() {
    if (pageCount_ == 0) return;
    CRect client, item;
    GetClientRect(&client);
    GetItemRect(0, &item);
    const int x = item.left, y = item.bottom + 1;
    const int width = client.right - item.left - 2, height = client.bottom - y - 2;
    for (int i = 0; i < pageCount_; ++i)
        pages_[static_cast<size_t>(i)]->SetWindowPos(nullptr, x, y, width, height,
                                                     i == 0 ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    currentPage_ = 0;
}

void CTabSheet::SwitchTo(int index) {
    pages_[static_cast<size_t>(currentPage_)]->ShowWindow(SW_HIDE);
    currentPage_ = index;
    pages_[static_cast<size_t>(currentPage_)]->ShowWindow(SW_SHOW);
}

int CTabSheet::SetActivePage(int index) {
    if (index < 0 || index >= pageCount_) return -1;
    if (index == currentPage_) return currentPage_;
    const int previous = currentPage_;
    SwitchTo(index);
    SetCurSel(index);
    return previous;
}

void CTabSheet::SelectPage(int index) {
    if (index < 1 || index >= pageCount_ || index == currentPage_) return;
    SetActivePage(index);
    pages_[static_cast<size_t>(index)]->ShowWindow(SW_SHOW);
    pages_[static_cast<size_t>(index)]->SetFocus();
}

LRESULT CTabSheet::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CTabCtrl::DefWindowProc(message, wParam, lParam);
    // A tap on a tab or the arrow keys moved the selection: its page comes with it.
    if ((message == WM_LBUTTONDOWN || message == WM_KEYDOWN) && IsWindow(m_hWnd)) {
        const int chosen = GetCurSel();
        if (chosen >= 0 && chosen < pageCount_ && chosen != currentPage_) SwitchTo(chosen);
    }
    return result;
}
