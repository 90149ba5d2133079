#pragma once
// Guidance to one target point T from a position P: how far P lies north, east and below, the plan
// distance and the azimuth to T, and the one beep on entering the close-up radius.
#include <cstdint>

#include "foundation/CGpsState.h"
#include "foundation/PointRecord.h"

struct PointGuidance {
    double dN = 0.0;  // P - T
    double dE = 0.0;
    double dH = 0.0;  // T - P (P less the rover antenna when that is used)
    double distance = 0.0;
    double azimuth = 0.0;  // P to T, degrees in [0, 360)
};

// `antennaHeight` is subtracted from P's height when `useAntennaHeight` is set.
PointGuidance ComputePointGuidance(double px, double py, double ph, const PointRecord& target,
                                   int32_t useAntennaHeight, double antennaHeight);

// A fix that carries a position: the frame took one and the solution is neither NFIX nor NONE (a GGA
// of quality 0 keeps the old coordinates, a NONE position log brings latitude and longitude 0).
bool FixHasPosition(const CGpsState& fix);

// One beep on entering the close-up radius, re-armed on leaving it (with sound on) and on every target
// or library change (Rearm).
class EntryBeepLatch {
public:
    // True when this position beeps.
    bool Update(bool inside, int32_t soundOn);
    void Rearm() { given_ = 0; }
    int32_t Given() const { return given_; }

private:
    int32_t given_ = 0;
};
