#include "foundation/FixAge.h"

#include <algorithm>

namespace {
constexpr uint64_t kSameEpochMs = 50;
}  // namespace

uint64_t StaleAgeMs(const CGpsState& fix) {
    return std::max<uint64_t>(kMinStaleAgeMs, 2 * static_cast<uint64_t>(fix.fixIntervalMs));
}

bool IsStaleFix(const CGpsState& fix, uint64_t nowMs) {
    return fix.fixTimeMs && (nowMs < *fix.fixTimeMs || nowMs - *fix.fixTimeMs > StaleAgeMs(fix));
}

void FixStamper::Stamp(CGpsState& fix, uint64_t nowMs) {
    if (stamped_ && nowMs >= lastMs_ + kSameEpochMs) {
        gapBeforeMs_ = lastGapMs_;
        lastGapMs_ = nowMs - lastMs_;
    }
    if (!stamped_ || nowMs >= lastMs_ + kSameEpochMs) lastMs_ = nowMs;
    stamped_ = true;
    const uint64_t interval = gapBeforeMs_ == 0 ? lastGapMs_ : std::min(lastGapMs_, gapBeforeMs_);
    fix.fixTimeMs = nowMs;
    fix.fixIntervalMs = static_cast<uint32_t>(std::min<uint64_t>(interval, UINT32_MAX));
}
