// A typical full repaint of the 240 x 320 map: clear, 200 stored points with their names, the
// scale bar and the inverted position marker.
#include <benchmark/benchmark.h>

#include <vector>

#include "platform/gdi/CDC.h"

namespace {

struct MapPoint {
    CPoint at;
    CString name;
};

std::vector<MapPoint> Points() {
    std::vector<MapPoint> points;
    uint32_t seed = 7;
    for (int i = 0; i < 200; ++i) {
        seed = seed * 1103515245u + 12345u;
        const int x = static_cast<int>((seed >> 8) % 220) + 5;
        seed = seed * 1103515245u + 12345u;
        const int y = static_cast<int>((seed >> 8) % 300) + 10;
        CString name;
        name.Format(i % 3 == 0 ? L"控制点%d" : L"P%d", i + 1);
        points.push_back({CPoint(x, y), name});
    }
    return points;
}

void RepaintMap(CDC& dc, CFont& labelFont, const std::vector<MapPoint>& points) {
    dc.FillSolidRect(0, 0, 240, 320, RGB(255, 255, 255));
    CFont* oldFont = dc.SelectObject(&labelFont);
    CGdiObject* oldBrush = dc.SelectStockObject(NULL_BRUSH);
    dc.SetBkMode(TRANSPARENT);
    for (const MapPoint& p : points) {
        dc.Rectangle(p.at.x - 2, p.at.y - 2, p.at.x + 2, p.at.y + 2);
        CRect label(p.at.x + 5, p.at.y - 5, p.at.x + 40, p.at.y + 5);
        dc.DrawText(p.name, label, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }
    dc.MoveTo(10, 300);
    dc.LineTo(70, 300);
    dc.MoveTo(10, 296);
    dc.LineTo(10, 301);
    dc.MoveTo(70, 296);
    dc.LineTo(70, 301);
    dc.TextOut(74, 294, L"20m", -1);

    CPen markerPen(PS_SOLID, 2, RGB(0, 0, 0));
    CPen* oldPen = dc.SelectObject(&markerPen);
    dc.SetROP2(R2_NOT);
    dc.Ellipse(112, 152, 129, 169);
    dc.MoveTo(108, 160);
    dc.LineTo(133, 160);
    dc.MoveTo(120, 148);
    dc.LineTo(120, 173);
    dc.SetROP2(R2_COPYPEN);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldFont);
}

void BM_MapRepaint(benchmark::State& state) {
    Framebuffer fb(240, 320);
    CDC dc(fb);
    CFont labelFont;
    labelFont.CreatePointFont(80, L"宋体");
    const std::vector<MapPoint> points = Points();
    for (auto _ : state) {
        RepaintMap(dc, labelFont, points);
        benchmark::DoNotOptimize(fb.row(0));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MapRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
