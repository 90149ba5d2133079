#include "receiver/SkyPlot.h"

#include <cmath>

namespace {
constexpr double kRadiansPerDegree = 0.01745329251994278;
constexpr double kNotAboveZero = 1e-10;
}  // namespace

SkyRect ElevationCircle(const SkyPlotBox& box, double elevationDeg) {
    const int inset =
        static_cast<int>((1.0 - std::cos(elevationDeg * kRadiansPerDegree)) * box.Radius() + box.margin);
    return {box.left + inset, box.top + inset, box.right - inset, box.bottom - inset};
}

std::vector<PlotCircle> ElevationCircles(double maskDeg) {
    std::vector<PlotCircle> circles;
    if (maskDeg > 45.0) {
        circles.push_back({45.0, false});
        if (maskDeg <= 90.0) circles.push_back({maskDeg, true});
    } else {
        if (maskDeg > 0.0) circles.push_back({maskDeg, true});
        circles.push_back({45.0, false});
    }
    return circles;
}

SkyPoint SatellitePoint(const SkyPlotBox& box, double elevationDeg, double azimuthDeg) {
    const double e = elevationDeg * kRadiansPerDegree;
    const double a = azimuthDeg * kRadiansPerDegree;
    const int r = box.Radius();
    int px = static_cast<int>(r * std::sin(a) * std::cos(e));
    int py = static_cast<int>(-r * std::cos(a) * std::cos(e));
    px += px > kNotAboveZero ? -box.margin : box.margin;
    py += py > kNotAboveZero ? -box.margin : box.margin;
    if (std::sqrt(static_cast<double>(px) * px + static_cast<double>(py) * py) > r) return {false, 0, 0};
    return {true, box.left + px + r, box.top + py + r};
}
