#include "stakeout/StakeGeometry.h"
#include "geodesy/GeodesyConstants.h"

#include <cmath>

namespace {
constexpr double kSameCoordinate = 0.000001;
}  // namespace

double PlanDistance(double x1, double y1, double /*h1*/, double x2, double y2, double /*h2*/) {
    return std::sqrt((y2 - y1) * (y2 - y1) + (x2 - x1) * (x2 - x1));
}

int PerpendicularFoot(double ax, double ay, double bx, double by, double px, double py, double& fx,
                      double& fy) {
    const bool northSouth = std::fabs(ax - bx) < kSameCoordinate;
    if (northSouth) {
        fx = ax;
        fy = py;
    } else if (std::fabs(ay - by) < kSameCoordinate) {
        fx = px;
        fy = ay;
    } else {
        const double k = (by - ay) / (bx - ax);
        const double b = ay - (by - ay) * ax / (bx - ax);
        const double k2 = -1.0 / k;
        fx = (py - k2 * px - b) / (k - k2);
        fy = fx * k + b;
    }
    const double a = northSouth ? ay : ax;
    const double e = northSouth ? by : bx;
    const double f = northSouth ? fy : fx;
    return ((a < f && f < e) || (e < f && f < a)) ? 1 : 0;
}

double AzimuthOfLine(double x1, double y1, double x2, double y2) {
    double az = std::atan2(y2 - y1, x2 - x1) * kRadToDeg;
    if (az < 0.000000001) az += 360.0;
    return az;
}
