#include "platform/ui/Static.h"

#include "platform/gdi/SysColors.h"
#include "platform/gdi/TextTypes.h"
#include "platform/ui/ControlParts.h"
#include "platform/ui/WindowDC.h"

BOOL CStatic::Create(const wchar_t* text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(L"STATIC", text, style | WS_CHILD, rect, parent, id);
}

void CStatic::Paint(CDC& dc) {
    CRect client;
    GetClientRect(&client);
    const DWORD style = GetStyle();
    const DWORD type = style & SS_TYPEMASK;
    switch (type) {
        case SS_BLACKRECT:
        case SS_GRAYRECT:
        case SS_WHITERECT:
            dc.FillSolidRect(&client, GetSysColor(type == SS_BLACKRECT  ? COLOR_WINDOWFRAME
                                                  : type == SS_GRAYRECT ? COLOR_BTNSHADOW
                                                                        : COLOR_WINDOW));
            return;
        case SS_BLACKFRAME:
        case SS_GRAYFRAME:
        case SS_WHITEFRAME: {
            CBrush brush(GetSysColor(type == SS_BLACKFRAME  ? COLOR_WINDOWFRAME
                                     : type == SS_GRAYFRAME ? COLOR_BTNSHADOW
                                                            : COLOR_WINDOW));
            dc.FrameRect(&client, &brush);
            return;
        }
        case SS_ETCHEDFRAME:
            dc.Draw3dRect(&client, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
            return;
        case SS_OWNERDRAW: {
            DRAWITEMSTRUCT item;
            item.CtlType = ODT_STATIC;
            item.CtlID = static_cast<UINT>(GetDlgCtrlID());
            item.itemAction = ODA_DRAWENTIRE;
            item.itemState = IsWindowEnabled() ? 0 : ODS_DISABLED;
            item.hwndItem = m_hWnd;
            item.hDC = &dc;
            item.rcItem = client;
            if (CWnd* parent = GetParent())
                parent->SendMessage(WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
            return;
        }
    }
    HBRUSH brush = SendCtlColor(&dc, WM_CTLCOLORSTATIC);
    if (brush) dc.FillRect(&client, brush);
    CString text;
    GetWindowText(text);
    if (text.IsEmpty() || type == SS_ICON || type == SS_BITMAP) return;
    CFont* old = SelectWindowFont(dc);
    if (!IsWindowEnabled()) dc.SetTextColor(GetSysColor(COLOR_GRAYTEXT));
    UINT format = DT_NOPREFIX;
    if (type == SS_CENTER) format |= DT_CENTER;
    if (type == SS_RIGHT) format |= DT_RIGHT;
    if (style & SS_ENDELLIPSIS) format |= DT_SINGLELINE | DT_END_ELLIPSIS;
    if (style & SS_CENTERIMAGE)
        format |= DT_VCENTER | DT_SINGLELINE;
    else if (type != SS_LEFTNOWORDWRAP && !(style & SS_ENDELLIPSIS))
        format |= DT_WORDBREAK;
    dc.DrawText(text, &client, format);
    dc.SelectObject(old);
}

LRESULT CStatic::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr MessageRoute<CStatic> kRoutes[] = {
        {WM_PAINT, &CStatic::OnPaint},
        {WM_ERASEBKGND, &CStatic::OnEraseBackground},
        {WM_GETDLGCODE, &CStatic::OnGetDlgCode},
        {WM_LBUTTONDOWN, &CStatic::OnTap},
        {WM_LBUTTONDBLCLK, &CStatic::OnDoubleTap},
        {WM_ENABLE, &CStatic::OnEnable},
    };
    if (const auto result = RouteMessage(*this, kRoutes, message, wParam, lParam)) return *result;
    return CWnd::DefWindowProc(message, wParam, lParam);
}

LRESULT CStatic::OnPaint(WPARAM, LPARAM) {
    CPaintDC dc(this);
    Paint(dc);
    return 0;
}

LRESULT CStatic::OnTap(WPARAM, LPARAM) {
    if (GetStyle() & SS_NOTIFY) NotifyParent(STN_CLICKED);
    return 0;
}

LRESULT CStatic::OnDoubleTap(WPARAM, LPARAM) {
    if (GetStyle() & SS_NOTIFY) NotifyParent(STN_DBLCLK);
    return 0;
}

LRESULT CStatic::OnEnable(WPARAM, LPARAM) {
    Invalidate();
    return 0;
}
