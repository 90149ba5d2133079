#pragma once
// One power-line tower: its centre stake and the eight foundation points ("A" to "D", "5" to "8").
#include <array>
#include "foundation/PointRecord.h"

struct TowerRec {
    LinePointRec centre;
    std::array<PointRecord, 8> foundation;
    double distance = 0.0;   // foundation length, metres
    double direction = 0.0;  // foundation direction, radians
    double param3 = 0.0;     // third tower value, kept for the tower file

    void Reset() { *this = TowerRec{}; }
};
