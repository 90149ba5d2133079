#include "platform/gdi/CDC.h"

#include <algorithm>

CDC::CDC(Framebuffer& fb) {
    Attach(fb, CRect(0, 0, fb.width(), fb.height()));
}

CDC::CDC(Framebuffer& fb, const CRect& area) {
    Attach(fb, area);
}

void CDC::Attach(Framebuffer& fb, const CRect& area) {
    fb_ = &fb;
    area_ = area;
    const CRect screen(0, 0, fb.width(), fb.height());
    clip_.IntersectRect(&area_, &screen);
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom) {
    CRect r(left, top, right, bottom);
    r.OffsetRect(origin());
    const CRect old = clip_;
    clip_.IntersectRect(&old, &r);
    return clip_.IsRectEmpty() ? 1 : 2;
}

int CDC::GetClipBox(LPRECT rect) const {
    CRect r = clip_;
    r.OffsetRect(-origin().x, -origin().y);
    *rect = r;
    return r.IsRectEmpty() ? 1 : 2;
}

CPen* CDC::SelectObject(CPen* pen) {
    if (!pen || !pen->GetSafeHandle()) return nullptr;
    CPen* old = pen_;
    pen_ = pen;
    penStyle_ = pen->GetStyle();
    penWidth_ = pen->GetWidth();
    penColor_ = pen->GetColor();
    return old;
}

CBrush* CDC::SelectObject(CBrush* brush) {
    if (!brush || !brush->GetSafeHandle()) return nullptr;
    CBrush* old = brush_;
    brush_ = brush;
    brushHollow_ = brush->IsHollow();
    brushColor_ = brush->GetColor();
    return old;
}

CFont* CDC::SelectObject(CFont* font) {
    if (!font || !font->GetSafeHandle()) return nullptr;
    CFont* old = font_;
    font_ = font;
    fontSpec_ = font->GetLogFontRef();
    realizedFont_.reset();
    return old;
}

CGdiObject* CDC::SelectObject(CGdiObject* object) {
    if (!object) return nullptr;
    switch (object->GetKind()) {
        case CGdiObject::Kind::Pen:
            return SelectObject(static_cast<CPen*>(object));
        case CGdiObject::Kind::Brush:
            return SelectObject(static_cast<CBrush*>(object));
        case CGdiObject::Kind::Font:
            return SelectObject(static_cast<CFont*>(object));
    }
    return nullptr;
}

CGdiObject* CDC::SelectStockObject(int index) {
    return SelectObject(GetStockObject(index));
}

int CDC::SetROP2(int mode) {
    if (mode != R2_COPYPEN && mode != R2_NOT && mode != R2_XORPEN) return 0;
    const int old = rop_;
    rop_ = mode;
    return old;
}

int CDC::SetBkMode(int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;
    const int old = bkMode_;
    bkMode_ = mode;
    return old;
}

COLORREF CDC::SetBkColor(COLORREF color) {
    const COLORREF old = bkColor_;
    bkColor_ = color;
    return old;
}

COLORREF CDC::SetTextColor(COLORREF color) {
    const COLORREF old = textColor_;
    textColor_ = color;
    return old;
}

void CDC::FillDevice(const CRect& device, COLORREF color) {
    const uint32_t p = Framebuffer::ToPixel(color);
    for (int y = device.top; y < device.bottom; ++y) {
        uint32_t* row = fb_->row(y);
        std::fill(row + device.left, row + device.right, p);
    }
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color) {
    const CPoint d = CPoint(x, y) + origin();
    if (!clip_.PtInRect(d)) return CLR_INVALID;
    fb_->row(d.y)[d.x] = Framebuffer::ToPixel(color);
    return color & 0x00FFFFFFu;
}

COLORREF CDC::GetPixel(int x, int y) const {
    const CPoint d = CPoint(x, y) + origin();
    if (!clip_.PtInRect(d)) return CLR_INVALID;
    return fb_->colorAt(d.x, d.y);
}
