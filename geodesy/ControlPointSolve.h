#pragma once
// Localisation from control points: each pair joins a point's raw grid position (projected, before
// any four-parameter or height-fit step) to its known local position. The usable pairs give a
// plane result (a shift from one pair, four parameters from more) and a height result (the mean
// difference from few pairs, a height plane or surface from more), and every pair its residuals
// against the 0.1 m and 0.15 m limits, and the solve how firmly its layout holds the four parameters
// and the height surface. A layout that cannot determine four parameters or a height
// surface falls back to the mean shift and says so; nothing degenerate is ever returned as solved.
#include <array>
#include <vector>

#include "geodesy/GeometryStrength.h"

struct ControlPointPair {
    double rawN = 0.0;
    double rawE = 0.0;
    double rawH = 0.0;
    double knownN = 0.0;
    double knownE = 0.0;
    double knownH = 0.0;
    bool usePlane = true;
    bool useHeight = true;
};

enum PlaneCalibMode { kPlaneNone = 0, kPlaneShift = 1, kPlaneFour = 2 };
enum HeightCalibMode { kHeightNone = 0, kHeightShift = 1, kHeightFit = 2 };

struct ControlPointSolution {
    int planeMode = kPlaneNone;
    int heightMode = kHeightNone;
    double shiftN = 0.0;  // plane mode 1
    double shiftE = 0.0;
    double shiftH = 0.0;  // height mode 1
    // Plane mode 2: north and east shifts, rotation (radians), scale.
    double fourShiftN = 0.0;
    double fourShiftE = 0.0;
    double fourRotation = 0.0;
    double fourScale = 1.0;
    // Height mode 2: the surface's six coefficients and its origin.
    std::array<double, 6> heightFit{};
    double heightX0 = 0.0;
    double heightY0 = 0.0;
    // Per pair, rounded to millimetres.
    std::vector<double> horizontal;
    std::vector<double> vertical;
    // 1-based numbers of the pairs over the limits, in order.
    std::vector<int> planeOver;
    std::vector<int> heightOver;
    bool planeDegenerate = false;   // four parameters could not be solved: the mean shift serves
    bool heightDegenerate = false;  // the height points lie on one line or in one place
    // What a centimetre of measurement error does on the site through the four parameters (plane)
    // and the height surface (height) solved here; 0 for a part that is a shift or not solved.
    GeometryEstimate geometry;

    bool WithinLimits() const { return planeOver.empty() && heightOver.empty(); }
};

inline constexpr double kPlaneResidualLimit = 0.1;
inline constexpr double kHeightResidualLimit = 0.15;

// planeIndex and surfaceIndex are the job's chosen minimum counts as indexes: a height plane needs
// planeIndex + 3 points, a surface surfaceIndex + 6; fewer points give the mean shift.
ControlPointSolution SolveControlPoints(const std::vector<ControlPointPair>& pairs, int planeIndex,
                                        int surfaceIndex);
