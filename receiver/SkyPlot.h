#pragma once
// Geometry of the receiver information dialog's sky plot: a horizon circle of radius R in a fixed box,
// elevation circles inset by the cosine of their elevation, satellites placed by elevation and
// azimuth and pulled towards the centre by the margin.
#include <vector>

struct SkyPlotBox {
    int left = 23;
    int top = 18;
    int right = 203;
    int bottom = 198;
    int margin = 6;

    int Radius() const { return (right - left) / 2; }
};

struct SkyRect {
    int left, top, right, bottom;
    bool operator==(const SkyRect&) const = default;
};

// The ellipse of the circle of that elevation: the box inset by int((1 - cos e) * R + margin).
SkyRect ElevationCircle(const SkyPlotBox& box, double elevationDeg);

// The elevation circles in drawing order: the 45 degree circle and, where the mask calls for one, the
// elevation-mask circle (drawn dashed in red).
struct PlotCircle {
    double elevationDeg;
    bool mask;
    bool operator==(const PlotCircle&) const = default;
};
std::vector<PlotCircle> ElevationCircles(double maskDeg);

// Where a satellite's disc is centred; not shown when it falls outside the horizon. Each offset from
// the centre moves towards it by the margin (an offset that is not above zero moves by +margin).
struct SkyPoint {
    bool shown;
    int x, y;
    bool operator==(const SkyPoint&) const = default;
};
SkyPoint SatellitePoint(const SkyPlotBox& box, double elevationDeg, double azimuthDeg);
