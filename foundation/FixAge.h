#pragma once
// How old a position may be and still be stored. A fix is as old as the longer of two ages: since its
// content first arrived (a receiver that keeps repeating a fix does not make it new), and how far its
// own time lies behind the newest time the receiver gave. The frame stamps every fix it takes with the
// program clock and with the receiver's output interval as it was last seen; a store refuses a fix that
// has grown older than twice that interval (2 s at least), and the main view shows it as stale.
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
    // A time the receiver gave in any line, heard at `nowMs`. The newest is kept until a later one
    // comes, or until it has gone unconfirmed for the stale age: a receiver that set its clock back is
    // trusted again after that.
    void HearReceiverTime(uint32_t utcMs, uint64_t nowMs);
    // Stamps `fix`, taken at `nowMs`, whose own time is `fixUtcMs` (heard before); a fix without one
    // is as old as the fix before it, or new when none came before.
    void Stamp(CGpsState& fix, uint64_t nowMs, std::optional<uint32_t> fixUtcMs = std::nullopt);

private:
    uint64_t IntervalMs() const;

    uint64_t lastMs_ = 0;
    uint64_t lastGapMs_ = 0;
    uint64_t gapBeforeMs_ = 0;
    bool stamped_ = false;
    std::optional<uint32_t> newestUtcMs_;  // the newest time the receiver gave, and when
    uint64_t newestHeardMs_ = 0;
    std::optional<uint32_t> fixUtcMs_;  // the last fix's own time, and since when it has been seen
    int64_t fixSinceMs_ = 0;
};
