#include "foundation/CGpsState.h"

void CGpsState::Reset() {
    CGpsState fresh;
    for (int i = 0; i < kMaxSatellites; ++i) {
        fresh.gpsSatellites[i].used = gpsSatellites[i].used;
        fresh.gloSatellites[i].used = gloSatellites[i].used;
    }
    *this = std::move(fresh);
}
