#include <gtest/gtest.h>

#include "stakeout/Tones.h"
#include "tests/stakeout/RecordingTones.h"

TEST(Tones, DoubleBeepWaitsHalfASecondOnTheProgramClock) {
    CVirtualClock clock(1000);
    RecordingTones tones;
    BeepPrompt();
    DoubleBeepPrompt();
    const std::vector<uint64_t> times = RecordingTones::Take();
    ASSERT_EQ(times.size(), 3u);
    EXPECT_EQ(times[1], times[0]);
    EXPECT_EQ(times[2] - times[1], 500u);
}
