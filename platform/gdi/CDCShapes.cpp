// Lines and filled figures. Each figure is first collected into a FigureMask and then painted, so
// the raster operation meets every covered pixel exactly once.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/gdi/CDC.h"
#include "platform/gdi/FigureMask.h"

namespace {

// The cosmetic dash: 18 pixels drawn, 6 left out.
constexpr int kDashOn = 18;
constexpr int kDashPeriod = 24;

CRect BoundsOf(const POINT* points, int count) {
    CRect r(points[0].x, points[0].y, points[0].x + 1, points[0].y + 1);
    for (int i = 1; i < count; ++i) {
        r.left = std::min(r.left, points[i].x);
        r.top = std::min(r.top, points[i].y);
        r.right = std::max(r.right, points[i].x + 1);
        r.bottom = std::max(r.bottom, points[i].y + 1);
    }
    return r;
}

// Columns of rows [from, to) of a filled ellipse inscribed in [left, right) x [top, bottom): the
// pixels whose centres lie inside it.
void EllipseSpans(const CRect& box, int from, int to, std::vector<int>& lefts, std::vector<int>& rights) {
    const double cx = (double(box.left) + box.right) / 2.0;
    const double cy = (double(box.top) + box.bottom) / 2.0;
    const double a = (double(box.right) - box.left) / 2.0;
    const double b = (double(box.bottom) - box.top) / 2.0;
    for (int y = from; y < to; ++y) {
        const double dy = (y + 0.5 - cy) / b;
        const double half = a * std::sqrt(std::max(0.0, 1.0 - dy * dy));
        lefts.push_back(static_cast<int>(std::ceil(cx - half - 0.5)));
        rights.push_back(static_cast<int>(std::floor(cx + half - 0.5)));
    }
}

}  // namespace

CRect CDC::PenBounds(CRect box) const {
    box.InflateRect(penWidth_, penWidth_);
    CRect r;
    r.IntersectRect(&box, &clip_);
    return r;
}

void CDC::AddPenPixel(FigureMask& mask, int x, int y) {
    if (penWidth_ <= 1) {
        mask.Set(x, y, FigureMask::Pen);
        return;
    }
    // A wide pen is a round nib (a square one at width 2) centred on the line.
    const int first = -(penWidth_ / 2);
    const double centre = first + (penWidth_ - 1) / 2.0;
    const double r2 = penWidth_ * penWidth_ / 4.0;
    for (int dy = first; dy < first + penWidth_; ++dy) {
        for (int dx = first; dx < first + penWidth_; ++dx) {
            const double ex = dx - centre, ey = dy - centre;
            if (penWidth_ == 2 || ex * ex + ey * ey <= r2) mask.Set(x + dx, y + dy, FigureMask::Pen);
        }
    }
}

// Device-coordinate lines: along the major axis, step i lands on the minor coordinate nearest to
// the true line (halves round away from the start). Only steps that can reach the figure's bounds
// are visited, so a line running far outside the screen costs no more than a visible one. The dash
// pattern runs on from the previous line until MoveTo.
void CDC::AddLine(FigureMask& mask, CPoint from, CPoint to, bool includeEnd) {
    const int64_t dx = int64_t(to.x) - from.x, dy = int64_t(to.y) - from.y;
    const int64_t adx = std::abs(dx), ady = std::abs(dy);
    const bool xMajor = adx >= ady;
    const int64_t major = xMajor ? adx : ady;
    const int64_t steps = major + (includeEnd ? 1 : 0);
    const int64_t phase = dashPhase_;
    dashPhase_ = static_cast<int>((phase + steps) % kDashPeriod);
    if (steps == 0) return;

    // The major-axis interval the bounds (widened by the nib) cover, as a range of steps.
    const CRect& b = mask.bounds();
    const int64_t margin = penWidth_;
    const int64_t start = xMajor ? from.x : from.y;
    const int64_t dir = (xMajor ? dx : dy) >= 0 ? 1 : -1;
    const int64_t low = (xMajor ? b.left : b.top) - margin, high = (xMajor ? b.right : b.bottom) + margin;
    int64_t first = dir > 0 ? low - start : start - high;
    int64_t last = dir > 0 ? high - start : start - low;
    first = std::max<int64_t>(first, 0);
    last = std::min<int64_t>(last, steps - 1);

    const bool dashed = penStyle_ == PS_DASH && penWidth_ <= 1;
    const int64_t minorDelta = xMajor ? dy : dx;
    for (int64_t i = first; i <= last; ++i) {
        const int64_t along = start + dir * i;
        // 128 bits: the product of two 32-bit spans and a step count overflows 64.
        int64_t across = xMajor ? from.y : from.x;
        if (minorDelta != 0) {
            const __int128 num = __int128(2) * i * std::abs(minorDelta) + major;
            across += (minorDelta >= 0 ? 1 : -1) * static_cast<int64_t>(num / (2 * major));
        }
        const int x = static_cast<int>(xMajor ? along : across),
                  y = static_cast<int>(xMajor ? across : along);
        if (!dashed) {
            AddPenPixel(mask, x, y);
        } else if ((phase + i) % kDashPeriod < kDashOn) {
            mask.Set(x, y, FigureMask::Pen);
        } else if (bkMode_ == OPAQUE) {
            mask.Set(x, y, FigureMask::PenGap);
        }
    }
}

