// Single runs of text: metrics, extents, TextOut and ExtTextOut.
#include <cwchar>

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

BOOL CDC::ExtTextOut(int x, int y, UINT options, LPCRECT rect, const wchar_t* text, UINT count, const int* dx) {
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

    int width = 0;
    for (int i = 0; i < count; ++i) width += dx ? dx[i] : font.Advance(static_cast<char32_t>(text[i]));
    const CRect cell(left, top, left + width, top + m.height());
    // Ink may reach past the cell (a fallback glyph, an italic overhang), never by a whole cell.
    CRect bounds = cell;
    bounds.InflateRect(m.height(), m.height());
    CRect opaqueDevice;
    if (opaque) {
        opaqueDevice = *opaque + o;
        bounds = bounds | opaqueDevice;
    }
    CRect area = bounds & clip_;
    if (clipTo) area = area & (*clipTo + o);
    if (area.IsRectEmpty()) return;

    FigureMask mask(area);
    if (opaque) {
        for (int row = opaqueDevice.top; row < opaqueDevice.bottom; ++row)
            mask.Span(row, opaqueDevice.left, opaqueDevice.right - 1, FigureMask::Brush);
    }
    if (bkMode_ == OPAQUE) {
        for (int row = cell.top; row < cell.bottom; ++row) mask.Span(row, cell.left, cell.right - 1, FigureMask::Brush);
    }
    const int underlineRow = baseline + (m.descent >= 2 ? 1 : 0);
    int penX = left;
    for (int i = 0; i < count; ++i) {
        const Glyph& g = font.GetGlyph(static_cast<char32_t>(text[i]));
        const int gx = penX + g.left, gy = baseline - g.top;
        for (int r = 0; r < g.height; ++r)
            for (int c = 0; c < g.width; ++c)
                if (g.At(c, r)) mask.Set(gx + c, gy + r, FigureMask::Pen);
        const int advance = dx ? dx[i] : g.advance;
        if (i == underlined) mask.Span(underlineRow, penX, penX + advance - 1, FigureMask::Pen);
        penX += advance;
    }
    if (font.underline()) mask.Span(underlineRow, cell.left, cell.right - 1, FigureMask::Pen);
    if (font.strikeOut()) mask.Span(baseline - m.ascent / 3, cell.left, cell.right - 1, FigureMask::Pen);
    Paint(mask, textColor_, bkColor_, bkColor_);
}
