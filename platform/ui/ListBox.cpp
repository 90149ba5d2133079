#include "platform/ui/ListBox.h"

#include <algorithm>

#include "platform/gdi/SysColors.h"
#include "platform/gdi/TextTypes.h"
#include "platform/ui/ControlParts.h"
#include "platform/ui/WindowDC.h"

BOOL CListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(WC_LISTBOX, L"", style | WS_CHILD, rect, parent, id);
}

void CListBox::GetText(int index, CString& text) const {
    text = state_.items.Valid(index) ? state_.items.At(index).text : CString();
}

void CListBox::AdoptControlState(CWnd& previous) {
    CRowControl::AdoptControlState(previous);
    if (auto* list = dynamic_cast<CListBox*>(&previous)) state_ = list->state_;
}

LRESULT CListBox::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr MessageRoute<CListBox> kRoutes[] = {
        {LB_GETCOUNT, &CListBox::OnGetCount},
        {LB_GETCURSEL, &CListBox::OnGetCurSel},
        {LB_SETCURSEL, &CListBox::OnSetCurSel},
        {LB_ADDSTRING, &CListBox::OnAddString},
        {LB_INSERTSTRING, &CListBox::OnInsertString},
        {LB_DELETESTRING, &CListBox::OnDeleteString},
        {LB_RESETCONTENT, &CListBox::OnResetContent},
        {LB_GETTEXT, &CListBox::OnItems<CStringItems::Query::Text>},
        {LB_GETTEXTLEN, &CListBox::OnItems<CStringItems::Query::TextLength>},
        {LB_FINDSTRING, &CListBox::OnItems<CStringItems::Query::Find>},
        {LB_FINDSTRINGEXACT, &CListBox::OnItems<CStringItems::Query::FindExact>},
        {LB_SELECTSTRING, &CListBox::OnSelectString},
        {LB_GETITEMDATA, &CListBox::OnItems<CStringItems::Query::Data>},
        {LB_SETITEMDATA, &CListBox::OnItems<CStringItems::Query::SetData>},
        {LB_GETTOPINDEX, &CListBox::OnGetTopIndex},
        {LB_SETTOPINDEX, &CListBox::OnSetTopIndex},
    };
    if (const auto result = RouteMessage(*this, kRoutes, message, wParam, lParam)) return *result;
    return CRowControl::DefWindowProc(message, wParam, lParam);
}

RowsLayout CListBox::LayoutRows() {
    RowsLayout l;
    l.rowHeight = RowHeight(*this);
    input_.scroll.Place(l, InsideBorder(*this), 0, state_.items.Count());
    return l;
}

void CListBox::ScrollIntoView(int index) {
    if (!state_.items.Valid(index)) return;
    const int rows = LayoutRows().page;
    int& top = input_.scroll.top;
    if (index < top) top = index;
    if (index >= top + rows) top = index - rows + 1;
    top = ClampScroll(top, rows, state_.items.Count());
}

void CListBox::Choose(int index) {
    if (!state_.items.Valid(index) || index == state_.selected) return;
    state_.selected = index;
    ScrollIntoView(index);
    Invalidate();
    if (GetStyle() & LBS_NOTIFY) NotifyParent(LBN_SELCHANGE);
}

// ---- messages

namespace {
int Index(WPARAM wParam) {
    return static_cast<int>(wParam);
}
CString TextOf(LPARAM lParam) {
    return CString(reinterpret_cast<const wchar_t*>(lParam));
}
}  // namespace

LRESULT CListBox::OnSetCurSel(WPARAM wParam, LPARAM) {
    const int index = Index(wParam);
    state_.selected = state_.items.Valid(index) ? index : -1;
    ScrollIntoView(state_.selected);
    Invalidate();
    return state_.items.Valid(index) ? index : LB_ERR;
}

LRESULT CListBox::OnAddString(WPARAM, LPARAM lParam) {
    return Inserted(state_.items.Add(TextOf(lParam), (GetStyle() & LBS_SORT) != 0));
}

LRESULT CListBox::OnInsertString(WPARAM wParam, LPARAM lParam) {
    return Inserted(state_.items.Insert(Index(wParam), TextOf(lParam)));
}

