#include "platform/ui/Edit.h"

#include <algorithm>

#include "platform/gdi/SysColors.h"
#include "platform/gdi/TextTypes.h"
#include "platform/ui/WindowDC.h"

namespace {
constexpr int kMargin = 2;
}  // namespace

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(L"EDIT", L"", style | WS_CHILD, rect, parent, id);
}

void CEdit::AdoptControlState(CWnd& previous) {
    if (auto* edit = dynamic_cast<CEdit*>(&previous)) {
        selStart_ = edit->selStart_;
        selEnd_ = edit->selEnd_;
        limit_ = edit->limit_;
        scroll_ = edit->scroll_;
        modified_ = edit->modified_;
        focused_ = edit->focused_;
    }
}

void CEdit::SetSel(int start, int end, BOOL) {
    SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end);
}

void CEdit::GetSel(int& start, int& end) const {
    start = std::min(selStart_, selEnd_);
    end = std::max(selStart_, selEnd_);
}

void CEdit::ReplaceSel(const wchar_t* text, BOOL) {
    SendMessage(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text));
}

int CEdit::GetLineCount() const {
    CString text;
    GetWindowText(text);
    int lines = 1;
    for (int i = 0; i < text.GetLength(); ++i)
        if (text[i] == L'\n') ++lines;
    return lines;
}

bool CEdit::Insert(const CString& inserted) {
    CString text;
    GetWindowText(text);
    int start = 0, end = 0;
    GetSel(start, end);
    start = std::clamp(start, 0, text.GetLength());
    end = std::clamp(end, start, text.GetLength());
    CString piece = inserted;
    const int room = limit_ - (text.GetLength() - (end - start));
    if (piece.GetLength() > room) {
        piece = piece.Left(std::max(room, 0));
        NotifyParent(EN_MAXTEXT);
    }
    if (piece.IsEmpty() && start == end) return false;
    const CString updated = text.Left(start) + piece + text.Mid(end);
    // Store directly: typing keeps the caret where WM_SETTEXT would reset it.
    const HWND self = m_hWnd;
    CWnd::DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(updated.c_str()));
    selStart_ = selEnd_ = start + piece.GetLength();
    modified_ = true;
    if (IsWindow(self)) NotifyParent(EN_UPDATE);
    if (IsWindow(self)) NotifyParent(EN_CHANGE);
    return true;
}

void CEdit::TypeChar(wchar_t ch) {
    if (IsReadOnly()) return;
    const DWORD style = GetStyle();
    if (ch == L'\b') {
        if (selStart_ == selEnd_ && selStart_ > 0) {
            CString text;
            GetWindowText(text);
            selStart_ = selEnd_ -
                        ((selEnd_ >= 2 && text[selEnd_ - 1] == L'\n' && text[selEnd_ - 2] == L'\r') ? 2 : 1);
        }
        Insert(L"");
        return;
    }
    if (ch == L'\r') {
        if (style & ES_MULTILINE) Insert(L"\r\n");
        return;
    }
    if (ch < L' ') return;
    if ((style & ES_NUMBER) && (ch < L'0' || ch > L'9')) return;
    CString piece(ch);
    if (style & ES_UPPERCASE) piece.MakeUpper();
    if (style & ES_LOWERCASE) piece.MakeLower();
    Insert(piece);
}

CString CEdit::DisplayText() const {
    CString text;
    GetWindowText(text);
    if (GetStyle() & ES_PASSWORD) return CString(L'*', text.GetLength());
    return text;
}

int CEdit::CaretFromPoint(CPoint point) {
    const CString text = DisplayText();
    if (GetStyle() & ES_MULTILINE) return text.GetLength();
    CClientDC dc(this);
    CFont* old = SelectWindowFont(dc);
    int best = text.GetLength();
    for (int i = scroll_; i <= text.GetLength(); ++i) {
        const int x = kMargin + dc.GetTextExtent(text.Mid(scroll_, i - scroll_)).cx;
        if (x >= point.x) {
            best = i;
            if (i > scroll_) {
                const int previous = kMargin + dc.GetTextExtent(text.Mid(scroll_, i - 1 - scroll_)).cx;
                if (point.x - previous < x - point.x) best = i - 1;
            }
            break;
        }
    }
    dc.SelectObject(old);
    return best;
}

