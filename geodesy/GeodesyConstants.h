#pragma once
// Angle factors shared by every stored coordinate. They derive from pi = 3.1415926535897, not the
// full double pi: stored grids and parameters were computed with these exact values.

constexpr double kDegToRad = 0.01745329251994278;
constexpr double kRadToDeg = 57.29577951308402;
constexpr double kArcSecondsPerRadian = 206264.8062471025;

// The WGS-84 ellipsoid, in which the receiver reports positions.
constexpr double kWgs84SemiMajor = 6378137.0;
constexpr double kWgs84InvFlattening = 298.257223563;
