// Single runs of text: metrics, extents, TextOut and ExtTextOut.
#include <algorithm>
#include <cwchar>
#include <optional>

#include "platform/gdi/CDC.h"
#include "platform/gdi/FigureMask.h"
#include "platform/gdi/FontEngine.h"

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
    for (int i = 0; i < count; ++i) {
        const Glyph& g = font.GetGlyph(static_cast<char32_t>(text[i]));
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

    // Plain text over what is there goes straight to the framebuffer; anything else is collected
    // first so that background and raster operation meet each pixel once.
    const bool direct = rop_ == R2_COPYPEN && bkMode_ == TRANSPARENT && !opaque;
    std::optional<FigureMask> mask;
    if (!direct) mask.emplace(area);
    const uint32_t textPixel = Framebuffer::ToPixel(textColor_);
    auto inkSpan = [&](int y, int x0, int x1) {
        if (mask) {
            mask->Span(y, x0, x1, FigureMask::Pen);
        } else if (y >= area.top && y < area.bottom) {
            uint32_t* row = fb_->row(y);
            for (int x = std::max<int>(x0, area.left); x <= std::min<int>(x1, area.right - 1); ++x)
                row[x] = textPixel;
        }
    };
    if (opaque) {
        for (int row = opaqueDevice.top; row < opaqueDevice.bottom; ++row)
            mask->Span(row, opaqueDevice.left, opaqueDevice.right - 1, FigureMask::Brush);
    }
    if (bkMode_ == OPAQUE) {
        for (int row = cell.top; row < cell.bottom; ++row)
            mask->Span(row, cell.left, cell.right - 1, FigureMask::Brush);
    }
    const int underlineRow = baseline + (m.descent >= 2 ? 1 : 0);
    int penX = left;
    for (int i = 0; i < count; ++i) {
        const Glyph& g = font.GetGlyph(static_cast<char32_t>(text[i]));
        const int gx = penX + g.left, gy = baseline - g.top;
        for (int r = 0; r < g.height; ++r) {
            for (int c = 0; c < g.width;) {
                if (!g.At(c, r)) {
                    ++c;
                    continue;
                }
                const int run = c;
                while (c < g.width && g.At(c, r)) ++c;
                inkSpan(gy + r, gx + run, gx + c - 1);
            }
        }
        const int advance = dx ? dx[i] : g.advance;
        if (i == underlined) inkSpan(underlineRow, penX, penX + advance - 1);
        penX += advance;
    }
    if (font.underline()) inkSpan(underlineRow, cell.left, cell.right - 1);
    if (font.strikeOut()) inkSpan(baseline - m.ascent / 3, cell.left, cell.right - 1);
    if (mask) Paint(*mask, textColor_, bkColor_, bkColor_);
}
