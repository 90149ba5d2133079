#include "stakeout/PointGuidance.h"
#include "geodesy/GeodesyConstants.h"

#include <cmath>

namespace {}

PointGuidance ComputePointGuidance(double px, double py, double ph, const PointRecord& target,
                                   int32_t useAntennaHeight, double antennaHeight) {
    PointGuidance g;
    g.dN = px - target.x;
    g.dE = py - target.y;
    g.dH = useAntennaHeight ? target.h - (ph - antennaHeight) : target.h - ph;
    g.distance = std::sqrt(g.dN * g.dN + g.dE * g.dE);
    g.azimuth = std::atan2(target.y - py, target.x - px) * kRadToDeg;
    if (g.azimuth < 0.0) g.azimuth += 360.0;
    // A tiny negative angle plus 360 rounds to 360 itself.
    if (g.azimuth >= 360.0) g.azimuth = 0.0;
    return g;
}

bool FixHasPosition(const CGpsState& fix) {
    return fix.fixFlag != 0 && fix.solutionCode != kSolNfix && fix.solutionCode != kSolNone;
}

bool EntryBeepLatch::Update(bool inside, int32_t soundOn) {
    if (inside) {
        if (soundOn && given_ == 0) {
            given_ = 1;
            return true;
        }
    } else if (soundOn && given_ != 0) {
        given_ = 0;
    }
    return false;
}
