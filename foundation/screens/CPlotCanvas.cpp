#include "foundation/screens/CPlotCanvas.h"

#include <algorithm>
#include <cmath>

#include "foundation/screens/DrawingRoutines.h"
#include "foundation/screens/PointLabels.h"
#include "platform/text/Format.h"

namespace {

constexpr COLORREF kNorthArrowColor = RGB(0, 128, 128);
constexpr int32_t kLabelGap = 5;
constexpr int32_t kLabelWidest = 40;

// Where the furniture is drawn, from the plot's corners.
PixelRect LinkAndSignalBox(const PixelRect& c) {  // the link tag, then the signal glyph
    return {c.left + 1, c.top + 1, c.left + 57, c.top + 15};
}
PixelRect NorthArrowBox(const PixelRect& c) {  // the arrow and "北" under it
    return {c.right - 15, c.top + 2, c.right, c.top + 36};
}
PixelRect ScaleBarBox(const PixelRect& c) {  // the label over the bar
    return {c.right - 50, c.bottom - 19, c.right - 2, c.bottom - 1};
}
PixelRect ClockBox(const PixelRect& c) {
    return {c.left + 1, c.bottom - 12, c.left + 56, c.bottom};
}

CPoint ToPoint(PixelPoint p) {
    return CPoint(p.x, p.y);
}

// Restores the raster operation and pen of a context when drawing inverted ends.
class InvertedDrawing {
public:
    InvertedDrawing(CDC& dc, CPen* pen)
        : dc_(dc), rop_(dc.SetROP2(R2_NOT)), pen_(pen ? dc.SelectObject(pen) : nullptr) {}
    ~InvertedDrawing() {
        if (pen_) dc_.SelectObject(pen_);
        dc_.SetROP2(rop_);
    }
    InvertedDrawing(const InvertedDrawing&) = delete;
    InvertedDrawing& operator=(const InvertedDrawing&) = delete;

private:
    CDC& dc_;
    int rop_;
    CPen* pen_;
};

// The selection square and the rubber band, drawn and erased alike.
void DrawBox(CDC& dc, const PixelRect& box) {
    // start -> (start.x, corner.y) -> corner -> (corner.x, start.y) -> start
    dc.MoveTo(box.left, box.top);
    dc.LineTo(box.left, box.bottom);
    dc.LineTo(box.right, box.bottom);
    dc.LineTo(box.right, box.top);
    dc.LineTo(box.left, box.top);
}

// The position marker of an outline: a circle for one point, a dot and an arrowhead for four.
void DrawMarker(CDC& dc, const MarkerOutline& outline) {
    if (outline.size() == 1) {
        ::DrawCircle(dc, outline[0].x, outline[0].y, 8);
        ::DrawCircle(dc, outline[0].x, outline[0].y, 2);
    } else if (outline.size() == 4) {
        const PixelPoint p = outline[0];
        dc.Ellipse(p.x - 2, p.y - 2, p.x + 2, p.y + 2);
        const POINT triangle[4] = {ToPoint(outline[1]), ToPoint(outline[2]), ToPoint(outline[3]),
                                   ToPoint(outline[1])};
        dc.Polyline(triangle, 4);
    }
}

}  // namespace

bool CPlotCanvas::OnMouseDown(CPoint point, CDC& dc, bool& picked, PointRecord& pickedPoint) {
    const PickResult r = MouseDown({point.x, point.y});
    picked = r.picked;
    if (r.picked) pickedPoint = r.point;
    if (r.eraseSquare || r.drawSquare) {
        CPen pen(PS_SOLID, 2, RGB(0, 0, 0));
        InvertedDrawing inverted(dc, &pen);
        if (r.eraseSquare) DrawBox(dc, *r.eraseSquare);
        if (r.drawSquare) DrawBox(dc, *r.drawSquare);
    }
    return false;
}

bool CPlotCanvas::OnMouseMove(CPoint point, CDC& dc) {
    RubberBand band;
    const bool repaint = MouseMove({point.x, point.y}, band);
    if (band.erase || band.draw) {
        CPen pen(PS_DASH, 0, RGB(0, 0, 0));
        InvertedDrawing inverted(dc, &pen);
        if (band.erase) DrawBox(dc, *band.erase);
        if (band.draw) DrawBox(dc, *band.draw);
    }
    return repaint;
}

bool CPlotCanvas::OnMouseUp(CPoint point) {
    return MouseUp({point.x, point.y});
}

void CPlotCanvas::DrawPosition(CDC& dc, double n, double e, double h) {
    const MarkerStep step = NextMarker(n, e, h);
    if (!step.draw) return;
    InvertedDrawing inverted(dc, nullptr);
    DrawMarker(dc, step.erase);
    DrawMarker(dc, step.outline);
}

void CPlotCanvas::RedrawPosition(CDC& dc) {
    const std::optional<MarkerStep> step = RestartMarker();
    if (!step) return;
    InvertedDrawing inverted(dc, nullptr);
    DrawMarker(dc, step->outline);
}

void CPlotCanvas::DrawMarkerOver(CDC& dc, PixelPoint offset) const {
    MarkerOutline outline = CurrentMarker();
    if (outline.empty()) return;
    for (PixelPoint& p : outline) p = {p.x + offset.x, p.y + offset.y};
    InvertedDrawing inverted(dc, nullptr);
    DrawMarker(dc, outline);
}