LRESULT CListBox::Inserted(int at) {
    if (at < 0) return LB_ERR;
    if (state_.selected >= at) ++state_.selected;
    Invalidate();
    return at;
}

LRESULT CListBox::OnDeleteString(WPARAM wParam, LPARAM) {
    const int index = Index(wParam);
    if (!state_.items.Valid(index)) return LB_ERR;
    state_.items.Remove(index);
    if (state_.selected == index)
        state_.selected = -1;
    else if (state_.selected > index)
        --state_.selected;
    LayoutRows();
    Invalidate();
    return state_.items.Count();
}

LRESULT CListBox::OnResetContent(WPARAM, LPARAM) {
    state_.items.Clear();
    state_.selected = -1;
    input_.scroll.top = 0;
    Invalidate();
    return 0;
}

LRESULT CListBox::OnSelectString(WPARAM wParam, LPARAM lParam) {
    const int found = state_.items.Find(Index(wParam), TextOf(lParam), false);
    if (found < 0) return LB_ERR;
    SendMessage(LB_SETCURSEL, static_cast<WPARAM>(found));
    return found;
}

LRESULT CListBox::OnSetTopIndex(WPARAM wParam, LPARAM) {
    const int index = Index(wParam);
    if (!state_.items.Valid(index)) return LB_ERR;
    input_.scroll.top = index;
    LayoutRows();
    Invalidate();
    return 0;
}

// ---- input

bool CListBox::TapRows(bool doubleTap, CPoint point) {
    const int row = input_.scroll.top + (point.y - InsideBorder(*this).top) / RowHeight(*this);
    if (!state_.items.Valid(row)) return false;
    Choose(row);
    if (doubleTap && (GetStyle() & LBS_NOTIFY)) NotifyParent(LBN_DBLCLK);
    return false;
}

void CListBox::OnKey(UINT key) {
    const int last = state_.items.Count() - 1;
    const int page = LayoutRows().page;
    const int selected = state_.selected;
    const int current = selected < 0 ? 0 : selected;
    switch (key) {
        case VK_UP:
            Choose(std::max(0, current - 1));
            break;
        case VK_DOWN:
            Choose(selected < 0 ? 0 : std::min(last, current + 1));
            break;
        case VK_PRIOR:
            Choose(std::max(0, current - page));
            break;
        case VK_NEXT:
            Choose(std::min(last, current + page));
            break;
        case VK_HOME:
            Choose(0);
            break;
        case VK_END:
            Choose(last);
            break;
    }
}

void CListBox::FocusChanged() {
    if (GetStyle() & LBS_NOTIFY) NotifyParent(input_.focused ? LBN_SETFOCUS : LBN_KILLFOCUS);
}

void CListBox::Paint(CDC& dc) {
    CRect client;
    GetClientRect(&client);
    DrawControlBorder(*this, dc, client);
    HBRUSH brush = SendCtlColor(&dc, WM_CTLCOLORLISTBOX);
    dc.FillRect(&client, brush ? brush : GetSysColorBrush(COLOR_WINDOW));
    const RowsLayout layout = LayoutRows();
    input_.scroll.Draw(dc, layout);
    client.right = layout.rows.right;
    CFont* old = SelectWindowFont(dc);
    dc.SetBkMode(TRANSPARENT);
    const COLORREF normalText = IsWindowEnabled() ? dc.GetTextColor() : GetSysColor(COLOR_GRAYTEXT);
    const int height = RowHeight(*this);
    const CStringItems& items = state_.items;
    for (int i = input_.scroll.top, y = client.top; i < items.Count() && y < client.bottom;
         ++i, y += height) {
        CRect row(client.left, y, client.right, std::min<int>(y + height, client.bottom));
        COLORREF ink = normalText;
        if (i == state_.selected) {
            COLORREF back = 0;
            SelectionColors(true, ink, back);
            dc.FillSolidRect(&row, back);
        }
        dc.SetTextColor(ink);
        CRect textRect = row;
        textRect.left += 2;
        dc.DrawText(items.At(i).text, &textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        if (i == state_.selected && input_.focused) dc.DrawFocusRect(&row);
    }
    dc.SelectObject(old);
}