void CDC::Paint(const FigureMask& mask) {
    Paint(mask, penColor_, bkColor_, brushColor_);
}

void CDC::Paint(const FigureMask& mask, COLORREF penColor, COLORREF gapColor, COLORREF brushColor) {
    const CRect& b = mask.bounds();
    const uint32_t source[] = {0, Framebuffer::ToPixel(brushColor), Framebuffer::ToPixel(gapColor),
                               Framebuffer::ToPixel(penColor)};
    // One loop per raster operation keeps the per-pixel work to a load and a store.
    auto each = [&](auto op) {
        for (int y = b.top; y < b.bottom; ++y) {
            uint32_t* row = fb_->row(y) + b.left;
            const uint8_t* kinds = mask.Row(y);
            for (int x = 0; x < b.Width(); ++x) {
                if (kinds[x] != FigureMask::None) op(row[x], source[kinds[x]]);
            }
        }
    };
    switch (rop_) {
        case R2_NOT:
            each([](uint32_t& p, uint32_t) { p ^= 0x00FFFFFFu; });
            break;
        case R2_XORPEN:
            each([](uint32_t& p, uint32_t s) { p ^= s; });
            break;
        default:
            each([](uint32_t& p, uint32_t s) { p = s; });
            break;
    }
}

CPoint CDC::MoveTo(int x, int y) {
    const CPoint old = position_;
    position_ = CPoint(x, y);
    dashPhase_ = 0;
    return old;
}

BOOL CDC::LineTo(int x, int y) {
    const CPoint to(x, y);
    if (fb_ && HasPen()) {
        const POINT ends[] = {position_, to};
        CRect box = BoundsOf(ends, 2);
        box.OffsetRect(origin());
        FigureMask mask(PenBounds(box));
        AddLine(mask, position_ + origin(), to + origin(), penWidth_ > 1);
        Paint(mask);
    }
    position_ = to;
    return TRUE;
}

bool CDC::PolylineAsSpans(const POINT* points, int count) {
    if (rop_ != R2_COPYPEN || penStyle_ != PS_SOLID || penWidth_ > 1) return false;
    for (int i = 1; i < count; ++i)
        if (points[i].x != points[i - 1].x && points[i].y != points[i - 1].y) return false;
    // Copying a pixel twice leaves it as copying it once: the sides need no mask.
    const uint32_t pixel = Framebuffer::ToPixel(penColor_);
    const CPoint o = origin();
    int64_t length = 0;
    for (int i = 1; i < count; ++i) {
        const CPoint from = CPoint(points[i - 1]) + o, to = CPoint(points[i]) + o;
        length += std::abs(int64_t(to.x) - from.x) + std::abs(int64_t(to.y) - from.y);
        // The end point is left out, as a line leaves it out.
        if (from.y == to.y) {
            if (from.x == to.x) continue;
            const int x0 = from.x < to.x ? from.x : to.x + 1, x1 = from.x < to.x ? to.x - 1 : from.x;
            if (from.y < clip_.top || from.y >= clip_.bottom) continue;
            const int l = std::max<int>(x0, clip_.left), r = std::min<int>(x1, clip_.right - 1);
            if (l <= r) std::fill(fb_->row(from.y) + l, fb_->row(from.y) + r + 1, pixel);
        } else {
            const int y0 = from.y < to.y ? from.y : to.y + 1, y1 = from.y < to.y ? to.y - 1 : from.y;
            if (from.x < clip_.left || from.x >= clip_.right) continue;
            const int t = std::max<int>(y0, clip_.top), b = std::min<int>(y1, clip_.bottom - 1);
            if (t > b) continue;
            const int stride = fb_->width();
            uint32_t* at = fb_->row(t) + from.x;
            for (int y = t; y <= b; ++y, at += stride) *at = pixel;
        }
    }
    dashPhase_ = static_cast<int>((dashPhase_ + length) % kDashPeriod);
    return true;
}

