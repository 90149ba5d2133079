#include "foundation/screens/PointLabels.h"

#include <algorithm>

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/TextTypes.h"

namespace {

constexpr int32_t kGap = 5;
constexpr int32_t kWidest = 35;

void DrawMarker(CDC& dc, const MapMarker& m, LabelLayout& labels) {
    DrawMarkerSquare(dc, {m.x, m.y});
    if (const std::optional<PixelRect> box = PlaceMarkerName(m, MarkerNameWidth(dc, m.name), labels))
        DrawLabelText(dc, m.name, *box);
}

}  // namespace

PointLabelFont::PointLabelFont(CDC& dc) : dc_(dc) {
    font_.CreatePointFont(80, L"宋体", &dc);
    old_ = dc.SelectObject(&font_);
}

PointLabelFont::~PointLabelFont() {
    dc_.SelectObject(old_);
}

void DrawMarkerSquare(CDC& dc, PixelPoint m) {
    // The square as one closed figure: the pixels its four sides would draw, in one pass.
    const POINT square[] = {
        {m.x - 2, m.y - 2}, {m.x + 2, m.y - 2}, {m.x + 2, m.y + 2}, {m.x - 2, m.y + 2}, {m.x - 2, m.y - 2}};
    dc.Polyline(square, 5);
}

std::optional<PixelRect> PlaceMarkerName(const MapMarker& marker, int32_t width, LabelLayout& labels) {
    return labels.Place({marker.x, marker.y}, kGap, width, kWidest);
}

bool MarkerNameHasRoom(const MapMarker& marker, const LabelLayout& labels, int32_t width) {
    return labels.HasRoom({marker.x, marker.y}, kGap, width);
}

int32_t MarkerNameWidth(CDC& dc, const CString& name) {
    return std::clamp(static_cast<int32_t>(dc.GetTextExtent(name).cx), 0, kWidest);
}

void DrawLabelText(CDC& dc, const CString& name, const PixelRect& box) {
    CRect text(box.left, box.top, box.right, box.bottom);
    dc.DrawText(name, &text, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
}

void DrawPlotLabel(CDC& dc, const CString& name, PixelPoint at, int32_t gap, int32_t widest,
                   LabelLayout& labels) {
    if (const std::optional<PixelRect> box = labels.Place(at, gap, dc.GetTextExtent(name).cx, widest))
        DrawLabelText(dc, name, *box);
}

void DrawPointLabel(CDC& dc, const MapMarker& marker, LabelLayout& labels) {
    DrawPointLabels(dc, {marker}, labels);
}

void DrawPointLabels(CDC& dc, const std::vector<MapMarker>& markers, LabelLayout& labels) {
    const PointLabelFont font(dc);
    for (const MapMarker& marker : markers) DrawMarker(dc, marker, labels);
}
