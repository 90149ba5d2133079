// Single runs of text: metrics, extents, TextOut and ExtTextOut.
#include <algorithm>
#include <array>
#include <cwchar>
#include <optional>
#include <vector>

#include "platform/gdi/CDC.h"
#include "platform/gdi/FigureMask.h"
#include "platform/gdi/FontEngine.h"
#include "platform/gdi/InkRows.h"

FontInstance& CDC::Font() const {
    if (!realizedFont_) realizedFont_ = RealizeFont(fontSpec_);
    return *realizedFont_;
}

BOOL CDC::GetTextMetrics(TEXTMETRIC* tm) const {
    if (!tm) return FALSE;
    const FontMetrics& m = Font().metrics();
    tm->tmHeight = m.height();
    tm->tmAscent = m.ascent;
    tm->tmDescent = m.descent;
    tm->tmInternalLeading = m.internalLeading;
    tm->tmExternalLeading = 0;
    tm->tmAveCharWidth = m.aveCharWidth;
    tm->tmMaxCharWidth = m.maxCharWidth;
    tm->tmWeight = m.weight;
    return TRUE;
}

CSize CDC::GetTextExtent(const wchar_t* text, int count) const {
    FontInstance& font = Font();
    if (!text) count = 0;
    if (count < 0) count = static_cast<int>(std::wcslen(text));
    int width = 0;
    for (int i = 0; i < count; ++i) width += font.Advance(static_cast<char32_t>(text[i]));
    return {width, font.metrics().height()};
}

BOOL CDC::TextOut(int x, int y, const wchar_t* text, int count) {
    if (!text) return FALSE;
    if (count < 0) count = static_cast<int>(std::wcslen(text));
    DrawTextRun(x, y, text, count, nullptr, nullptr, nullptr, -1);
    return TRUE;
}

BOOL CDC::ExtTextOut(int x, int y, UINT options, LPCRECT rect, const wchar_t* text, UINT count,
                     const int* dx) {
    const CRect box(rect);
    const bool withRect = rect != nullptr;
    DrawTextRun(x, y, text ? text : L"", text ? static_cast<int>(count) : 0, dx,
                withRect && (options & ETO_OPAQUE) ? &box : nullptr,
                withRect && (options & ETO_CLIPPED) ? &box : nullptr, -1);
    return TRUE;
}

void CDC::DrawTextRun(int x, int y, const wchar_t* text, int count, const int* dx, const CRect* opaque,
                      const CRect* clipTo, int underlined) {
    if (!fb_) return;
    FontInstance& font = Font();
    const FontMetrics& m = font.metrics();
    const CPoint o = origin();
    const int left = x + o.x, top = y + o.y, baseline = top + m.ascent;

    // The cell, and everything the ink reaches (a fallback glyph may stand out of the cell).
    int width = 0;
    CRect bounds(left, top, left, top + m.height());
    // Looked up once for both passes; a short run needs no allocation.
    constexpr int kShortRun = 64;
    std::array<const Glyph*, kShortRun> shortRun;
    std::vector<const Glyph*> longRun(count > kShortRun ? static_cast<size_t>(count) : 0);
    const Glyph** glyphs = count > kShortRun ? longRun.data() : shortRun.data();
    for (int i = 0; i < count; ++i) {
        const Glyph& g = *(glyphs[static_cast<size_t>(i)] = &font.GetGlyph(static_cast<char32_t>(text[i])));
        const CRect ink(left + width + g.left, baseline - g.top, left + width + g.left + g.width,
                        baseline - g.top + g.height);
        bounds = bounds | ink;
        width += dx ? dx[i] : g.advance;
    }
    const CRect cell(left, top, left + width, top + m.height());
    bounds = bounds | cell;
    bounds.bottom = std::max<LONG>(bounds.bottom, baseline + 2);
    CRect opaqueDevice;
    if (opaque) {
        opaqueDevice = *opaque + o;
        bounds = bounds | opaqueDevice;
    }
    CRect area = bounds & clip_;
    if (clipTo) area = area & (*clipTo + o);
    if (area.IsRectEmpty()) return;

    // Copied text goes straight to the framebuffer: a small area as words of bits written a row at a
    // time, a larger one background first and ink over it, so that each pixel ends as the last copy
    // left it. Any other raster operation collects the pixels first, so that it meets each one once.
    const bool direct = rop_ == R2_COPYPEN;
    std::optional<FigureMask> mask;
    if (!direct) mask.emplace(area);
    const bool asRows = direct && InkRows::Fits(area) &&
                        std::all_of(glyphs, glyphs + count, [](const Glyph* g) { return InkRows::Fits(*g); });
    InkRows rows(asRows ? area : CRect());
    auto span = [&](int y, int x0, int x1, FigureMask::Kind kind, uint32_t pixel) {
        if (mask) {
            mask->Span(y, x0, x1, kind);
        } else if (asRows) {
            rows.AddInk(y, x0, x1);
        } else if (y >= area.top && y < area.bottom) {
            const int from = std::max<int>(x0, area.left), to = std::min<int>(x1, area.right - 1);
            if (from <= to) std::fill(fb_->row(y) + from, fb_->row(y) + to + 1, pixel);
        }
    };
    const uint32_t textPixel = Framebuffer::ToPixel(textColor_);
    const uint32_t backgroundPixel = Framebuffer::ToPixel(bkColor_);
    auto inkSpan = [&](int y, int x0, int x1) { span(y, x0, x1, FigureMask::Pen, textPixel); };
    auto background = [&](const CRect& r) {
        if (asRows) {
            rows.AddBackground(r);
            return;
        }
        for (int row = r.top; row < r.bottom; ++row)
            span(row, r.left, r.right - 1, FigureMask::Brush, backgroundPixel);
    };
    if (opaque) background(opaqueDevice);
    if (bkMode_ == OPAQUE) background(cell);
    const int underlineRow = baseline + (m.descent >= 2 ? 1 : 0);
    int penX = left;
    for (int i = 0; i < count; ++i) {
        const Glyph& g = *glyphs[static_cast<size_t>(i)];
        const int gx = penX + g.left, gy = baseline - g.top;
        if (asRows) {
            rows.AddGlyph(g, gx, gy);
        } else if (!mask && gx >= area.left && gx + g.width <= area.right && gy >= area.top &&
                   gy + g.height <= area.bottom) {
            // Wholly inside: the runs (a pixel or two each) go straight to their rows.
            for (const GlyphRun& run : g.runs) {
                uint32_t* row = fb_->row(gy + run.row) + gx;
                for (int x = run.from; x <= run.to; ++x) row[x] = textPixel;
            }
        } else {
            for (const GlyphRun& run : g.runs) inkSpan(gy + run.row, gx + run.from, gx + run.to);
        }
        const int advance = dx ? dx[i] : g.advance;
        if (i == underlined) inkSpan(underlineRow, penX, penX + advance - 1);
        penX += advance;
    }
    if (font.underline()) inkSpan(underlineRow, cell.left, cell.right - 1);
    if (font.strikeOut()) inkSpan(baseline - m.ascent / 3, cell.left, cell.right - 1);
    if (mask) Paint(*mask, textColor_, bkColor_, bkColor_);
    if (asRows) rows.Write(*fb_, textPixel, backgroundPixel);
}
