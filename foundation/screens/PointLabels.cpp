#include "foundation/screens/PointLabels.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/TextTypes.h"

namespace {

constexpr int32_t kGap = 5;
constexpr int32_t kWidest = 35;

void DrawMarker(CDC& dc, const MapMarker& m, LabelLayout& labels) {
    // The square as one closed figure: the pixels its four sides would draw, in one pass.
    const POINT square[] = {
        {m.x - 2, m.y - 2}, {m.x + 2, m.y - 2}, {m.x + 2, m.y + 2}, {m.x - 2, m.y + 2}, {m.x - 2, m.y - 2}};
    dc.Polyline(square, 5);
    DrawPlotLabel(dc, m.name, {m.x, m.y}, kGap, kWidest, labels);
}

}  // namespace

void DrawPlotLabel(CDC& dc, const CString& name, PixelPoint at, int32_t gap, int32_t widest,
                   LabelLayout& labels) {
    const std::optional<PixelRect> box = labels.Place(at, gap, dc.GetTextExtent(name).cx, widest);
    if (!box) return;
    CRect text(box->left, box->top, box->right, box->bottom);
    dc.DrawText(name, &text, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
}

void DrawPointLabel(CDC& dc, const MapMarker& marker, LabelLayout& labels) {
    DrawPointLabels(dc, {marker}, labels);
}

void DrawPointLabels(CDC& dc, const std::vector<MapMarker>& markers, LabelLayout& labels) {
    CFont font;
    font.CreatePointFont(80, L"宋体", &dc);
    CFont* old = dc.SelectObject(&font);
    for (const MapMarker& marker : markers) DrawMarker(dc, marker, labels);
    dc.SelectObject(old);
}
