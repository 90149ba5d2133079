#pragma once
// How old a position may be and still be stored. The frame stamps every fix it takes with the
// program clock and with the receiver's output interval as it was last seen; a store refuses a fix
// that has grown older than twice that interval (2 s at least), and the main view shows it as stale.
#include <cstdint>

#include "foundation/CGpsState.h"

inline constexpr uint64_t kMinStaleAgeMs = 2000;

// 2 s, or twice the fix's output interval when that is longer.
uint64_t StaleAgeMs(const CGpsState& fix);
// True for a fix taken longer ago than StaleAgeMs. A state the frame never stamped (a test's, one built
// from typed values) is not judged.
bool IsStaleFix(const CGpsState& fix, uint64_t nowMs);

// Stamps the fixes of one receiver: its output interval is the shorter of the last two gaps between
// epochs, so that one silence does not stretch it; a second fix within the same epoch (under 50 ms)
// is no gap.
class FixStamper {
public:
    void Stamp(CGpsState& fix, uint64_t nowMs);

private:
    uint64_t lastMs_ = 0;
    uint64_t lastGapMs_ = 0;
    uint64_t gapBeforeMs_ = 0;
    bool stamped_ = false;
};
