#include "stakeout/StakeView.h"

#include <algorithm>
#include <cmath>

#include "stakeout/StakeGeometry.h"

namespace {
constexpr double kFinestScale = 0.01;  // metres per pixel
constexpr double kCoarsestScale = 50000.0;
constexpr int kFitMargin = 12;  // pixels

bool OnPlot(const PixelRect& r, PixelPoint p) {
    return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

// P in the middle at three times the scale that shows P and Q edge to edge.
bool CentreWithRoom(PlotViewport& view, double pn, double pe, double qn, double qe) {
    const PixelRect& r = view.ClientRect();
    const int height = r.bottom - r.top, width = r.right - r.left;
    if (height <= kFitMargin || width <= kFitMargin) return false;
    const double mN = std::fabs(qn - pn) / (height - kFitMargin);
    const double mE = std::fabs(qe - pe) / (width - kFitMargin);
    const double mpp = std::max(3.0 * std::max(mN, mE), kFinestScale);
    view.SetView(pn - height * mpp / 2, pe - width * mpp / 2, mpp);
    return true;
}

// Both apart on the ground but drawn on top of each other, or one off the plot, or a scale beyond use.
bool NeedsRoom(const PlotViewport& view, double pn, double pe, double qn, double qe) {
    const PixelPoint p = view.WorldToScreen(pn, pe);
    const PixelPoint q = view.WorldToScreen(qn, qe);
    const double ground = PlanDistance(pn, pe, 0, qn, qe, 0);
    const double pixels = std::hypot(double(p.x - q.x), double(p.y - q.y));
    return !OnPlot(view.ClientRect(), p) || !OnPlot(view.ClientRect(), q) ||
           view.MetresPerPixel() > kCoarsestScale || (ground > 0.2 && pixels < 20.0);
}

}  // namespace

bool FitViewToBox(PlotViewport& view, double minN, double maxN, double minE, double maxE) {
    const PixelRect& r = view.ClientRect();
    const int height = r.bottom - r.top, width = r.right - r.left;
    if (height <= kFitMargin || width <= kFitMargin) return false;
    double mpp = std::max((maxN - minN) / height, (maxE - minE) / width);
    if (!(mpp > kFinestScale)) mpp = kFinestScale;
    view.SetView((minN + maxN) / 2 - height * mpp / 2, (minE + maxE) / 2 - width * mpp / 2, mpp);
    return true;
}

bool KeepTargetInView(PlotViewport& view, double pn, double pe, const PointRecord* target) {
    if (!target) return view.KeepInView(pn, pe);
    if (!NeedsRoom(view, pn, pe, target->x, target->y)) return false;
    return CentreWithRoom(view, pn, pe, target->x, target->y);
}

bool KeepLineInView(PlotViewport& view, double pn, double pe, const LineSegRec* line, const LineGuidance& g) {
    if (!line) return view.KeepInView(pn, pe);
    if (!g.computed || !g.footInside) {
        const PixelRect& r = view.ClientRect();
        const PointRecord& a = line->start;
        const PointRecord& b = line->end;
        if (OnPlot(r, view.WorldToScreen(pn, pe)) && OnPlot(r, view.WorldToScreen(a.x, a.y)) &&
            OnPlot(r, view.WorldToScreen(b.x, b.y)))
            return false;
        return FitViewToBox(view, std::min({pn, a.x, b.x}), std::max({pn, a.x, b.x}),
                            std::min({pe, a.y, b.y}), std::max({pe, a.y, b.y}));
    }
    if (!NeedsRoom(view, pn, pe, g.footX, g.footY)) return false;
    return CentreWithRoom(view, pn, pe, g.footX, g.footY);
}
