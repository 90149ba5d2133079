#include "platform/ui/ControlParts.h"

#include <algorithm>

#include "platform/gdi/SysColors.h"
#include "platform/gdi/TextTypes.h"

LRESULT SendNotify(CWnd& control, NMHDR& header, UINT code) {
    header.hwndFrom = control.m_hWnd;
    header.idFrom = static_cast<UINT_PTR>(control.GetDlgCtrlID());
    header.code = code;
    CWnd* parent = control.GetParent();
    if (!parent) return 0;
    return parent->SendMessage(WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

CRect InsideBorder(CWnd& control) {
    CRect client;
    control.GetClientRect(&client);
    if (control.GetExStyle() & WS_EX_CLIENTEDGE)
        client.DeflateRect(2, 2);
    else if (control.GetStyle() & WS_BORDER)
        client.DeflateRect(1, 1);
    return client;
}

void DrawControlBorder(CWnd& control, CDC& dc, CRect& client) {
    if (control.GetExStyle() & WS_EX_CLIENTEDGE) {
        dc.Draw3dRect(&client, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
        client.DeflateRect(1, 1);
        dc.Draw3dRect(&client, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT));
        client.DeflateRect(1, 1);
    } else if (control.GetStyle() & WS_BORDER) {
        CBrush frame(GetSysColor(COLOR_WINDOWFRAME));
        dc.FrameRect(&client, &frame);
        client.DeflateRect(1, 1);
    }
}

int RowHeight(CWnd& control) {
    CDC dc;
    dc.SelectObject(control.GetFont());
    TEXTMETRIC metrics{};
    dc.GetTextMetrics(&metrics);
    return std::max<int>(metrics.tmHeight + 2, 14);
}

int CopyText(const CString& text, wchar_t* buffer, int size) {
    if (!buffer || size <= 0) return 0;
    const int n = std::min(text.GetLength(), size - 1);
    std::copy_n(text.c_str(), n, buffer);
    buffer[n] = L'\0';
    return n;
}

int ClampScroll(int pos, int page, int total) {
    return std::clamp(pos, 0, std::max(0, total - page));
}

namespace {
// The two arrow boxes and the track between them.
struct BarParts {
    CRect before, after, track;
};

BarParts Split(const CRect& bar, bool vertical) {
    BarParts p;
    if (vertical) {
        const int arrow = std::min(kScrollBarSize, bar.Height() / 2);
        p.before = CRect(bar.left, bar.top, bar.right, bar.top + arrow);
        p.after = CRect(bar.left, bar.bottom - arrow, bar.right, bar.bottom);
        p.track = CRect(bar.left, p.before.bottom, bar.right, p.after.top);
    } else {
        const int arrow = std::min(kScrollBarSize, bar.Width() / 2);
        p.before = CRect(bar.left, bar.top, bar.left + arrow, bar.bottom);
        p.after = CRect(bar.right - arrow, bar.top, bar.right, bar.bottom);
        p.track = CRect(p.before.right, bar.top, p.after.left, bar.bottom);
    }
    return p;
}

CRect Thumb(const CRect& track, bool vertical, int pos, int page, int total) {
    const int length = vertical ? track.Height() : track.Width();
    if (total <= 0 || page >= total || length <= 0) return CRect();
    const int size = std::max(8, length * page / total);
    const int range = std::max(1, total - page);
    const int offset = (length - size) * std::clamp(pos, 0, range) / range;
    return vertical ? CRect(track.left, track.top + offset, track.right, track.top + offset + size)
                    : CRect(track.left + offset, track.top, track.left + offset + size, track.bottom);
}

void DrawArrow(CDC& dc, const CRect& box, bool vertical, bool forward) {
    dc.FillSolidRect(&box, GetSysColor(COLOR_BTNFACE));
    dc.Draw3dRect(&box, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    const CPoint c = box.CenterPoint();
    const COLORREF ink = GetSysColor(COLOR_BTNTEXT);
    for (int i = 0; i < 3; ++i) {
        const int along = forward ? i - 1 : 1 - i;
        for (int across = -(2 - i); across <= 2 - i; ++across) {
            if (vertical)
                dc.SetPixel(c.x + across, c.y + along, ink);
            else
                dc.SetPixel(c.x + along, c.y + across, ink);
        }
    }
}
}  // namespace

void DrawScrollBar(CDC& dc, const CRect& bar, bool vertical, int pos, int page, int total) {
    const BarParts p = Split(bar, vertical);
    dc.FillSolidRect(&p.track, GetSysColor(COLOR_3DLIGHT));
    DrawArrow(dc, p.before, vertical, false);
    DrawArrow(dc, p.after, vertical, true);
    const CRect thumb = Thumb(p.track, vertical, pos, page, total);
    if (!thumb.IsRectEmpty()) {
        dc.FillSolidRect(&thumb, GetSysColor(COLOR_BTNFACE));
        dc.Draw3dRect(&thumb, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    }
}

int ScrollAfterTap(const CRect& bar, bool vertical, CPoint point, int pos, int page, int total, int step) {
    const BarParts p = Split(bar, vertical);
    if (p.before.PtInRect(point)) return ClampScroll(pos - step, page, total);
    if (p.after.PtInRect(point)) return ClampScroll(pos + step, page, total);
    const CRect thumb = Thumb(p.track, vertical, pos, page, total);
    const int at = vertical ? point.y : point.x;
    const int thumbStart = vertical ? thumb.top : thumb.left;
    const int thumbEnd = vertical ? thumb.bottom : thumb.right;
    if (at < thumbStart) return ClampScroll(pos - std::max(1, page), page, total);
    if (at >= thumbEnd) return ClampScroll(pos + std::max(1, page), page, total);
    return pos;
}

std::optional<ThumbDrag> GrabThumb(const CRect& bar, bool vertical, CPoint point, int pos, int page,
                                   int total) {
    const CRect thumb = Thumb(Split(bar, vertical).track, vertical, pos, page, total);
    if (thumb.IsRectEmpty() || !thumb.PtInRect(point)) return std::nullopt;
    return ThumbDrag{bar, vertical, vertical ? point.y - thumb.top : point.x - thumb.left, page, total};
}

int DragThumb(const ThumbDrag& drag, CPoint point) {
    const CRect track = Split(drag.bar, drag.vertical).track;
    const CRect thumb = Thumb(track, drag.vertical, 0, drag.page, drag.total);
    const int free = drag.vertical ? track.Height() - thumb.Height() : track.Width() - thumb.Width();
    if (free <= 0) return 0;
    const int at = (drag.vertical ? point.y - track.top : point.x - track.left) - drag.grab;
    const int range = drag.total - drag.page;
    return ClampScroll((std::clamp(at, 0, free) * range + free / 2) / free, drag.page, drag.total);
}

void SelectionColors(bool focused, COLORREF& text, COLORREF& back) {
    text = GetSysColor(focused ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
    back = GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
}