void CPlotCanvas::ClearBackground(CDC& dc) {
    CPen* oldPen = static_cast<CPen*>(dc.SelectStockObject(NULL_PEN));
    const PixelRect& r = ClientRect();
    // Without an outline a rectangle leaves out one more pixel on the right and bottom.
    dc.Rectangle(r.left, r.top, r.right + 1, r.bottom + 1);
    dc.SelectObject(oldPen);
}

void CPlotCanvas::DrawPoints(CDC& dc) {
    RebuildDisplayPoints();
    if (VisiblePoints().empty()) return;
    CFont font;
    font.CreatePointFont(80, L"宋体", &dc);
    CFont* oldFont = dc.SelectObject(&font);
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    for (const VisiblePoint& v : VisiblePoints()) {
        dc.Ellipse(v.x - 2, v.y - 2, v.x + 2, v.y + 2);
        DrawPlotLabel(dc, v.name, {v.x, v.y}, kLabelGap, kLabelWidest, labels_);
    }
    dc.SetBkMode(oldMode);
    dc.SelectObject(oldFont);
}

void CPlotCanvas::DrawScaleBar(CDC& dc) {
    const int32_t right = ClientRect().right, y = ClientRect().bottom - 7;
    dc.Rectangle(right - 50, y, right - 2, y + 6);
    CBrush black(RGB(0, 0, 0));
    CRect half(right - 50, y, right - 26, y + 6);
    dc.FillRect(&half, &black);
    // Centred over the bar; a label wider than the bar (a far target's scale) grows to the left, so
    // that its first digits show, and keeps names off it.
    const CString text = ScaleBarLabel(24.0 * MetresPerPixel());
    const int32_t left = std::max(
        ClientRect().left, std::min(right - 50, right - 2 - static_cast<int32_t>(dc.GetTextExtent(text).cx)));
    CRect label(left, y - 12, right - 2, y - 2);
    dc.DrawText(text, &label, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    labels_.Reserve({label.left, label.top, label.right, label.bottom});
}

void CPlotCanvas::DrawNorthArrow(CDC& dc) {
    const int32_t r = ClientRect().right, t = ClientRect().top;
    CFont font;
    CreateFontObject(font, 14, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    CFont* oldFont = dc.SelectObject(&font);
    CBrush fill(kNorthArrowColor);
    CBrush* oldBrush = dc.SelectObject(&fill);
    const POINT rightHalf[3] = {{r - 9, t + 2}, {r - 3, t + 20}, {r - 9, t + 14}};
    dc.Polygon(rightHalf, 3);
    const wchar_t north[] = L"北";
    dc.ExtTextOut(r - 15, t + 20, ETO_OPAQUE, nullptr, north, 1, nullptr);
    dc.SelectObject(oldBrush);
    const POINT leftHalf[3] = {{r - 9, t + 2}, {r - 9, t + 14}, {r - 15, t + 20}};
    dc.Polygon(leftHalf, 3);
    dc.SelectObject(oldFont);
}

void CPlotCanvas::DrawClock(CDC& dc, int hour, int minute, int second) {
    const PixelRect box = ClockBox(ClientRect());
    CRect rect(box.left, box.top, box.right, box.bottom);
    dc.DrawText(Format(L"%02d:%02d:%02d", hour, minute, second), &rect, DT_SINGLELINE | DT_VCENTER);
}

void CPlotCanvas::DrawSignalGlyph(CDC& dc, int32_t differentialAge) {
    const int32_t bars = NextSignalBars(differentialAge);
    const int32_t l = ClientRect().left, t = ClientRect().top;
    CPen* oldPen = static_cast<CPen*>(dc.SelectStockObject(NULL_PEN));
    dc.Rectangle(l + 8, t + 1, l + 56 + 1, t + 14 + 1);
    dc.SelectObject(oldPen);
    dc.MoveTo(l + 12, t + 14);
    dc.LineTo(l + 12, t + 1);
    dc.MoveTo(l + 8, t + 1);
    dc.LineTo(l + 16, t + 1);
    dc.MoveTo(l + 8, t + 1);
    dc.LineTo(l + 12, t + 7);
    dc.MoveTo(l + 16, t + 1);
    dc.LineTo(l + 12, t + 7);
    for (int32_t i = 1; i <= bars; ++i)
        dc.Rectangle(l + 12 + 4 * i, static_cast<int32_t>(t + 14 - 1.3 * i), l + 14 + 4 * i, t + 14);
}

void CPlotCanvas::DrawLinkTag(CDC& dc, int32_t kind, int32_t number, int32_t shown) {
    const std::optional<CString> tag = LinkTagText(kind, number, shown);
    if (!tag) return;
    const PixelRect& c = ClientRect();
    CRect rect(c.left + 1, c.top + 2, c.left + 9, c.top + 14);
    dc.DrawText(*tag, &rect, DT_SINGLELINE | DT_VCENTER);
}

void CPlotCanvas::StartLabels() {
    const PixelRect& c = ClientRect();
    labels_.Reset(c);
    for (const PixelRect& box : {LinkAndSignalBox(c), NorthArrowBox(c), ScaleBarBox(c), ClockBox(c)})
        labels_.Reserve(box);
}
