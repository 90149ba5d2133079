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
    text = items_.Valid(index) ? items_.At(index).text : CString();
}

void CListBox::AdoptControlState(CWnd& previous) {
    if (auto* list = dynamic_cast<CListBox*>(&previous)) {
        items_ = list->items_;
        selected_ = list->selected_;
        top_ = list->top_;
        focused_ = list->focused_;
    }
}

int CListBox::VisibleRows() {
    return std::max(1, InsideBorder(*this).Height() / RowHeight(*this));
}

CRect CListBox::ScrollBarRect() {
    const CRect inside = InsideBorder(*this);
    if (items_.Count() <= VisibleRows()) return CRect();
    return CRect(inside.right - kScrollBarSize, inside.top, inside.right, inside.bottom);
}

void CListBox::ScrollIntoView(int index) {
    if (!items_.Valid(index)) return;
    const int rows = VisibleRows();
    if (index < top_) top_ = index;
    if (index >= top_ + rows) top_ = index - rows + 1;
    top_ = ClampScroll(top_, rows, items_.Count());
}

void CListBox::Choose(int index) {
    if (!items_.Valid(index) || index == selected_) return;
    selected_ = index;
    ScrollIntoView(index);
    Invalidate();
    if (GetStyle() & LBS_NOTIFY) NotifyParent(LBN_SELCHANGE);
}

LRESULT CListBox::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    const auto text = [lParam] { return CString(reinterpret_cast<const wchar_t*>(lParam)); };
    switch (message) {
        case WM_PAINT: {
            CPaintDC dc(this);
            Paint(dc);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case LB_GETCOUNT:
            return items_.Count();
        case LB_GETCURSEL:
            return selected_;
        case LB_SETCURSEL:
            selected_ = items_.Valid(index) ? index : -1;
            ScrollIntoView(selected_);
            Invalidate();
            return items_.Valid(index) ? index : LB_ERR;
        case LB_ADDSTRING:
        case LB_INSERTSTRING: {
            const int at = message == LB_ADDSTRING ? items_.Add(text(), (GetStyle() & LBS_SORT) != 0)
                                                   : items_.Insert(index, text());
            if (at < 0) return LB_ERR;
            if (selected_ >= at) ++selected_;
            Invalidate();
            return at;
        }
        case LB_DELETESTRING:
            if (!items_.Valid(index)) return LB_ERR;
            items_.Remove(index);
            if (selected_ == index)
                selected_ = -1;
            else if (selected_ > index)
                --selected_;
            top_ = ClampScroll(top_, VisibleRows(), items_.Count());
            Invalidate();
            return items_.Count();
        case LB_RESETCONTENT:
            items_.Clear();
            selected_ = -1;
            top_ = 0;
            Invalidate();
            return 0;
        case LB_GETTEXT:
            if (!items_.Valid(index)) return LB_ERR;
            return CopyText(items_.At(index).text, reinterpret_cast<wchar_t*>(lParam),
                            items_.At(index).text.GetLength() + 1);
        case LB_GETTEXTLEN:
            return items_.Valid(index) ? items_.At(index).text.GetLength() : LB_ERR;
        case LB_FINDSTRING:
        case LB_FINDSTRINGEXACT:
            return items_.Find(index, text(), message == LB_FINDSTRINGEXACT);
        case LB_SELECTSTRING: {
            const int found = items_.Find(index, text(), false);
            if (found < 0) return LB_ERR;
            SendMessage(LB_SETCURSEL, static_cast<WPARAM>(found));
            return found;
        }
        case LB_GETITEMDATA:
            return items_.Valid(index) ? static_cast<LRESULT>(items_.At(index).data) : LB_ERR;
        case LB_SETITEMDATA:
            if (!items_.Valid(index)) return LB_ERR;
            items_.At(index).data = static_cast<uintptr_t>(lParam);
            return 0;
        case LB_GETTOPINDEX:
            return top_;
        case LB_SETTOPINDEX:
            if (!items_.Valid(index)) return LB_ERR;
            top_ = ClampScroll(index, VisibleRows(), items_.Count());
            Invalidate();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            SetFocus();
            const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            const CRect bar = ScrollBarRect();
            if (bar.PtInRect(point)) {
                thumbDrag_ = GrabThumb(bar, true, point, top_, VisibleRows(), items_.Count());
                if (thumbDrag_)
                    SetCapture();
                else
                    top_ = ScrollAfterTap(bar, true, point, top_, VisibleRows(), items_.Count(), 1);
                Invalidate();
                return 0;
            }
            const int row = top_ + (point.y - InsideBorder(*this).top) / RowHeight(*this);
            if (!items_.Valid(row)) return 0;
            Choose(row);
            if (message == WM_LBUTTONDBLCLK && (GetStyle() & LBS_NOTIFY)) NotifyParent(LBN_DBLCLK);
            return 0;
        }
        case WM_MOUSEMOVE:
            if (thumbDrag_) {
                top_ = DragThumb(*thumbDrag_, CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
                Invalidate();
            }
            return 0;
        case WM_LBUTTONUP:
            if (thumbDrag_) {
                thumbDrag_.reset();
                ReleaseCapture();
            }
            return 0;
        case WM_KEYDOWN: {
            const int last = items_.Count() - 1;
            const int page = VisibleRows();
            const int current = selected_ < 0 ? 0 : selected_;
            switch (wParam) {
                case VK_UP:
                    Choose(std::max(0, current - 1));
                    break;
                case VK_DOWN:
                    Choose(selected_ < 0 ? 0 : std::min(last, current + 1));
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
            return 0;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            focused_ = message == WM_SETFOCUS;
            Invalidate();
            if (GetStyle() & LBS_NOTIFY) NotifyParent(focused_ ? LBN_SETFOCUS : LBN_KILLFOCUS);
            return 0;
        case WM_ENABLE:
            Invalidate();
            return 0;
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}

void CListBox::Paint(CDC& dc) {
    CRect client;
    GetClientRect(&client);
    DrawControlBorder(*this, dc, client);
    HBRUSH brush = SendCtlColor(&dc, WM_CTLCOLORLISTBOX);
    dc.FillRect(&client, brush ? brush : GetSysColorBrush(COLOR_WINDOW));
    const CRect bar = ScrollBarRect();
    if (!bar.IsRectEmpty()) {
        DrawScrollBar(dc, bar, true, top_, VisibleRows(), items_.Count());
        client.right = bar.left;
    }
    CFont* old = SelectWindowFont(dc);
    dc.SetBkMode(TRANSPARENT);
    const COLORREF normalText = IsWindowEnabled() ? dc.GetTextColor() : GetSysColor(COLOR_GRAYTEXT);
    const int height = RowHeight(*this);
    for (int i = top_, y = client.top; i < items_.Count() && y < client.bottom; ++i, y += height) {
        CRect row(client.left, y, client.right, std::min<int>(y + height, client.bottom));
        COLORREF ink = normalText;
        if (i == selected_) {
            COLORREF back = 0;
            SelectionColors(true, ink, back);
            dc.FillSolidRect(&row, back);
        }
        dc.SetTextColor(ink);
        CRect textRect = row;
        textRect.left += 2;
        dc.DrawText(items_.At(i).text, &textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        if (i == selected_ && focused_) dc.DrawFocusRect(&row);
    }
    dc.SelectObject(old);
}
