#include "cogo/CogoGeometry.h"

#include <cmath>
#include <numbers>

namespace {
constexpr double kDegrees = 180.0 / std::numbers::pi;
// Directions within a microradian of one another are parallel: at a kilometre their rays part by
// a millimetre, below what any result shows.
constexpr double kParallelSine = 1e-6;

double Radians(double degrees) {
    return degrees / kDegrees;
}

// Unit vector of an azimuth: x (north) by cosine, y (east) by sine.
PlanePoint Direction(double azimuthDeg) {
    return {std::cos(Radians(azimuthDeg)), std::sin(Radians(azimuthDeg))};
}

// z of the cross product u x v in the (north, east) plane: positive when v turns clockwise from u.
double Cross(PlanePoint u, PlanePoint v) {
    return u.x * v.y - u.y * v.x;
}

bool Coincide(PlanePoint a, PlanePoint b) {
    return PlanDistance(a, b) < kCoincidentTolerance;
}
}  // namespace

double NormalizeDegrees(double degrees) {
    double d = std::fmod(degrees, 360.0);
    if (d < 0.0) d += 360.0;
    return d >= 360.0 ? 0.0 : d;
}

double Azimuth(PlanePoint from, PlanePoint to) {
    if (Coincide(from, to)) return 0.0;
    return NormalizeDegrees(std::atan2(to.y - from.y, to.x - from.x) * kDegrees);
}

double PlanDistance(PlanePoint a, PlanePoint b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

PlanePoint ForwardPoint(PlanePoint start, double azimuthDeg, double distance) {
    const PlanePoint u = Direction(azimuthDeg);
    return {start.x + distance * u.x, start.y + distance * u.y};
}

CogoStatus Inverse(SpacePoint a, SpacePoint b, InverseResult& out) {
    const PlanePoint pa{a.x, a.y}, pb{b.x, b.y};
    if (Coincide(pa, pb)) return CogoStatus::kCoincidentPoints;
    out.azimuth = Azimuth(pa, pb);
    out.distance = PlanDistance(pa, pb);
    out.heightDiff = b.h - a.h;
    out.slopeDistance = std::hypot(out.distance, out.heightDiff);
    return CogoStatus::kOk;
}

CogoStatus OffsetAngleDistance(PlanePoint station, PlanePoint reference, PlanePoint target,
                               AngleDistance& out) {
    if (Coincide(station, reference) || Coincide(station, target)) return CogoStatus::kCoincidentPoints;
    out.angle = NormalizeDegrees(Azimuth(station, target) - Azimuth(station, reference));
    out.distance = PlanDistance(station, target);
    return CogoStatus::kOk;
}

CogoStatus OffsetPoint(PlanePoint a, PlanePoint b, double along, double offset, PlanePoint& out) {
    if (Coincide(a, b)) return CogoStatus::kCoincidentPoints;
    const double length = PlanDistance(a, b);
    const PlanePoint u{(b.x - a.x) / length, (b.y - a.y) / length};
    // Right of the direction (north, east) is (-east, north) turned clockwise: (-u.y, u.x).
    out = {a.x + along * u.x - offset * u.y, a.y + along * u.y + offset * u.x};
    return CogoStatus::kOk;
}

CogoStatus DistanceResection(PlanePoint a, PlanePoint b, double distanceA, double distanceB, Side side,
                             PlanePoint& out) {
    if (Coincide(a, b)) return CogoStatus::kCoincidentPoints;
    const double d = PlanDistance(a, b);
    if (distanceA < 0.0 || distanceB < 0.0) return CogoStatus::kNoIntersection;
    // A triangle that closes within the tolerance touches: its apex lies on the base line.
    if (distanceA + distanceB < d - kCoincidentTolerance ||
        std::fabs(distanceA - distanceB) > d + kCoincidentTolerance)
        return CogoStatus::kNoIntersection;
    const double along = (distanceA * distanceA - distanceB * distanceB + d * d) / (2.0 * d);
    const double across = std::sqrt(std::fmax(distanceA * distanceA - along * along, 0.0));
    return OffsetPoint(a, b, along, side == Side::kRight ? across : -across, out);
}

CogoStatus Intersection(PlanePoint a, double azimuthA, PlanePoint b, double azimuthB, PlanePoint& out) {
    const PlanePoint u = Direction(azimuthA), v = Direction(azimuthB);
    const double denominator = Cross(u, v);
    if (std::fabs(denominator) < kParallelSine) return CogoStatus::kParallel;
    const PlanePoint ab{b.x - a.x, b.y - a.y};
    const double s = Cross(ab, v) / denominator;  // along the ray from a
    const double t = Cross(ab, u) / denominator;  // along the ray from b
    if (s < -kCoincidentTolerance || t < -kCoincidentTolerance) return CogoStatus::kNoIntersection;
    out = {a.x + s * u.x, a.y + s * u.y};
    return CogoStatus::kOk;
}

CogoStatus IntersectLines(PlanePoint a1, PlanePoint a2, PlanePoint b1, PlanePoint b2, LineIntersection& out) {
    if (Coincide(a1, a2) || Coincide(b1, b2)) return CogoStatus::kCoincidentPoints;
    const double la = PlanDistance(a1, a2), lb = PlanDistance(b1, b2);
    const PlanePoint u{(a2.x - a1.x) / la, (a2.y - a1.y) / la}, v{(b2.x - b1.x) / lb, (b2.y - b1.y) / lb};
    const double denominator = Cross(u, v);
    if (std::fabs(denominator) < kParallelSine) return CogoStatus::kParallel;
    const double s = Cross({b1.x - a1.x, b1.y - a1.y}, v) / denominator;
    out.point = {a1.x + s * u.x, a1.y + s * u.y};
    const double turn = NormalizeDegrees(Azimuth(b1, b2) - Azimuth(a1, a2));
    out.angle = turn > 180.0 ? 360.0 - turn : turn;
    return CogoStatus::kOk;
}

SpacePoint Midpoint(SpacePoint a, SpacePoint b) {
    return {(a.x + b.x) / 2.0, (a.y + b.y) / 2.0, (a.h + b.h) / 2.0};
}

CogoStatus HorizontalAngle(PlanePoint vertex, PlanePoint first, PlanePoint second, double& angle) {
    AngleDistance result;
    const CogoStatus status = OffsetAngleDistance(vertex, first, second, result);
    if (status == CogoStatus::kOk) angle = result.angle;
    return status;
}

CogoStatus VerticalAngle(SpacePoint from, SpacePoint to, double& angle) {
    const double horizontal = PlanDistance({from.x, from.y}, {to.x, to.y});
    const double rise = to.h - from.h;
    if (std::hypot(horizontal, rise) < kCoincidentTolerance) return CogoStatus::kCoincidentPoints;
    angle = std::atan2(rise, horizontal) * kDegrees;
    return CogoStatus::kOk;
}

SpaceDistance MeasureSpaceDistance(SpacePoint a, SpacePoint b) {
    SpaceDistance d;
    d.horizontal = PlanDistance({a.x, a.y}, {b.x, b.y});
    d.heightDiff = b.h - a.h;
    d.slope = std::hypot(d.horizontal, d.heightDiff);
    return d;
}
