#include "platform/ui/Button.h"

#include "platform/gdi/SysColors.h"
#include "platform/gdi/TextTypes.h"
#include "platform/ui/ControlParts.h"
#include "platform/ui/WindowDC.h"

namespace {
constexpr int kBoxSize = 12;
}  // namespace

BOOL CButton::Create(const wchar_t* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(L"BUTTON", caption, style | WS_CHILD, rect, parent, id);
}

UINT CButton::GetState() const {
    return static_cast<UINT>(check_) | (pushed_ ? BST_PUSHED : 0) | (focused_ ? BST_FOCUS : 0);
}

void CButton::AdoptControlState(CWnd& previous) {
    if (auto* button = dynamic_cast<CButton*>(&previous)) {
        check_ = button->check_;
        pushed_ = button->pushed_;
        focused_ = button->focused_;
    }
}

void CButton::Click() {
    const HWND self = m_hWnd;
    switch (Type()) {
        case BS_AUTOCHECKBOX:
            SendMessage(BM_SETCHECK, check_ ? BST_UNCHECKED : BST_CHECKED);
            break;
        case BS_AUTO3STATE:
            SendMessage(BM_SETCHECK, static_cast<WPARAM>((check_ + 1) % 3));
            break;
        case BS_AUTORADIOBUTTON:
            for (CWnd* other : GetDlgGroup(this)) {
                auto* radio = dynamic_cast<CButton*>(other);
                if (radio && radio != this && radio->Type() == BS_AUTORADIOBUTTON)
                    radio->SendMessage(BM_SETCHECK, BST_UNCHECKED);
            }
            SendMessage(BM_SETCHECK, BST_CHECKED);
            break;
    }
    if (IsWindow(self)) NotifyParent(BN_CLICKED);
}

LRESULT CButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr MessageRoute<CButton> kRoutes[] = {
        {WM_PAINT, &CButton::OnPaint},
        {WM_ERASEBKGND, &CButton::OnEraseBackground},
        {WM_GETDLGCODE, &CButton::OnGetDlgCode},
        {BM_GETCHECK, &CButton::OnGetCheck},
        {BM_SETCHECK, &CButton::OnSetCheck},
        {BM_GETSTATE, &CButton::OnGetState},
        {BM_SETSTATE, &CButton::OnSetState},
        {BM_SETSTYLE, &CButton::OnSetStyle},
        {BM_CLICK, &CButton::OnClick},
        {WM_LBUTTONDBLCLK, &CButton::OnDoubleTap},
        {WM_LBUTTONDOWN, &CButton::OnButtonDown},
        {WM_MOUSEMOVE, &CButton::OnMouseMove},
        {WM_LBUTTONUP, &CButton::OnButtonUp},
        {WM_KEYDOWN, &CButton::OnKeyDown},
        {WM_KEYUP, &CButton::OnKeyUp},
        {WM_SETFOCUS, &CButton::OnSetFocus},
        {WM_KILLFOCUS, &CButton::OnKillFocus},
        {WM_ENABLE, &CButton::OnEnable},
    };
    if (const auto result = RouteMessage(*this, kRoutes, message, wParam, lParam)) return *result;
    return CWnd::DefWindowProc(message, wParam, lParam);
}

LRESULT CButton::OnPaint(WPARAM, LPARAM) {
    CPaintDC dc(this);
    Paint(dc);
    return 0;
}

LRESULT CButton::OnGetDlgCode(WPARAM, LPARAM) {
    switch (Type()) {
        case BS_PUSHBUTTON:
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case BS_DEFPUSHBUTTON:
            return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return DLGC_BUTTON | DLGC_RADIOBUTTON;
        case BS_GROUPBOX:
            return DLGC_STATIC;
        default:
            return DLGC_BUTTON;
    }
}

LRESULT CButton::OnSetCheck(WPARAM wParam, LPARAM) {
    const int check = static_cast<int>(wParam) > 2 ? BST_CHECKED : static_cast<int>(wParam);
    if ((IsCheckBox() || IsRadio()) && check != check_) {
        check_ =
            (Type() == BS_3STATE || Type() == BS_AUTO3STATE) ? check : (check ? BST_CHECKED : BST_UNCHECKED);
        Invalidate();
    }
    return 0;
}

