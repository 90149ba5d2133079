#pragma once
// The parts of the transverse Mercator series that depend only on the ellipsoid, the base latitude,
// the projection height and scale, worked out once when those change instead of at every point.

struct GaussConstants {
    double e2 = 0.0;
    double k0 = 0.0;  // meridian arc: k0 * phi - k2/2 sin 2phi + k4/4 sin 4phi - ...
    double halfK2 = 0.0;
    double quarterK4 = 0.0;
    double sixthK6 = 0.0;
    double eighthK8 = 0.0;
    double c4 = 0.0;  // footpoint latitude from the rectifying latitude
    double c6 = 0.0;
    double c8 = 0.0;
    double baseArc = 0.0;        // meridian arc at the base latitude
    bool enlarged = false;       // a projection height raises the semi-major axis
    double heightFactor = 0.0;   // projection height / sqrt(1 - e^2)
    double plainArcScale = 0.0;  // semi-major * (1 - e^2), used without a projection height
    double inverseOneMinusE2 = 0.0;
    double inverseFootpointScale = 0.0;  // 1 / (semi-major * (1 - e^2) * k0)
    double inverseScale = 0.0;           // 1 / the projection's scale factor
};
