#include "survey/AutoStoreTrigger.h"

#include <cmath>

bool AutoStoreSolutionAccepted(int32_t asCondition, int32_t solutionCode) {
    switch (asCondition) {
        case 0:
            return solutionCode >= 5;
        case 1:
            return solutionCode > 5;
        case 2:
            return solutionCode >= 8;
        case 3:
            return solutionCode >= 10;
        default:
            return false;
    }
}

bool AutoStoreTrigger::Decide(const GeneralSettingsBlock& settings, const CGpsState& state,
                              int32_t& firstPoint) {
    if (!AutoStoreSolutionAccepted(settings.nAsCondition, state.solutionCode)) return false;
    if (settings.nAsMode == 0) return DecideByTime(settings.nAutoSaveTime, state);
    if (settings.nAsMode == 1) return DecideByDistance(settings.szdAutoSaveDis, state, firstPoint);
    return false;
}

bool AutoStoreTrigger::DecideByTime(int32_t interval, const CGpsState& state) {
    // An interval of 0 or less would divide by zero: nothing is stored.
    if (interval <= 0) return false;
    const int32_t secondOfDay = (state.hour * 60 + state.minute) * 60 + state.second;
    if (secondOfDay % interval != 0) return false;
    // At 5 Hz five fixes share a second: only the first of them is stored.
    const int64_t day = (static_cast<int64_t>(state.year) * 13 + state.month) * 32 + state.day;
    const int64_t stamp = day * 86400 + secondOfDay;
    if (stamp == lastStamp_) return false;
    lastStamp_ = stamp;
    return true;
}

bool AutoStoreTrigger::DecideByDistance(double distance, const CGpsState& state, int32_t& firstPoint) {
    const double n = state.gridX, e = state.gridY, h = state.gridH;
    if (firstPoint != 0) {
        lastN_ = prevN_ = n;
        lastE_ = prevE_ = e;
        lastH_ = prevH_ = h;
        firstPoint = 0;
        return true;
    }
    const double step = std::hypot(n - prevN_, e - prevE_);
    const double dist = std::hypot(n - lastN_, e - lastE_);
    prevN_ = n;
    prevE_ = e;
    prevH_ = h;
    // Also when the next step would overshoot the distance by more than it falls short now.
    if (!(dist > distance || (distance - dist) < step * 0.5)) return false;
    lastN_ = n;
    lastE_ = e;
    lastH_ = h;
    return true;
}
