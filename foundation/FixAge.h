#pragma once
// How old a position may be and still be stored. A fix is as old as its content: it is new when its own
// time has moved on from the fix before it, and a receiver that keeps repeating a fix does not make it
// new. Only whether it advances counts, not how far it lies from the other times the receiver gives: a
// ZDA whole hours off (a receiver set to local time) is another time scale, not an old fix. The frame
// stamps every fix it takes with the program clock and with the receiver's output interval as it was
// last seen; a store refuses a fix that has grown older than twice that interval (2 s at least), and the
// main view shows it as stale.
#include <cstdint>
#include <optional>

#include "foundation/CGpsState.h"

inline constexpr uint64_t kMinStaleAgeMs = 2000;

// 2 s, or twice the fix's output interval when that is longer.
uint64_t StaleAgeMs(const CGpsState& fix);
// True for a fix older than StaleAgeMs. A state the frame never stamped (a test's, one built from typed
// values) is not judged.
bool IsStaleFix(const CGpsState& fix, uint64_t nowMs);

// Stamps the fixes of one receiver: its output interval is the shorter of the last two gaps between
// epochs, so that one silence does not stretch it; a second fix within the same epoch (under 50 ms)
// is no gap. The receiver's times are UTC times of day in ms, compared across midnight.
class FixStamper {
public:
    // Stamps `fix`, taken at `nowMs`, whose own time is `fixUtcMs`; a fix without one is as old as the
    // fix before it, or new when no fix before it had a time.
    void Stamp(CGpsState& fix, uint64_t nowMs, std::optional<uint32_t> fixUtcMs = std::nullopt);

private:
    uint64_t IntervalMs() const;

    uint64_t lastMs_ = 0;
    uint64_t lastGapMs_ = 0;
    uint64_t gapBeforeMs_ = 0;
    bool stamped_ = false;
    std::optional<uint32_t> fixUtcMs_;  // the last fix's own time
    int64_t fixSinceMs_ = 0;            // when the last fix whose time advanced arrived
};
