#include "platform/ui/RowScroll.h"

#include <algorithm>

#include "platform/gdi/SysColors.h"
#include "platform/ui/WindowDC.h"

void CRowScroll::Place(RowsLayout& l, const CRect& inside, int headerHeight, int count) {
    l.count = count;
    bool vbar = false;
    bool hbar = false;
    // Each bar takes room from the other direction: two passes settle both.
    for (int pass = 0; pass < 2; ++pass) {
        hbar = l.totalWidth > inside.Width() - (vbar ? kScrollBarSize : 0);
        vbar = count * l.rowHeight > inside.Height() - headerHeight - (hbar ? kScrollBarSize : 0);
    }
    const int right = inside.right - (vbar ? kScrollBarSize : 0);
    const int bottom = inside.bottom - (hbar ? kScrollBarSize : 0);
    l.vbar = vbar ? CRect(right, inside.top, inside.right, bottom) : CRect();
    l.hbar = hbar ? CRect(inside.left, bottom, right, inside.bottom) : CRect();
    l.rows = CRect(inside.left, inside.top + headerHeight, right, bottom);
    l.page = std::max(1, l.rows.Height() / l.rowHeight);
    top = ClampScroll(top, l.page, count);
    x = ClampScroll(x, l.rows.Width(), l.totalWidth);
}

bool CRowScroll::Tap(const RowsLayout& l, CPoint point) {
    if (l.vbar.PtInRect(point)) {
        thumb_ = GrabThumb(l.vbar, true, point, top, l.page, l.count);
        if (!thumb_) top = ScrollAfterTap(l.vbar, true, point, top, l.page, l.count, 1);
        return true;
    }
    if (l.hbar.PtInRect(point)) {
        thumb_ = GrabThumb(l.hbar, false, point, x, l.rows.Width(), l.totalWidth);
        if (!thumb_)
            x = ScrollAfterTap(l.hbar, false, point, x, l.rows.Width(), l.totalWidth, kHorizontalScrollStep);
        return true;
    }
    return false;
}

bool CRowScroll::Drag(CPoint point) {
    if (!thumb_) return false;
    (thumb_->vertical ? top : x) = DragThumb(*thumb_, point);
    return true;
}

bool CRowScroll::Release() {
    const bool held = thumb_.has_value();
    thumb_.reset();
    return held;
}

void CRowScroll::Draw(CDC& dc, const RowsLayout& l) const {
    if (!l.vbar.IsRectEmpty()) DrawScrollBar(dc, l.vbar, true, top, l.page, l.count);
    if (!l.hbar.IsRectEmpty()) DrawScrollBar(dc, l.hbar, false, x, l.rows.Width(), l.totalWidth);
    if (!l.vbar.IsRectEmpty() && !l.hbar.IsRectEmpty())
        dc.FillSolidRect(l.vbar.left, l.hbar.top, kScrollBarSize, kScrollBarSize, GetSysColor(COLOR_BTNFACE));
}

LRESULT CRowControl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr MessageRoute<CRowControl> kRoutes[] = {
        {WM_PAINT, &CRowControl::OnPaint},
        {WM_ERASEBKGND, &CRowControl::OnEraseBackground},
        {WM_GETDLGCODE, &CRowControl::OnGetDlgCode},
        {WM_LBUTTONDOWN, &CRowControl::OnButtonDown},
        {WM_LBUTTONDBLCLK, &CRowControl::OnDoubleTap},
        {WM_MOUSEMOVE, &CRowControl::OnMouseMove},
        {WM_LBUTTONUP, &CRowControl::OnButtonUp},
        {WM_KEYDOWN, &CRowControl::OnKeyDown},
        {WM_MOUSEWHEEL, &CRowControl::OnWheel},
        {WM_SETFOCUS, &CRowControl::OnSetFocus},
        {WM_KILLFOCUS, &CRowControl::OnKillFocus},
        {WM_ENABLE, &CRowControl::OnEnable},
    };
    if (const auto result = RouteMessage(*this, kRoutes, message, wParam, lParam)) return *result;
    return CWnd::DefWindowProc(message, wParam, lParam);
}

void CRowControl::AdoptControlState(CWnd& previous) {
    if (auto* control = dynamic_cast<CRowControl*>(&previous)) input_ = control->input_;
}

LRESULT CRowControl::OnPaint(WPARAM, LPARAM) {
    CPaintDC dc(this);
    Paint(dc);
    return 0;
}

LRESULT CRowControl::Tap(bool doubleTap, LPARAM lParam) {
    const HWND self = m_hWnd;
    SetFocus();
    if (!IsWindow(self)) return 0;
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    if (input_.scroll.Tap(LayoutRows(), point)) {
        if (input_.scroll.HoldsThumb()) SetCapture();
        Invalidate();
        return 0;
    }
    const bool pressed = TapRows(doubleTap, point);
    if (IsWindow(self)) input_.pressed = pressed;
    return 0;
}

LRESULT CRowControl::OnMouseMove(WPARAM, LPARAM lParam) {
    if (input_.scroll.Drag(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)))) Invalidate();
    return 0;
}

LRESULT CRowControl::OnButtonUp(WPARAM, LPARAM) {
    if (input_.scroll.Release()) {
        ReleaseCapture();
        return 0;
    }
    if (input_.pressed) {
        input_.pressed = false;
        TapEnded();
    }
    return 0;
}

LRESULT CRowControl::OnKeyDown(WPARAM wParam, LPARAM) {
    OnKey(static_cast<UINT>(wParam));
    return 0;
}

LRESULT CRowControl::OnWheel(WPARAM wParam, LPARAM) {
    input_.scroll.top -= GET_WHEEL_DELTA_WPARAM(wParam) * kWheelRows / WHEEL_DELTA;
    LayoutRows();  // brings the rows back into range
    Invalidate();
    return 0;
}

LRESULT CRowControl::ChangeFocus(bool focused) {
    input_.focused = focused;
    Invalidate();
    FocusChanged();
    return 0;
}

LRESULT CRowControl::OnEnable(WPARAM, LPARAM) {
    Invalidate();
    return 0;
}
