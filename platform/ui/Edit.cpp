#include "platform/ui/Edit.h"

#include <algorithm>
#include <cwchar>

#include "platform/gdi/SysColors.h"
#include "platform/gdi/TextTypes.h"
#include "platform/ui/ControlParts.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/WindowDC.h"

namespace {
constexpr int kMargin = 2;

bool IsWordCharacter(wchar_t ch) {
    return ch > L' ' && !std::wcschr(L",;:()[]{}<>\"'/\\|", ch);
}
}  // namespace

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(L"EDIT", L"", style | WS_CHILD, rect, parent, id);
}

void CEdit::AdoptControlState(CWnd& previous) {
    if (auto* edit = dynamic_cast<CEdit*>(&previous)) state_ = edit->state_;
}

void CEdit::SetSel(int start, int end, BOOL) {
    SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end);
}

void CEdit::GetSel(int& start, int& end) const {
    start = std::min(state_.selStart, state_.selEnd);
    end = std::max(state_.selStart, state_.selEnd);
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
    const int room = state_.limit - (text.GetLength() - (end - start));
    if (piece.GetLength() > room) {
        piece = piece.Left(std::max(room, 0));
        NotifyParent(EN_MAXTEXT);
    }
    if (piece.IsEmpty() && start == end) return false;
    const CString updated = text.Left(start) + piece + text.Mid(end);
    // Store directly: typing keeps the caret where WM_SETTEXT would reset it.
    const HWND self = m_hWnd;
    CWnd::DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(updated.c_str()));
    state_.selStart = state_.selEnd = start + piece.GetLength();
    state_.modified = true;
    if (IsWindow(self)) NotifyParent(EN_UPDATE);
    if (IsWindow(self)) NotifyParent(EN_CHANGE);
    return true;
}

void CEdit::TypeChar(wchar_t ch) {
    if (IsReadOnly()) return;
    const DWORD style = GetStyle();
    if (ch == L'\b') {
        if (state_.selStart == state_.selEnd && state_.selStart > 0) {
            CString text;
            GetWindowText(text);
            state_.selStart = state_.selEnd - ((state_.selEnd >= 2 && text[state_.selEnd - 1] == L'\n' &&
                                                text[state_.selEnd - 2] == L'\r')
                                                   ? 2
                                                   : 1);
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
    for (int i = state_.scroll; i <= text.GetLength(); ++i) {
        const int x = kMargin + dc.GetTextExtent(text.Mid(state_.scroll, i - state_.scroll)).cx;
        if (x >= point.x) {
            best = i;
            if (i > state_.scroll) {
                const int previous =
                    kMargin + dc.GetTextExtent(text.Mid(state_.scroll, i - 1 - state_.scroll)).cx;
                if (point.x - previous < x - point.x) best = i - 1;
            }
            break;
        }
    }
    dc.SelectObject(old);
    return best;
}

LRESULT CEdit::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr MessageRoute<CEdit> kRoutes[] = {
        {WM_PAINT, &CEdit::OnPaint},
        {WM_ERASEBKGND, &CEdit::OnEraseBackground},
        {WM_GETDLGCODE, &CEdit::OnGetDlgCode},
        {WM_SETTEXT, &CEdit::OnSetText},
        {EM_SETSEL, &CEdit::OnSetSel},
        {EM_GETSEL, &CEdit::OnGetSel},
        {EM_REPLACESEL, &CEdit::OnReplaceSel},
        {EM_LIMITTEXT, &CEdit::OnLimitText},
        {EM_SETREADONLY, &CEdit::OnSetReadOnly},
        {EM_GETMODIFY, &CEdit::OnGetModify},
        {EM_SETMODIFY, &CEdit::OnSetModify},
        {EM_GETLINECOUNT, &CEdit::OnGetLineCount},
        {WM_CHAR, &CEdit::OnChar},
        {WM_KEYDOWN, &CEdit::OnKeyDown},
        {WM_LBUTTONDOWN, &CEdit::OnTap},
        {WM_LBUTTONDBLCLK, &CEdit::OnDoubleTap},
        {WM_SETFOCUS, &CEdit::OnSetFocus},
        {WM_KILLFOCUS, &CEdit::OnKillFocus},
        {WM_ENABLE, &CEdit::OnEnable},
    };
    if (const auto result = RouteMessage(*this, kRoutes, message, wParam, lParam)) return *result;
    return CWnd::DefWindowProc(message, wParam, lParam);
}

LRESULT CEdit::OnPaint(WPARAM, LPARAM) {
    CPaintDC dc(this);
    Paint(dc);
    return 0;
}

LRESULT CEdit::OnGetDlgCode(WPARAM, LPARAM) {
    LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    if ((GetStyle() & ES_MULTILINE) && (GetStyle() & ES_WANTRETURN)) code |= DLGC_WANTALLKEYS;
    return code;
}

LRESULT CEdit::OnSetText(WPARAM wParam, LPARAM lParam) {
    const HWND self = m_hWnd;
    const LRESULT result = CWnd::DefWindowProc(WM_SETTEXT, wParam, lParam);
    state_.selStart = state_.selEnd = 0;
    state_.scroll = 0;
    state_.modified = false;
    if (IsWindow(self)) NotifyParent(EN_UPDATE);
    if (IsWindow(self)) NotifyParent(EN_CHANGE);
    return result;
}

LRESULT CEdit::OnSetSel(WPARAM wParam, LPARAM lParam) {
    const int length = GetWindowTextLength();
    const int start = static_cast<int>(static_cast<intptr_t>(wParam));
    int end = static_cast<int>(lParam);
    if (start < 0) {
        state_.selStart = state_.selEnd = std::clamp(state_.selEnd, 0, length);
    } else {
        if (end < 0 || end > length) end = length;
        state_.selStart = std::clamp(start, 0, length);
        state_.selEnd = end;
    }
    Invalidate();
    return 0;
}

LRESULT CEdit::OnGetSel(WPARAM wParam, LPARAM lParam) {
    int start = 0, end = 0;
    GetSel(start, end);
    if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(start);
    if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(end);
    return MAKELPARAM(start, end);
}

LRESULT CEdit::OnReplaceSel(WPARAM, LPARAM lParam) {
    Insert(reinterpret_cast<const wchar_t*>(lParam));
    Invalidate();
    return 0;
}

LRESULT CEdit::OnLimitText(WPARAM wParam, LPARAM) {
    state_.limit = wParam == 0 ? 0x7FFFFFFE : static_cast<int>(wParam);
    return 0;
}

LRESULT CEdit::OnSetReadOnly(WPARAM wParam, LPARAM) {
    ModifyStyle(ES_READONLY, wParam ? ES_READONLY : 0);
    return TRUE;
}

LRESULT CEdit::OnSetModify(WPARAM wParam, LPARAM) {
    state_.modified = wParam != 0;
    return 0;
}

LRESULT CEdit::OnChar(WPARAM wParam, LPARAM) {
    TypeChar(static_cast<wchar_t>(wParam));
    Invalidate();
    return 0;
}

LRESULT CEdit::OnKeyDown(WPARAM wParam, LPARAM) {
    if (wParam == 'A' && GetKeyState(VK_CONTROL) < 0) {
        state_.selStart = 0;
        state_.selEnd = GetWindowTextLength();
        Invalidate();
        return 0;
    }
    if (MoveOrDelete(wParam, GetKeyState(VK_SHIFT) < 0)) Invalidate();
    return 0;
}

bool CEdit::MoveOrDelete(WPARAM key, bool extend) {
    const int length = GetWindowTextLength();
    int& selStart = state_.selStart;
    int& selEnd = state_.selEnd;
    // Without Shift an arrow first collapses a selection to its side.
    const auto moveTo = [&](int caret) {
        selEnd = std::clamp(caret, 0, length);
        if (!extend) selStart = selEnd;
    };
    const bool collapsed = selStart == selEnd || extend;
    switch (key) {
        case VK_LEFT:
            moveTo(collapsed ? selEnd - 1 : std::min(selStart, selEnd));
            return true;
        case VK_RIGHT:
            moveTo(collapsed ? selEnd + 1 : std::max(selStart, selEnd));
            return true;
        case VK_HOME:
            moveTo(0);
            return true;
        case VK_END:
            moveTo(length);
            return true;
        case VK_DELETE:
            if (IsReadOnly()) return true;
            if (selStart == selEnd && selEnd < length) selEnd = selStart + 1;
            Insert(L"");
            return true;
    }
    return false;
}

LRESULT CEdit::OnTap(WPARAM, LPARAM lParam) {
    SetFocus();
    state_.selStart = state_.selEnd = CaretFromPoint(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
    Invalidate();
    return 0;
}

LRESULT CEdit::OnDoubleTap(WPARAM, LPARAM lParam) {
    SetFocus();
    SelectWordAt(CaretFromPoint(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))));
    Invalidate();
    return 0;
}

