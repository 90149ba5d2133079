#include "stakeout/PromptMarks.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kMarkEpsilon = 0.0001;
// The normals of the band directions, as the handheld computed them.
constexpr double kQuarterTurn = 1.57079632679485;

double FarthestCornerPixels(const PlotViewport& view, PixelPoint centre) {
    const PixelRect& r = view.ClientRect();
    double farthest = 0.0;
    for (const PixelPoint c : {PixelPoint{r.left, r.top}, PixelPoint{r.right, r.top},
                               PixelPoint{r.left, r.bottom}, PixelPoint{r.right, r.bottom}})
        farthest = std::max(farthest, std::hypot(double(c.x) - centre.x, double(c.y) - centre.y));
    return farthest;
}

// Pixels from the line through A and B to the plot's farthest corner.
double FarthestCornerFromLine(const PlotViewport& view, double ax, double ay, double bx, double by) {
    const PixelRect& r = view.ClientRect();
    const double ab = std::hypot(bx - ax, by - ay);
    double farthest = 0.0;
    for (const PixelPoint c : {PixelPoint{r.left, r.top}, PixelPoint{r.right, r.top},
                               PixelPoint{r.left, r.bottom}, PixelPoint{r.right, r.bottom}}) {
        const WorldPoint w = view.ScreenToWorld(c.x, c.y);
        farthest = std::max(farthest, std::fabs((bx - ax) * (w.e - ay) - (by - ay) * (w.n - ax)) / ab);
    }
    return farthest / view.MetresPerPixel() + 2.0;
}

}  // namespace

std::vector<int32_t> RingRadii(double min, double max, const PlotViewport& view, PixelPoint centre) {
    std::vector<int32_t> radii;
    const double mpp = view.MetresPerPixel();
    if (min >= max || max < kMarkEpsilon || min < kMarkEpsilon || !(mpp > 0.0)) return radii;
    const double reach = FarthestCornerPixels(view, centre);
    const double n = std::trunc(max / min);
    auto take = [&](double r) {
        if (r >= 1.0 && r <= reach && (radii.empty() || r > radii.back()))
            radii.push_back(static_cast<int32_t>(r));
    };
    for (double i = 1.0; i <= n;) {
        const double r = std::trunc(i / mpp * min);
        if (r > reach) break;
        take(r);
        // Every ring up to the first that grows past r has radius r: skip them.
        i = std::max(i + 1.0, std::floor((r + 1.0) * mpp / min) - 2.0);
    }
    if (std::fabs(max - n * min) > kMarkEpsilon) take(std::trunc((n + 1.0) / mpp * min));
    return radii;
}

std::vector<PixelSegment> BandSegments(double ax, double ay, double bx, double by, double min, double max,
                                       const PlotViewport& view) {
    std::vector<PixelSegment> bands;
    const double mpp = view.MetresPerPixel();
    if (!(max >= min) || max < 0.0 || !(min > kMarkEpsilon) || !(mpp > 0.0)) return bands;
    if (std::hypot(bx - ax, by - ay) == 0.0) return bands;
    const double reach = FarthestCornerFromLine(view, ax, ay, bx, by);
    const double theta = std::atan2(by - ay, bx - ax);
    const double n = std::trunc(max / min);
    PixelSegment last[2];
    auto pair = [&](double d) {
        int side = 0;
        for (const double phi : {theta - kQuarterTurn, theta + kQuarterTurn}) {
            const double dx = d * std::cos(phi), dy = d * std::sin(phi);
            const PixelSegment s{view.WorldToScreen(ax + dx, ay + dy), view.WorldToScreen(bx + dx, by + dy)};
            if (bands.size() < 2 || !(s == last[side])) bands.push_back(s);
            last[side++] = s;
        }
    };
    // Bands closer than half a pixel to each other share their pixels.
    const double step = std::max(1.0, std::floor(0.5 * mpp / min));
    for (double i = 1.0; i <= n && i * min / mpp <= reach; i += step) pair(i * min);
    if (std::fabs(max - n * min) > kMarkEpsilon && max / mpp <= reach) pair(max);
    return bands;
}