LRESULT CEdit::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            CPaintDC dc(this);
            Paint(dc);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_GETDLGCODE: {
            LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
            if ((GetStyle() & ES_MULTILINE) && (GetStyle() & ES_WANTRETURN)) code |= DLGC_WANTALLKEYS;
            return code;
        }
        case WM_SETTEXT: {
            const HWND self = m_hWnd;
            const LRESULT result = CWnd::DefWindowProc(message, wParam, lParam);
            selStart_ = selEnd_ = 0;
            scroll_ = 0;
            modified_ = false;
            if (IsWindow(self)) NotifyParent(EN_UPDATE);
            if (IsWindow(self)) NotifyParent(EN_CHANGE);
            return result;
        }
        case EM_SETSEL: {
            const int length = GetWindowTextLength();
            int start = static_cast<int>(static_cast<intptr_t>(wParam));
            int end = static_cast<int>(lParam);
            if (start < 0) {
                selStart_ = selEnd_ = std::clamp(selEnd_, 0, length);
            } else {
                if (end < 0 || end > length) end = length;
                selStart_ = std::clamp(start, 0, length);
                selEnd_ = end;
            }
            Invalidate();
            return 0;
        }
        case EM_GETSEL: {
            int start = 0, end = 0;
            GetSel(start, end);
            if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(start);
            if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(end);
            return MAKELPARAM(start, end);
        }
        case EM_REPLACESEL:
            Insert(reinterpret_cast<const wchar_t*>(lParam));
            Invalidate();
            return 0;
        case EM_LIMITTEXT:
            limit_ = wParam == 0 ? 0x7FFFFFFE : static_cast<int>(wParam);
            return 0;
        case EM_SETREADONLY:
            ModifyStyle(ES_READONLY, wParam ? ES_READONLY : 0);
            return TRUE;
        case EM_GETMODIFY:
            return modified_;
        case EM_SETMODIFY:
            modified_ = wParam != 0;
            return 0;
        case EM_GETLINECOUNT:
            return GetLineCount();
        case WM_CHAR:
            TypeChar(static_cast<wchar_t>(wParam));
            Invalidate();
            return 0;
        case WM_KEYDOWN: {
            const int length = GetWindowTextLength();
            switch (wParam) {
                case VK_LEFT:
                    selStart_ = selEnd_ =
                        std::max(std::min(selStart_, selEnd_) - (selStart_ == selEnd_ ? 1 : 0), 0);
                    break;
                case VK_RIGHT:
                    selStart_ = selEnd_ =
                        std::min(std::max(selStart_, selEnd_) + (selStart_ == selEnd_ ? 1 : 0), length);
                    break;
                case VK_HOME:
                    selStart_ = selEnd_ = 0;
                    break;
                case VK_END:
                    selStart_ = selEnd_ = length;
                    break;
                case VK_DELETE:
                    if (IsReadOnly()) break;
                    if (selStart_ == selEnd_ && selEnd_ < length) selEnd_ = selStart_ + 1;
                    Insert(L"");
                    break;
                default:
                    return 0;
            }
            Invalidate();
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            SetFocus();
            selStart_ = selEnd_ = CaretFromPoint(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
            Invalidate();
            return 0;
        case WM_SETFOCUS:
            focused_ = true;
            Invalidate();
            NotifyParent(EN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            focused_ = false;
            Invalidate();
            NotifyParent(EN_KILLFOCUS);
            return 0;
        case WM_ENABLE:
            Invalidate();
            return 0;
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}

void CEdit::Paint(CDC& dc) {
    CRect client;
    GetClientRect(&client);
    const bool grey = IsReadOnly() || !IsWindowEnabled();
    HBRUSH brush = SendCtlColor(&dc, grey ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT);
    dc.FillRect(&client, brush ? brush : GetSysColorBrush(grey ? COLOR_BTNFACE : COLOR_WINDOW));
    if (!IsWindowEnabled()) dc.SetTextColor(GetSysColor(COLOR_GRAYTEXT));
    dc.SetBkMode(TRANSPARENT);
    CFont* old = SelectWindowFont(dc);
    const CString text = DisplayText();
    const DWORD style = GetStyle();
    CRect area = client;
    area.DeflateRect(kMargin, 1);
    int start = 0, end = 0;
    GetSel(start, end);
    if (style & ES_MULTILINE) {
        dc.DrawText(text, &area, DT_WORDBREAK | DT_NOPREFIX);
        dc.SelectObject(old);
        return;
    }
    // Keep the caret in view.
    const int caret = selEnd_;
    scroll_ = std::min(scroll_, caret);
    while (scroll_ < caret && dc.GetTextExtent(text.Mid(scroll_, caret - scroll_)).cx > area.Width() - 1)
        ++scroll_;
    const CString shown = text.Mid(scroll_);
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    const int y = area.top + std::max(0, (area.Height() - tm.tmHeight) / 2);
    int x = area.left;
    if (style & (ES_CENTER | ES_RIGHT)) {
        const int width = dc.GetTextExtent(shown).cx;
        x = (style & ES_RIGHT) ? area.right - width : area.left + (area.Width() - width) / 2;
    }
    dc.IntersectClipRect(&area);
    dc.TextOut(x, y, shown);
    auto xAt = [&](int index) {
        return x + dc.GetTextExtent(text.Mid(scroll_, std::max(index - scroll_, 0))).cx;
    };
    if (focused_ && start != end) {
        CRect selection(xAt(start), y, xAt(end), y + tm.tmHeight);
        dc.SetTextColor(GetSysColor(COLOR_HIGHLIGHTTEXT));
        dc.SetBkColor(GetSysColor(COLOR_HIGHLIGHT));
        dc.ExtTextOut(selection.left, y, ETO_OPAQUE | ETO_CLIPPED, &selection,
                      text.Mid(std::max(start, scroll_), end - std::max(start, scroll_)));
    } else if (focused_ && !IsReadOnly()) {
        const int cx = xAt(caret);
        dc.FillSolidRect(cx, y, 1, tm.tmHeight, GetSysColor(COLOR_WINDOWTEXT));
    }
    dc.SelectObject(old);
}
