#include "platform/ui/RowScroll.h"

#include <algorithm>

#include "platform/gdi/SysColors.h"

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
