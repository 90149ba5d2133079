#include "foundation/LineStarts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/foundation/AllStarts.h"

namespace {

constexpr uint64_t kGiB = uint64_t{1} << 30;

LineStarts Pushed(const std::vector<uint64_t>& starts) {
    LineStarts held;
    for (const uint64_t start : starts) held.push_back(start);
    return held;
}

}  // namespace

TEST(LineStarts, EveryStartReadsBackWhateverItsStepFromTheOneBefore) {
    const std::vector<std::vector<uint64_t>> cases = {
        {},
        {0, 24, 48, 73},
        {7 * kGiB, 7 * kGiB + 40},                                      // a first line far into the file
        {0, 4 * kGiB - 1, 4 * kGiB, 4 * kGiB + 1, 9 * kGiB, 9 * kGiB},  // steps at and past 32 bits
        {0, UINT32_MAX, uint64_t{UINT32_MAX} + 1, 2 * uint64_t{UINT32_MAX} + 1},
        {100, 50, 60, 0},  // out of order: each back step begins a run
    };
    for (const auto& starts : cases) {
        SCOPED_TRACE(::testing::PrintToString(starts));
        LineStarts held = Pushed(starts);
        EXPECT_EQ(held.size(), starts.size());
        EXPECT_EQ(AllStarts(held), starts);
        // Taking lines off the end, across the runs' first lines too, leaves those before as they were.
        for (size_t kept = starts.size(); kept-- > 0;) {
            held.pop_back();
            const std::vector<uint64_t> before(starts.begin(), starts.begin() + static_cast<long>(kept));
            ASSERT_EQ(AllStarts(held), before);
            if (kept > 0) {
                EXPECT_EQ(held.back(), starts[kept - 1]);
            }
        }
        EXPECT_TRUE(held.empty());
        held.push_back(5 * kGiB);
        EXPECT_EQ(AllStarts(held), std::vector<uint64_t>{5 * kGiB});
    }
}

TEST(LineStarts, RoomIsMadeForTheLikelyLinesAndGivenBackWhenTheyWereFewer) {
    LineStarts held;
    for (uint64_t i = 0; i < 100; ++i) held.push_back(i * 40);
    held.ReserveLikely(4000, 400000);
    EXPECT_GE(held.capacity(), 10000u);
    EXPECT_LT(held.capacity(), 10000u * 17 / 16 + 16);
    held.FitRoom();
    EXPECT_LT(held.capacity(), 100u * 9 / 8 + 1);
    EXPECT_EQ(held.back(), 99u * 40);

    LineStarts none;
    none.ReserveLikely(0, 400000);  // nothing seen yet: nothing to judge by
    none.ReserveLikely(4000, 4000);
    EXPECT_EQ(none.capacity(), 0u);
}
