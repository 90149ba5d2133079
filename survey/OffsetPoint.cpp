#include "survey/OffsetPoint.h"

#include <cmath>

#include "geodesy/CoordTransform.h"

namespace {
constexpr int kToRadians = 1;
constexpr int kToPacked = 0;
}  // namespace

OffsetPoint OffsetFrom(double x0, double y0, double h0, double distance, double packedAngle,
                       double heightDiff) {
    const CCoordTransform angles;
    const double a = angles.ConvertDmsAngle(packedAngle, kToRadians);
    return {distance * std::cos(a) + x0, distance * std::sin(a) + y0, heightDiff + h0,
            angles.ConvertDmsAngle(a, kToPacked)};
}

double PackedAzimuth(double x, double y, double north, double east) {
    return CCoordTransform().ConvertDmsAngle(std::atan2(east - y, north - x), kToPacked);
}
