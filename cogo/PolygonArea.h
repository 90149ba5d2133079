#pragma once
// Area and perimeter of a parcel whose corners were taken in order around it (either way round).
#include <vector>

#include "cogo/CogoGeometry.h"

// One 亩 is 10000/15 square metres.
inline constexpr double kSquareMetresPerMu = 10000.0 / 15.0;

struct PolygonMeasure {
    double area = 0.0;  // square metres
    double perimeter = 0.0;
};

// Refuses fewer than three corners, two neighbouring corners that coincide, and a boundary that
// crosses, touches or folds back on itself: its area would mean nothing.
CogoStatus MeasurePolygon(const std::vector<PlanePoint>& corners, PolygonMeasure& out);
