// A fix may be stored until it is older than 2 s, or twice the receiver's output interval when
// that is longer; the interval is what the receiver showed in its last two epochs.
#include "foundation/FixAge.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

TEST(FixAge, TheIntervalIsTheShorterOfTheLastTwoGapsBetweenEpochs) {
    const struct {
        std::vector<uint64_t> stamps;  // program clock of each fix, ms
        uint32_t interval;
        uint64_t staleAge;
    } cases[] = {
        {{1000}, 0, 2000},                       // one fix: no interval yet
        {{0, 200, 400}, 200, 2000},              // 5 Hz: the 2 s floor
        {{1000, 6000, 11000}, 5000, 10000},      // 0.2 Hz: twice the interval
        {{1000, 2000, 62000}, 1000, 2000},       // one long silence does not stretch it
        {{1000, 2000, 2010, 3000}, 1000, 2000},  // a second fix of one epoch is no gap
        {{1000, 6000, 6020, 11000}, 5000, 10000},
        {{1000, 6000, 6049, 11000}, 5000, 10000},  // 49 ms: still the same epoch
        {{1000, 6000, 6050, 11000}, 50, 2000},     // 50 ms: a gap of its own
    };
    for (const auto& c : cases) {
        FixStamper stamper;
        CGpsState fix;
        for (const uint64_t at : c.stamps) stamper.Stamp(fix, at);
        EXPECT_EQ(fix.fixIntervalMs, c.interval) << c.stamps.back();
        EXPECT_EQ(StaleAgeMs(fix), c.staleAge) << c.stamps.back();
        const uint64_t last = c.stamps.back();
        EXPECT_FALSE(IsStaleFix(fix, last));
        EXPECT_FALSE(IsStaleFix(fix, last + c.staleAge));
        EXPECT_TRUE(IsStaleFix(fix, last + c.staleAge + 1));
    }
}

TEST(FixAge, OnlyAStampedFixIsJudged) {
    CGpsState typed;
    typed.fixFlag = 1;
    EXPECT_FALSE(IsStaleFix(typed, 1'000'000));
    FixStamper stamper;
    stamper.Stamp(typed, 0);
    EXPECT_TRUE(IsStaleFix(typed, 1'000'000));
}

// A fix is as old as its content: it is new only when its own time moves on from the fix before it
// (across midnight too). A receiver that keeps repeating it, or sets it back, makes it no younger. Each
// row stamps a run of fixes and asks at one moment whether the last is stale.
TEST(FixAge, AFixIsNewOnlyWhenItsOwnTimeAdvances) {
    struct Step {
        uint64_t atMs;
        std::optional<uint32_t> fixMs;  // the fix's own UTC time of day
    };
    constexpr uint32_t kLastMsOfDay = 86'399'000;
    const struct {
        const char* name;
        std::vector<Step> steps;
        uint64_t askAtMs;
        bool stale;
    } rows[] = {
        {"repeated for 2 s", {{0, 1000}, {1000, 1000}, {2000, 1000}}, 2000, false},
        {"repeated for longer", {{0, 1000}, {1000, 1000}, {2000, 1000}}, 2001, true},
        {"advancing", {{0, 1000}, {1000, 2000}, {2000, 3000}}, 4000, false},
        {"advancing, then silent", {{0, 1000}, {1000, 2000}, {2000, 3000}}, 4001, true},
        {"repeated at 0.2 Hz: twice the interval", {{0, 1000}, {5000, 1000}, {10000, 1000}}, 10000, false},
        {"repeated at 0.2 Hz for longer", {{0, 1000}, {5000, 1000}, {10000, 1000}}, 10001, true},
        {"across midnight", {{0, kLastMsOfDay}, {1000, 0}}, 3000, false},
        {"set back", {{0, 5000}, {1000, 4000}}, 2001, true},
        {"set back, then advancing from there", {{0, 5000}, {1000, 1000}, {2000, 2000}}, 4000, false},
        // A fix without a time (a board whose GGA goes unread) is the fix before it again.
        {"a fix without a time", {{0, 1000}, {1000, {}}}, 2001, true},
        {"fixes that never carry a time", {{0, {}}, {1000, {}}, {2000, {}}}, 4000, false},
    };
    for (const auto& row : rows) {
        FixStamper stamper;
        CGpsState fix;
        for (const Step& step : row.steps) stamper.Stamp(fix, step.atMs, step.fixMs);
        EXPECT_EQ(IsStaleFix(fix, row.askAtMs), row.stale) << row.name;
    }
}