LRESULT CButton::OnSetState(WPARAM wParam, LPARAM) {
    if (pushed_ != (wParam != 0)) {
        pushed_ = wParam != 0;
        Invalidate();
    }
    return 0;
}

LRESULT CButton::OnSetStyle(WPARAM wParam, LPARAM lParam) {
    ModifyStyle(BS_TYPEMASK, static_cast<DWORD>(wParam) & BS_TYPEMASK);
    if (lParam) Invalidate();
    return 0;
}

LRESULT CButton::OnClick(WPARAM, LPARAM) {
    if (IsWindowEnabled()) Click();
    return 0;
}

// Owner-drawn and radio buttons, and those that notify, tell a double tap; the others take it as a tap.
LRESULT CButton::OnDoubleTap(WPARAM wParam, LPARAM lParam) {
    if (Type() == BS_OWNERDRAW || IsRadio() || (GetStyle() & BS_NOTIFY)) {
        NotifyParent(BN_DOUBLECLICKED);
        return 0;
    }
    return OnButtonDown(wParam, lParam);
}

LRESULT CButton::OnButtonDown(WPARAM, LPARAM) {
    if (Type() == BS_GROUPBOX) return 0;
    SetFocus();
    SetCapture();
    SendMessage(BM_SETSTATE, TRUE);
    return 0;
}

LRESULT CButton::OnMouseMove(WPARAM, LPARAM lParam) {
    if (GetCapture() == this) {
        CRect client;
        GetClientRect(&client);
        SendMessage(BM_SETSTATE, client.PtInRect(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))));
    }
    return 0;
}

LRESULT CButton::OnButtonUp(WPARAM, LPARAM) {
    if (GetCapture() == this) {
        ReleaseCapture();
        const bool inside = pushed_;
        SendMessage(BM_SETSTATE, FALSE);
        if (inside) Click();
    }
    return 0;
}

LRESULT CButton::OnKeyDown(WPARAM wParam, LPARAM) {
    if (wParam == VK_SPACE) SendMessage(BM_SETSTATE, TRUE);
    return 0;
}

LRESULT CButton::OnKeyUp(WPARAM wParam, LPARAM) {
    if (wParam == VK_SPACE && pushed_) {
        SendMessage(BM_SETSTATE, FALSE);
        Click();
    }
    return 0;
}

LRESULT CButton::OnSetFocus(WPARAM, LPARAM) {
    focused_ = true;
    Invalidate();
    if (GetStyle() & BS_NOTIFY) NotifyParent(BN_SETFOCUS);
    return 0;
}

LRESULT CButton::OnKillFocus(WPARAM, LPARAM) {
    focused_ = false;
    if (pushed_) SendMessage(BM_SETSTATE, FALSE);
    if (GetCapture() == this) ReleaseCapture();
    Invalidate();
    if (GetStyle() & BS_NOTIFY) NotifyParent(BN_KILLFOCUS);
    return 0;
}

LRESULT CButton::OnEnable(WPARAM, LPARAM) {
    Invalidate();
    return 0;
}