BOOL CDC::Polyline(const POINT* points, int count) {
    if (!points || count < 2) return FALSE;
    if (!fb_ || !HasPen()) return TRUE;
    dashPhase_ = 0;
    if (PolylineAsSpans(points, count)) return TRUE;
    CRect box = BoundsOf(points, count);
    box.OffsetRect(origin());
    FigureMask mask(PenBounds(box));
    for (int i = 1; i < count; ++i) {
        AddLine(mask, CPoint(points[i - 1]) + origin(), CPoint(points[i]) + origin(), penWidth_ > 1);
    }
    Paint(mask);
    return TRUE;
}

BOOL CDC::Polygon(const POINT* points, int count) {
    if (!points || count < 2) return FALSE;
    if (!fb_) return TRUE;
    CRect box = BoundsOf(points, count);
    box.OffsetRect(origin());
    FigureMask mask(PenBounds(box));
    const CPoint o = origin();
    if (HasBrush()) {
        // Alternate fill: pixel centres between pairs of edge crossings of their row.
        std::vector<double> crossings;
        for (int y = mask.bounds().top; y < mask.bounds().bottom; ++y) {
            const double yc = y + 0.5;
            crossings.clear();
            for (int i = 0; i < count; ++i) {
                const CPoint p = CPoint(points[i]) + o;
                const CPoint q = CPoint(points[(i + 1) % count]) + o;
                if (p.y == q.y) continue;
                const double y0 = std::min(p.y, q.y), y1 = std::max(p.y, q.y);
                if (yc < y0 || yc >= y1) continue;
                crossings.push_back(p.x + (yc - p.y) * (double(q.x) - p.x) / (double(q.y) - p.y));
            }
            std::sort(crossings.begin(), crossings.end());
            for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
                const int x0 = static_cast<int>(std::ceil(crossings[i] - 0.5));
                const int x1 = static_cast<int>(std::ceil(crossings[i + 1] - 0.5)) - 1;
                mask.Span(y, x0, x1, FigureMask::Brush);
            }
        }
    }
    if (HasPen()) {
        dashPhase_ = 0;
        for (int i = 0; i < count; ++i) {
            AddLine(mask, CPoint(points[i]) + o, CPoint(points[(i + 1) % count]) + o, penWidth_ > 1);
        }
    }
    Paint(mask);
    return TRUE;
}

// The rows of a box figure worth computing: those near the clip. Rows just past the window count
// as outside, which only moves the outline onto rows that are never painted.
std::pair<int, int> CDC::RowWindow(const CRect& box) const {
    const int margin = penWidth_ + 1;
    const int from = std::max<int>(box.top, clip_.top - margin);
    const int to = std::min<int>(box.bottom, clip_.bottom + margin);
    return {from, std::max(from, to)};
}

