#pragma once
// A device context over a framebuffer: the whole screen, or a child rectangle of it whose top-left
// corner is the origin and whose edges clip every drawing call. Figures follow the handheld's
// pixel rules: lines leave out their end point, rectangles and ellipses leave out their right and
// bottom edges, and the raster operation applies once to every pixel a figure covers.
#include <memory>
#include <utility>

#include "platform/base/WinTypes.h"
#include "platform/gdi/Color.h"
#include "platform/gdi/Framebuffer.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Geometry.h"
#include "platform/gdi/TextTypes.h"
#include "platform/text/CString.h"

class FigureMask;
class FontInstance;

constexpr int R2_NOT = 6;
constexpr int R2_XORPEN = 7;
constexpr int R2_COPYPEN = 13;

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

class CDC {
public:
    // Draws nowhere until attached.
    CDC() = default;
    explicit CDC(Framebuffer& fb);
    // A child rectangle given in framebuffer coordinates.
    CDC(Framebuffer& fb, const CRect& area);
    virtual ~CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    void Attach(Framebuffer& fb, const CRect& area);
    Framebuffer* GetFramebuffer() const { return fb_; }
    // The child rectangle in framebuffer coordinates.
    const CRect& GetDeviceArea() const { return area_; }

    // Narrows the clip to a rectangle in this context's coordinates; returns 1 when nothing is left
    // (NULLREGION), else 2 (SIMPLEREGION).
    int IntersectClipRect(int left, int top, int right, int bottom);
    int IntersectClipRect(LPCRECT rect) {
        return IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom);
    }
    int GetClipBox(LPRECT rect) const;

    // Each returns the object it replaces.
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CGdiObject* SelectObject(CGdiObject* object);
    CGdiObject* SelectStockObject(int index);
    CPen* GetCurrentPen() const { return pen_; }
    CBrush* GetCurrentBrush() const { return brush_; }
    CFont* GetCurrentFont() const { return font_; }

    int SetROP2(int mode);
    int GetROP2() const { return rop_; }
    int SetBkMode(int mode);
    int GetBkMode() const { return bkMode_; }
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const { return bkColor_; }
    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const { return textColor_; }

    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT p) { return MoveTo(p.x, p.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT p) { return LineTo(p.x, p.y); }
    CPoint GetCurrentPosition() const { return position_; }
    // Lines through the points; the last point is left out as for LineTo.
    BOOL Polyline(const POINT* points, int count);
    // The closed figure, filled with the brush (alternate rule) and outlined with the pen.
    BOOL Polygon(const POINT* points, int count);
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(LPCRECT r) { return Rectangle(r->left, r->top, r->right, r->bottom); }
    BOOL Ellipse(int left, int top, int right, int bottom);
    BOOL Ellipse(LPCRECT r) { return Ellipse(r->left, r->top, r->right, r->bottom); }

    // These fill with the colour itself, whatever the raster operation.
    void FillRect(LPCRECT rect, CBrush* brush);
    void FrameRect(LPCRECT rect, CBrush* brush);
    // Also makes the colour the background colour, as the handheld's class library does.
    void FillSolidRect(LPCRECT rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    // Top and left edges in the first colour, right and bottom edges in the second.
    void Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
    // A dotted frame drawn by inverting; drawing it again removes it.
    void DrawFocusRect(LPCRECT rect);

    // Text in the selected font and text colour; its cell is filled with the background colour
    // when the background mode is OPAQUE. Ink and background go through the raster operation.
    // A count of -1 takes the text up to its terminating zero.
    BOOL GetTextMetrics(TEXTMETRIC* metrics) const;
    CSize GetTextExtent(const wchar_t* text, int count) const;
    CSize GetTextExtent(const CString& text) const { return GetTextExtent(text.c_str(), text.GetLength()); }
    CSize GetOutputTextExtent(const CString& text) const { return GetTextExtent(text); }
    // (x, y) is the top-left corner of the text's cell.
    BOOL TextOut(int x, int y, const wchar_t* text, int count);
    BOOL TextOut(int x, int y, const CString& text) { return TextOut(x, y, text.c_str(), text.GetLength()); }
    // ETO_OPAQUE fills the rectangle with the background colour first; ETO_CLIPPED keeps the text
    // inside it. `dx` gives the advance after each character, or null.
    BOOL ExtTextOut(int x, int y, UINT options, LPCRECT rect, const wchar_t* text, UINT count,
                    const int* dx = nullptr);
    BOOL ExtTextOut(int x, int y, UINT options, LPCRECT rect, const CString& text, const int* dx = nullptr) {
        return ExtTextOut(x, y, options, rect, text.c_str(), static_cast<UINT>(text.GetLength()), dx);
    }
    // Returns the height of the text; with DT_VCENTER or DT_BOTTOM, from the rectangle's top to the
    // text's bottom. DT_CALCRECT only measures, moving the rectangle's right and bottom edges.
    int DrawText(const wchar_t* text, int count, LPRECT rect, UINT format);
    int DrawText(const CString& text, LPRECT rect, UINT format) {
        return DrawText(text.c_str(), text.GetLength(), rect, format);
    }

    // Both answer CLR_INVALID outside the clip.
    COLORREF SetPixel(int x, int y, COLORREF color);
    COLORREF SetPixel(POINT p, COLORREF color) { return SetPixel(p.x, p.y, color); }
    COLORREF GetPixel(int x, int y) const;
    COLORREF GetPixel(POINT p) const { return GetPixel(p.x, p.y); }

private:
    CPoint origin() const { return area_.TopLeft(); }
    // Fills a framebuffer-coordinate rectangle (already clipped) with one colour.
    void FillDevice(const CRect& device, COLORREF color);
    void AddLine(FigureMask& mask, CPoint from, CPoint to, bool includeEnd);
    // A figure of level and plumb sides in a thin solid copied pen, written straight to the
    // framebuffer as spans; false (nothing drawn) for any other.
    bool PolylineAsSpans(const POINT* points, int count);
    void AddPenPixel(FigureMask& mask, int x, int y);
    std::pair<int, int> RowWindow(const CRect& box) const;
    void AddBoxFigure(FigureMask& mask, int top, const int* spanLeft, const int* spanRight, int rows,
                      bool withPen);
    void Paint(const FigureMask& mask);
    void Paint(const FigureMask& mask, COLORREF pen, COLORREF gap, COLORREF brush);
    FontInstance& Font() const;
    // One line of text at a cell's top-left corner (this context's coordinates), optionally with an
    // opaque rectangle, a clip rectangle and one underlined character (-1 for none).
    void DrawTextRun(int x, int y, const wchar_t* text, int count, const int* dx, const CRect* opaque,
                     const CRect* clipTo, int underlined);
    CRect PenBounds(CRect box) const;
    bool HasPen() const { return penStyle_ != PS_NULL; }
    bool HasBrush() const { return !brushHollow_; }

    Framebuffer* fb_ = nullptr;
    CRect area_;
    CRect clip_;

    CPen* pen_ = static_cast<CPen*>(GetStockObject(BLACK_PEN));
    CBrush* brush_ = static_cast<CBrush*>(GetStockObject(WHITE_BRUSH));
    CFont* font_ = static_cast<CFont*>(GetStockObject(SYSTEM_FONT));
    LOGFONT fontSpec_ = font_->GetLogFontRef();
    mutable std::shared_ptr<FontInstance> realizedFont_;
    int penStyle_ = PS_SOLID;
    int penWidth_ = 1;
    COLORREF penColor_ = RGB(0, 0, 0);
    bool brushHollow_ = false;
    COLORREF brushColor_ = RGB(255, 255, 255);

    int rop_ = R2_COPYPEN;
    int bkMode_ = OPAQUE;
    COLORREF bkColor_ = RGB(255, 255, 255);
    COLORREF textColor_ = RGB(0, 0, 0);
    CPoint position_;
    // Pixels of the dash pattern already used since the last MoveTo.
    int dashPhase_ = 0;
};
