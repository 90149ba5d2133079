#pragma once
// How firmly a layout of common points holds the parameters solved from it. Each measured
// coordinate is taken to carry kMeasurementError (or, where spare points show a larger error, the
// residuals' own standard error); the error that goes through the least-squares solution into a
// converted position is evaluated on the site: the circle about the points' centroid through the
// farthest of them, and at least kMinSiteRadius wide, since a rover works around its marks even when
// they stand close together. The figures are standard errors in metres: a plane one (north and
// east together) and a height one. Points that coincide (or, for the datum shift and the height
// surfaces, lie on one line) cannot hold the parameters at all: their figures are infinite and
// `degenerate` says why.
#include <vector>

#include "geodesy/CoordTransform.h"

inline constexpr double kMeasurementError = 0.01;
inline constexpr double kMinSiteRadius = 100.0;
// What the job accepts of a control point's residual, and so of a converted position.
inline constexpr double kPlaneGeometryLimit = 0.10;
inline constexpr double kHeightGeometryLimit = 0.15;

struct GeometryEstimate {
    double plane = 0.0;
    double height = 0.0;
    bool degenerate = false;

    bool WithinLimits() const { return plane <= kPlaneGeometryLimit && height <= kHeightGeometryLimit; }
};

// Four parameters from plane pairs (source north and east, target north and east).
GeometryEstimate FourParamGeometry(const std::vector<PlanePointPair>& pairs);
// Seven parameters from earth-centred pairs (v[0..2] source X, Y, Z; v[3..5] target), as the solver
// takes them: one or two pairs give translations only.
GeometryEstimate SevenParamGeometry(const std::vector<SpacePointPair>& pairs);
// A height surface of `terms` coefficients (1 a shift, 3 a plane, 6 a quadratic surface) from height
// points (v[2] raw height, v[3] known height, v[4] and v[5] known north and east).
GeometryEstimate HeightFitGeometry(const std::vector<SpacePointPair>& points, int terms);
