#include "foundation/screens/PointLabels.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/TextTypes.h"

namespace {

void DrawMarker(CDC& dc, const MapMarker& m) {
    // The square as one closed figure: the pixels its four sides would draw, in one pass.
    const POINT square[] = {
        {m.x - 2, m.y - 2}, {m.x + 2, m.y - 2}, {m.x + 2, m.y + 2}, {m.x - 2, m.y + 2}, {m.x - 2, m.y - 2}};
    dc.Polyline(square, 5);
    CRect text(m.x + 5, m.y - 5, m.x + 40, m.y + 5);
    dc.DrawText(m.name, &text, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
}

}  // namespace

void DrawPointLabel(CDC& dc, const MapMarker& marker) {
    DrawPointLabels(dc, {marker});
}

void DrawPointLabels(CDC& dc, const std::vector<MapMarker>& markers) {
    CFont font;
    font.CreatePointFont(80, L"宋体", &dc);
    CFont* old = dc.SelectObject(&font);
    for (const MapMarker& marker : markers) DrawMarker(dc, marker);
    dc.SelectObject(old);
}