// A convex figure given by its rows: the pen covers the pixels within its width of the outside,
// measured roughly round, and the brush the rest.
void CDC::AddBoxFigure(FigureMask& mask, int top, const int* lefts, const int* rights, int rows,
                       bool withPen) {
    const int w = penWidth_;
    for (int i = 0; i < rows; ++i) {
        const int y = top + i;
        if (lefts[i] > rights[i]) continue;
        if (!withPen) {
            if (HasBrush()) mask.Span(y, lefts[i], rights[i], FigureMask::Brush);
            continue;
        }
        int inLeft = lefts[i], inRight = rights[i];
        for (int d = -w; d <= w && inLeft <= inRight; ++d) {
            const int k = i + d;
            if (k < 0 || k >= rows || lefts[k] > rights[k]) {
                inLeft = inRight + 1;
                break;
            }
            const int margin = static_cast<int>(std::sqrt(double(w * w - d * d)));
            inLeft = std::max(inLeft, lefts[k] + margin);
            inRight = std::min(inRight, rights[k] - margin);
        }
        if (inLeft > inRight) {
            mask.Span(y, lefts[i], rights[i], FigureMask::Pen);
            continue;
        }
        mask.Span(y, lefts[i], inLeft - 1, FigureMask::Pen);
        mask.Span(y, inRight + 1, rights[i], FigureMask::Pen);
        if (HasBrush()) mask.Span(y, inLeft, inRight, FigureMask::Brush);
    }
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
    if (!fb_) return TRUE;
    CRect box(left, top, right, bottom);
    box.NormalizeRect();
    box.OffsetRect(origin());
    if (!HasPen()) box.DeflateRect(0, 0, 1, 1);
    if (box.IsRectEmpty()) return TRUE;
    if (rop_ == R2_COPYPEN && (!HasPen() || (penStyle_ == PS_SOLID && penWidth_ == 1))) {
        // Copied, and at most a thin solid outline: the sides and the inside are rectangles of
        // their own, with no figure to collect.
        auto fill = [&](const CRect& r, COLORREF color) {
            CRect device;
            if (device.IntersectRect(&r, &clip_)) FillDevice(device, color);
        };
        CRect inside = box;
        if (HasPen()) {
            fill(CRect(box.left, box.top, box.right, box.top + 1), penColor_);
            fill(CRect(box.left, box.bottom - 1, box.right, box.bottom), penColor_);
            fill(CRect(box.left, box.top + 1, box.left + 1, box.bottom - 1), penColor_);
            fill(CRect(box.right - 1, box.top + 1, box.right, box.bottom - 1), penColor_);
            inside.DeflateRect(1, 1);
        }
        if (HasBrush()) fill(inside, brushColor_);
        return TRUE;
    }
    FigureMask mask(PenBounds(box));
    if (HasPen() && penStyle_ == PS_DASH && penWidth_ <= 1) {
        const POINT corners[] = {{box.left, box.top},
                                 {box.right - 1, box.top},
                                 {box.right - 1, box.bottom - 1},
                                 {box.left, box.bottom - 1}};
        if (HasBrush()) {
            for (int y = box.top + 1; y < box.bottom - 1; ++y)
                mask.Span(y, box.left + 1, box.right - 2, FigureMask::Brush);
        }
        dashPhase_ = 0;
        for (int i = 0; i < 4; ++i) AddLine(mask, corners[i], corners[(i + 1) % 4], false);
    } else {
        box.InflateRect((penWidth_ - 1) / 2, (penWidth_ - 1) / 2);
        const auto [from, to] = RowWindow(box);
        const std::vector<int> lefts(to - from, box.left), rights(to - from, box.right - 1);
        AddBoxFigure(mask, from, lefts.data(), rights.data(), to - from, HasPen());
    }
    Paint(mask);
    return TRUE;
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom) {
    if (!fb_) return TRUE;
    CRect box(left, top, right, bottom);
    box.NormalizeRect();
    box.OffsetRect(origin());
    if (HasPen()) box.InflateRect((penWidth_ - 1) / 2, (penWidth_ - 1) / 2);
    if (box.IsRectEmpty()) return TRUE;
    FigureMask mask(PenBounds(box));
    const auto [from, to] = RowWindow(box);
    std::vector<int> lefts, rights;
    EllipseSpans(box, from, to, lefts, rights);
    AddBoxFigure(mask, from, lefts.data(), rights.data(), to - from, HasPen());
    Paint(mask);
    return TRUE;
}

void CDC::FillRect(LPCRECT rect, CBrush* brush) {
    if (!fb_ || !rect || !brush || !brush->GetSafeHandle() || brush->IsHollow()) return;
    CRect r(rect);
    r.OffsetRect(origin());
    CRect d;
    if (d.IntersectRect(&r, &clip_)) FillDevice(d, brush->GetColor());
}

void CDC::FrameRect(LPCRECT rect, CBrush* brush) {
    const CRect r(rect);
    if (r.IsRectEmpty()) return;
    FillRect(CRect(r.left, r.top, r.right, r.top + 1), brush);
    FillRect(CRect(r.left, r.bottom - 1, r.right, r.bottom), brush);
    FillRect(CRect(r.left, r.top + 1, r.left + 1, r.bottom - 1), brush);
    FillRect(CRect(r.right - 1, r.top + 1, r.right, r.bottom - 1), brush);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color) {
    SetBkColor(color);
    if (!fb_ || !rect) return;
    CRect r(rect);
    r.OffsetRect(origin());
    CRect d;
    if (d.IntersectRect(&r, &clip_)) FillDevice(d, color);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
    FillSolidRect(CRect(x, y, x + cx, y + cy), color);
}

void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight) {
    const CRect r(rect);
    Draw3dRect(r.left, r.top, r.Width(), r.Height(), topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight) {
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, bottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, bottomRight);
}

void CDC::DrawFocusRect(LPCRECT rect) {
    if (!fb_ || !rect) return;
    CRect r(rect);
    r.NormalizeRect();
    if (r.IsRectEmpty()) return;
    r.OffsetRect(origin());
    auto dot = [&](int x, int y) {
        if (((x + y) & 1) == 0 && clip_.PtInRect({x, y})) fb_->row(y)[x] ^= 0x00FFFFFFu;
    };
    const int x0 = std::max<int>(r.left, clip_.left), x1 = std::min<int>(r.right, clip_.right);
    for (int x = x0; x < x1; ++x) {
        dot(x, r.top);
        if (r.bottom - 1 > r.top) dot(x, r.bottom - 1);
    }
    const int y0 = std::max<int>(r.top + 1, clip_.top), y1 = std::min<int>(r.bottom - 1, clip_.bottom);
    for (int y = y0; y < y1; ++y) {
        dot(r.left, y);
        if (r.right - 1 > r.left) dot(r.right - 1, y);
    }
}
