#pragma once
// The plane calculations of the coordinate tools. Plane coordinates are x north, y east, in
// metres; azimuths and angles are decimal degrees, azimuths clockwise from grid north in [0, 360).
// Every calculation that can fail returns a status and leaves its result alone unless kOk.
#include <vector>

struct PlanePoint {
    double x = 0.0;
    double y = 0.0;
};

struct SpacePoint {
    double x = 0.0;
    double y = 0.0;
    double h = 0.0;
};

enum class CogoStatus {
    kOk,
    kCoincidentPoints,       // two points that must differ (in plan, or in space for a vertical angle) do not
    kParallel,               // two directions or lines never meet
    kNoIntersection,         // distances that cannot close, or rays that meet only behind a station
    kTooFewPoints,           // a polygon of fewer than three points
    kSelfCrossing,           // a polygon whose edges cross or fold back on one another
    kNotTransverseMercator,  // a zone change asked of a stereographic projection
};

// Two plan points closer than this are one point: a millimetre is the precision of every result.
inline constexpr double kCoincidentTolerance = 1e-4;

// Azimuth from `from` to `to`; azimuth 0 when they coincide.
double Azimuth(PlanePoint from, PlanePoint to);
double PlanDistance(PlanePoint a, PlanePoint b);
// An angle brought into [0, 360).
double NormalizeDegrees(double degrees);

// The point at `distance` along `azimuthDeg` from `start`.
PlanePoint ForwardPoint(PlanePoint start, double azimuthDeg, double distance);

struct InverseResult {
    double azimuth = 0.0;
    double distance = 0.0;       // horizontal
    double heightDiff = 0.0;     // h of b minus h of a
    double slopeDistance = 0.0;  // through space
};
CogoStatus Inverse(SpacePoint a, SpacePoint b, InverseResult& out);

// The angle clockwise from the reference direction to the target, seen from the station, and the
// station-to-target distance.
struct AngleDistance {
    double angle = 0.0;
    double distance = 0.0;
};
CogoStatus OffsetAngleDistance(PlanePoint station, PlanePoint reference, PlanePoint target,
                               AngleDistance& out);

// The point `along` metres from a towards b and `offset` metres to the right of that line (left
// when negative).
CogoStatus OffsetPoint(PlanePoint a, PlanePoint b, double along, double offset, PlanePoint& out);

enum class Side { kLeft, kRight };  // seen from a looking towards b
// The point at `distanceA` from a and `distanceB` from b, on the chosen side of a -> b.
CogoStatus DistanceResection(PlanePoint a, PlanePoint b, double distanceA, double distanceB, Side side,
                             PlanePoint& out);

// Where the ray from a along azimuthA meets the ray from b along azimuthB.
CogoStatus Intersection(PlanePoint a, double azimuthA, PlanePoint b, double azimuthB, PlanePoint& out);

// The intersection of line a1-a2 with line b1-b2 (lines, not segments) and the angle between
// the directions a1 -> a2 and b1 -> b2, in [0, 180].
struct LineIntersection {
    PlanePoint point;
    double angle = 0.0;
};
CogoStatus IntersectLines(PlanePoint a1, PlanePoint a2, PlanePoint b1, PlanePoint b2, LineIntersection& out);

SpacePoint Midpoint(SpacePoint a, SpacePoint b);

// Clockwise from vertex -> first to vertex -> second.
CogoStatus HorizontalAngle(PlanePoint vertex, PlanePoint first, PlanePoint second, double& angle);
// Elevation of `to` seen from `from`, in [-90, 90]: positive upwards.
CogoStatus VerticalAngle(SpacePoint from, SpacePoint to, double& angle);

struct SpaceDistance {
    double slope = 0.0;
    double horizontal = 0.0;
    double heightDiff = 0.0;  // h of b minus h of a
};
SpaceDistance MeasureSpaceDistance(SpacePoint a, SpacePoint b);
