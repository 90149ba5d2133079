#include "foundation/screens/DrawingRoutines.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "foundation/PixelGeometry.h"

namespace {

constexpr double kPi = 3.1415926535897;
// 2 * pi * 57 < 360: every circle up to this radius keeps one segment per pixel.
constexpr int kMaxCircleSegments = 360;
constexpr int64_t kDashStep = 3;

}  // namespace

int CircleSegmentCount(int32_t r) {
    if (r <= 0) return 0;
    return static_cast<int>(std::min<double>(std::trunc(2.0 * r * kPi), kMaxCircleSegments));
}

void DrawDashedLine(CDC& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const int64_t dx = int64_t{x2} - x1, dy = int64_t{y2} - y1;
    const int64_t length = std::max(dx < 0 ? -dx : dx, dy < 0 ? -dy : dy);
    const auto at = [&](int64_t step, int64_t delta, int32_t from) {
        return static_cast<int>(from + delta * step / length);
    };
    for (int64_t on = 0; on < length; on += 2 * kDashStep) {
        const int64_t off = std::min(on + kDashStep, length);
        dc.MoveTo(at(on, dx, x1), at(on, dy, y1));
        dc.LineTo(at(off, dx, x1), at(off, dy, y1));
    }
}

void DrawCircle(CDC& dc, int32_t cx, int32_t cy, int32_t r) {
    const int n = CircleSegmentCount(r);
    if (n < 1) return;
    CRect clip;
    dc.GetClipBox(&clip);
    const int64_t x = cx, y = cy, rr = r;
    if (x + rr < clip.left || x - rr >= clip.right || y + rr < clip.top || y - rr >= clip.bottom) return;
    const auto vertex = [&](int i) {
        const double a = 2.0 * kPi * i / n;
        return CPoint(ClampPixel(cx + std::trunc(r * std::cos(a))),
                      ClampPixel(cy - std::trunc(r * std::sin(a))));
    };
    // Segments are cut to the clip (with a margin for wide pens) so that a huge circle costs no
    // more than a small one. Uncut segments in a row are one figure, so that a dashed pen's
    // pattern runs on around the circle instead of restarting at every one-pixel segment.
    const int32_t margin = 8;
    std::vector<POINT> run;
    const auto flush = [&] {
        if (run.size() >= 2) dc.Polyline(run.data(), static_cast<int>(run.size()));
        run.clear();
    };
    const CPoint first = vertex(0);
    CPoint from = first;
    for (int i = 1; i <= n; ++i) {
        const CPoint to = i < n ? vertex(i) : first;
        PixelPoint a, b;
        if (!ClipSegmentToRect(from.x, from.y, to.x, to.y, clip.left - margin, clip.top - margin,
                               clip.right + margin, clip.bottom + margin, a, b)) {
            flush();
        } else if (a.x == from.x && a.y == from.y && b.x == to.x && b.y == to.y) {
            if (run.empty()) run.push_back(from);
            run.push_back(to);
        } else {
            flush();
            run = {POINT{a.x, a.y}, POINT{b.x, b.y}};
            flush();
        }
        from = to;
    }
    flush();
}

void CreateFontObject(CFont& font, int height, int width, int escapement, int orientation, int weight,
                      BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                      BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, const wchar_t* faceName) {
    // CFont::CreateFont keeps the face name within its buffer, terminator included.
    font.DeleteObject();
    font.CreateFont(height, width, escapement, orientation, weight, italic, underline, strikeOut, charSet,
                    outPrecision, clipPrecision, quality, pitchAndFamily, faceName);
}