void CButton::Paint(CDC& dc) {
    CRect client;
    GetClientRect(&client);
    if (Type() == BS_OWNERDRAW) {
        DRAWITEMSTRUCT item;
        item.CtlType = ODT_BUTTON;
        item.CtlID = static_cast<UINT>(GetDlgCtrlID());
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = (pushed_ ? ODS_SELECTED : 0) | (focused_ ? ODS_FOCUS : 0) |
                         (IsWindowEnabled() ? 0 : ODS_DISABLED) | (check_ ? ODS_CHECKED : 0);
        item.hwndItem = m_hWnd;
        item.hDC = &dc;
        item.rcItem = client;
        if (CWnd* parent = GetParent())
            parent->SendMessage(WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
        else
            DrawItem(&item);
        return;
    }
    CFont* old = SelectWindowFont(dc);
    if (Type() == BS_GROUPBOX)
        PaintGroupBox(dc, client);
    else if (IsCheckBox() || IsRadio())
        PaintCheckOrRadio(dc, client);
    else
        PaintPushButton(dc, client);
    dc.SelectObject(old);
}

void CButton::PaintPushButton(CDC& dc, const CRect& client) {
    HBRUSH brush = SendCtlColor(&dc, WM_CTLCOLORBTN);
    CRect r = client;
    dc.FillRect(&r, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    if (Type() == BS_DEFPUSHBUTTON || focused_) {
        CBrush black(GetSysColor(COLOR_WINDOWFRAME));
        dc.FrameRect(&r, &black);
        r.DeflateRect(1, 1);
    }
    if (pushed_) {
        dc.Draw3dRect(&r, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    } else {
        dc.Draw3dRect(&r, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_3DDKSHADOW));
        CRect inner = r;
        inner.DeflateRect(1, 1);
        dc.Draw3dRect(&inner, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_BTNSHADOW));
    }
    CString text;
    GetWindowText(text);
    CRect textRect = r;
    if (pushed_) textRect.OffsetRect(1, 1);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(IsWindowEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    dc.DrawText(text, &textRect,
                DT_CENTER | DT_NOPREFIX |
                    ((GetStyle() & BS_MULTILINE) ? DT_WORDBREAK : (DT_VCENTER | DT_SINGLELINE)));
    if (focused_) {
        CRect focus = r;
        focus.DeflateRect(3, 3);
        dc.DrawFocusRect(&focus);
    }
}

void CButton::PaintCheckOrRadio(CDC& dc, const CRect& client) {
    HBRUSH brush = SendCtlColor(&dc, WM_CTLCOLORSTATIC);
    dc.FillRect(&client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    const bool leftText = (GetStyle() & BS_LEFTTEXT) != 0;
    const int top = client.top + (client.Height() - kBoxSize) / 2;
    const int left = leftText ? client.right - kBoxSize : client.left;
    CRect box(left, top, left + kBoxSize, top + kBoxSize);
    const COLORREF ink = GetSysColor(IsWindowEnabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    CBrush white(GetSysColor(pushed_ ? COLOR_BTNFACE : COLOR_WINDOW));
    CPen pen(PS_SOLID, 1, ink);
    CPen* oldPen = dc.SelectObject(&pen);
    CBrush* oldBrush = dc.SelectObject(&white);
    if (IsRadio()) {
        dc.Ellipse(&box);
        if (check_) {
            CBrush dot(ink);
            dc.SelectObject(&dot);
            dc.Ellipse(box.left + 3, box.top + 3, box.right - 3, box.bottom - 3);
            dc.SelectObject(&white);
        }
    } else {
        dc.Rectangle(&box);
        if (check_ == BST_CHECKED) {
            CPen tick(PS_SOLID, 2, ink);
            dc.SelectObject(&tick);
            dc.MoveTo(box.left + 2, box.top + 6);
            dc.LineTo(box.left + 5, box.top + 9);
            dc.LineTo(box.right - 2, box.top + 2);
            dc.SelectObject(&pen);
        } else if (check_ == BST_INDETERMINATE) {
            CRect fill = box;
            fill.DeflateRect(3, 3);
            dc.FillSolidRect(&fill, GetSysColor(COLOR_BTNSHADOW));
        }
    }
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
    CString text;
    GetWindowText(text);
    CRect textRect = client;
    if (leftText)
        textRect.right = box.left - 3;
    else
        textRect.left = box.right + 3;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(ink);
    dc.DrawText(text, &textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (focused_) {
        CRect measured = textRect;
        dc.DrawText(text, &measured, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
        measured.OffsetRect(0, (textRect.Height() - measured.Height()) / 2);
        measured.InflateRect(1, 0);
        dc.DrawFocusRect(&measured);
    }
}

void CButton::PaintGroupBox(CDC& dc, const CRect& client) {
    CString text;
    GetWindowText(text);
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    CRect frame = client;
    frame.top += tm.tmHeight / 2;
    dc.Draw3dRect(&frame, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    CRect inner = frame;
    inner.DeflateRect(1, 1);
    dc.Draw3dRect(&inner, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    if (text.IsEmpty()) return;
    HBRUSH brush = SendCtlColor(&dc, WM_CTLCOLORSTATIC);
    CRect textRect(client.left + 6, client.top, client.right - 6, client.top + tm.tmHeight);
    dc.DrawText(text, &textRect, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    textRect.InflateRect(2, 0);
    dc.FillRect(&textRect, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    textRect.DeflateRect(2, 0);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(IsWindowEnabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    dc.DrawText(text, &textRect, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
}
