#include "foundation/FixAge.h"

#include <algorithm>

namespace {
constexpr uint64_t kSameEpochMs = 50;
constexpr int64_t kMsPerDay = 86'400'000;

// How far `later` lies after `earlier`, both times of day: within half a day either way.
int64_t MsAfter(uint32_t later, uint32_t earlier) {
    const int64_t ahead = ((static_cast<int64_t>(later) - earlier) % kMsPerDay + kMsPerDay) % kMsPerDay;
    return ahead > kMsPerDay / 2 ? ahead - kMsPerDay : ahead;
}

uint64_t StaleAgeOf(uint64_t intervalMs) {
    return std::max<uint64_t>(kMinStaleAgeMs, 2 * intervalMs);
}
}  // namespace

uint64_t StaleAgeMs(const CGpsState& fix) {
    return StaleAgeOf(fix.fixIntervalMs);
}

bool IsStaleFix(const CGpsState& fix, uint64_t nowMs) {
    if (!fix.fixTimeMs) return false;
    const int64_t now = static_cast<int64_t>(nowMs);
    return now < *fix.fixTimeMs || static_cast<uint64_t>(now - *fix.fixTimeMs) > StaleAgeMs(fix);
}

void FixStamper::Stamp(CGpsState& fix, uint64_t nowMs, std::optional<uint32_t> fixUtcMs) {
    const bool newEpoch = !stamped_ || nowMs >= lastMs_ + kSameEpochMs;
    if (stamped_ && newEpoch) {
        gapBeforeMs_ = lastGapMs_;
        lastGapMs_ = nowMs - lastMs_;
    }
    if (newEpoch) lastMs_ = nowMs;
    fix.fixIntervalMs = static_cast<uint32_t>(std::min<uint64_t>(IntervalMs(), UINT32_MAX));

    // A time moved on from the last fix's starts the age afresh; a repeated one, one set back, or none
    // after a fix with one keeps the age it has. Fixes that never carry a time are new each time.
    const int64_t now = static_cast<int64_t>(nowMs);
    const bool advances = !fixUtcMs_ || (fixUtcMs && MsAfter(*fixUtcMs, *fixUtcMs_) > 0);
    if (advances) fixSinceMs_ = now;
    if (fixUtcMs) fixUtcMs_ = fixUtcMs;
    stamped_ = true;
    fix.fixTimeMs = fixSinceMs_;
}

uint64_t FixStamper::IntervalMs() const {
    return gapBeforeMs_ == 0 ? lastGapMs_ : std::min(lastGapMs_, gapBeforeMs_);
}
