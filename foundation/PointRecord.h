#pragma once
// The plain point records every feature passes around. x is north (or latitude B), y is east (or
// longitude L), h the height, all in metres or decimal degrees.
#include <cstdint>
#include "platform/text/CString.h"

struct PointRecord {
    CString name;
    double x = 0.0;
    double y = 0.0;
    double h = 0.0;
    CString code;
    int32_t flag = 0;

    void Reset() { *this = PointRecord{}; }
};

// A point of a power line with its chainage along the line.
struct LinePointRec : PointRecord {
    double mileage = 0.0;

    void Reset() { *this = LinePointRec{}; }
};

// One line of the stake-out line libraries.
struct LineSegRec {
    PointRecord start;
    PointRecord end;
    double startMileage = 0.0;
};

// A numbered text, kept in lists by its users.
struct IdText {
    int32_t id = 0;
    CString text;
};

// What the point store reports after storing a point.
struct StoredPointResult {
    int32_t number = 0;
    PointRecord point;
};