void CEdit::SelectWordAt(int caret) {
    CString text;
    GetWindowText(text);
    int start = std::clamp(caret, 0, text.GetLength());
    // A caret just after a word (the tap fell on its last half character) selects that word.
    if ((start == text.GetLength() || !IsWordCharacter(text[start])) && start > 0 &&
        IsWordCharacter(text[start - 1]))
        --start;
    int end = start;
    while (start > 0 && IsWordCharacter(text[start - 1])) --start;
    while (end < text.GetLength() && IsWordCharacter(text[end])) ++end;
    state_.selStart = start;
    state_.selEnd = end;
}

LRESULT CEdit::ChangeFocus(bool focused) {
    state_.focused = focused;
    Invalidate();
    NotifyParent(focused ? EN_SETFOCUS : EN_KILLFOCUS);
    return 0;
}

LRESULT CEdit::OnEnable(WPARAM, LPARAM) {
    Invalidate();
    return 0;
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
    if ((style & ES_ENDELLIPSIS) && !state_.focused) {
        const UINT align = (style & ES_RIGHT) ? DT_RIGHT : (style & ES_CENTER) ? DT_CENTER : DT_LEFT;
        dc.DrawText(text, &area, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        dc.SelectObject(old);
        return;
    }
    // Keep the caret in view.
    const int caret = state_.selEnd;
    state_.scroll = std::min(state_.scroll, caret);
    while (state_.scroll < caret &&
           dc.GetTextExtent(text.Mid(state_.scroll, caret - state_.scroll)).cx > area.Width() - 1)
        ++state_.scroll;
    const CString shown = text.Mid(state_.scroll);
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
        return x + dc.GetTextExtent(text.Mid(state_.scroll, std::max(index - state_.scroll, 0))).cx;
    };
    if (state_.focused && start != end) {
        CRect selection(xAt(start), y, xAt(end), y + tm.tmHeight);
        dc.SetTextColor(GetSysColor(COLOR_HIGHLIGHTTEXT));
        dc.SetBkColor(GetSysColor(COLOR_HIGHLIGHT));
        dc.ExtTextOut(selection.left, y, ETO_OPAQUE | ETO_CLIPPED, &selection,
                      text.Mid(std::max(start, state_.scroll), end - std::max(start, state_.scroll)));
    } else if (state_.focused && !IsReadOnly()) {
        const int cx = xAt(caret);
        dc.FillSolidRect(cx, y, 1, tm.tmHeight, GetSysColor(COLOR_WINDOWTEXT));
    }
    dc.SelectObject(old);
}
