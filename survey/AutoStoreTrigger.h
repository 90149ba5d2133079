#pragma once
// When automatic storing takes the next fix: by the solution it accepts, then by time (a whole
// multiple of the interval in seconds of the day) or by distance from the last stored fix.
#include <cstdint>

#include "foundation/CGpsState.h"
#include "foundation/GeneralSettingsBlock.h"

// The frame's automatic storing: on while the user has started it; the first fix after the start
// is always stored; every store attempt is counted.
struct AutoStoreState {
    int32_t running = 0;
    int32_t firstPoint = 0;
    int32_t count = 0;
};

// nAsCondition: 0 single or better, 1 better than single, 2 float or better, 3 fixed; else none.
bool AutoStoreSolutionAccepted(int32_t asCondition, int32_t solutionCode);

class AutoStoreTrigger {
public:
    // True when this fix is to be stored. `firstPoint` is the frame's flag: set, the fix is stored
    // and becomes the start of the distance count, and the flag is cleared.
    bool Decide(const GeneralSettingsBlock& settings, const CGpsState& state, int32_t& firstPoint);

private:
    bool DecideByTime(int32_t interval, const CGpsState& state);
    bool DecideByDistance(double distance, const CGpsState& state, int32_t& firstPoint);

    int64_t lastStamp_ = -1;                          // the second of the last fix stored by time
    double lastN_ = 0.0, lastE_ = 0.0, lastH_ = 0.0;  // the last stored fix
    double prevN_ = 0.0, prevE_ = 0.0, prevH_ = 0.0;  // the fix before this one
};
