#include "survey/AutoStoreTrigger.h"

#include <gtest/gtest.h>

#include "survey/DoublePress.h"

namespace {

CGpsState Fix(int h, int m, int s, double n = 0.0, int code = 10) {
    CGpsState state;
    state.hour = h;
    state.minute = m;
    state.second = s;
    state.gridX = n;
    state.solutionCode = code;
    return state;
}

GeneralSettingsBlock Settings(int mode, int interval, double distance, int condition = 0) {
    GeneralSettingsBlock settings;
    settings.nAsMode = mode;
    settings.nAutoSaveTime = interval;
    settings.szdAutoSaveDis = distance;
    settings.nAsCondition = condition;
    return settings;
}

TEST(AutoStoreTrigger, SolutionGateByCondition) {
    struct Case {
        int condition, code;
        bool accepted;
    } cases[] = {{0, 5, true},  {0, 4, false}, {1, 5, false}, {1, 6, true},   {2, 8, true},
                 {2, 7, false}, {3, 9, false}, {3, 10, true}, {4, 10, false}, {-1, 10, false}};
    for (const Case& c : cases)
        EXPECT_EQ(AutoStoreSolutionAccepted(c.condition, c.code), c.accepted) << c.condition << " " << c.code;
}

TEST(AutoStoreTrigger, TimeModeStoresOnWholeMultiplesOfTheInterval) {
    AutoStoreTrigger trigger;
    int32_t first = 0;
    const GeneralSettingsBlock every5 = Settings(0, 5, 0.0);
    EXPECT_TRUE(trigger.Decide(every5, Fix(12, 0, 0), first));
    EXPECT_FALSE(trigger.Decide(every5, Fix(12, 0, 0), first));  // a second fix in the same second
    EXPECT_FALSE(trigger.Decide(every5, Fix(12, 0, 3), first));
    EXPECT_TRUE(trigger.Decide(every5, Fix(12, 0, 5), first));
    // Interval 0 or below stores nothing (and does not divide by zero).
    EXPECT_FALSE(trigger.Decide(Settings(0, 0, 0.0), Fix(12, 0, 0), first));
    EXPECT_FALSE(trigger.Decide(Settings(0, -5, 0.0), Fix(12, 0, 0), first));
    EXPECT_FALSE(trigger.Decide(Settings(2, 5, 0.0), Fix(12, 0, 0), first));
    // nAsCondition 2: float (8) is stored, 7 is not.
    EXPECT_TRUE(trigger.Decide(Settings(0, 5, 0.0, 2), Fix(12, 0, 10, 0.0, 8), first));
    EXPECT_FALSE(trigger.Decide(Settings(0, 5, 0.0, 2), Fix(12, 0, 10, 0.0, 7), first));
}

TEST(AutoStoreTrigger, DistanceModeTenMetresAtFourMetresAnEpoch) {
    AutoStoreTrigger trigger;
    int32_t first = 1;
    const GeneralSettingsBlock every10 = Settings(1, 0, 10.0);
    struct Step {
        double n;
        bool stored;
    } steps[] = {{0, true}, {4, false}, {8, false}, {12, true}, {16, false}, {20, false}, {24, true}};
    for (const Step& s : steps)
        EXPECT_EQ(trigger.Decide(every10, Fix(12, 0, 0, s.n), first), s.stored) << s.n;
    EXPECT_EQ(first, 0);
}

// A store comes once the distance is passed, or when the next step would overshoot it by more than it
// falls short now: walks that end half a step short, just less, closing in by halves (never less
// than half a step short) and past it, after metre steps from the stored start.
TEST(AutoStoreTrigger, DistanceModeAtTheEdgeOfHalfAStep) {
    struct Walk {
        const char* name;
        std::vector<double> tail;  // after 0 (stored) and 1 .. 8 (none stored)
        std::vector<bool> stored;
    };
    const Walk walks[] = {
        {"half a step short", {8.5, 9.5}, {false, false}},
        {"just less than half a step short", {8.5, 9.51}, {false, true}},
        {"closing in by halves, then on it",
         {9.0, 9.5, 9.75, 9.875, 10.0},
         {false, false, false, false, true}},
        {"past it in one step", {10.01}, {true}},
    };
    const GeneralSettingsBlock every10 = Settings(1, 0, 10.0);
    for (const Walk& w : walks) {
        SCOPED_TRACE(w.name);
        AutoStoreTrigger trigger;
        int32_t first = 1;
        ASSERT_TRUE(trigger.Decide(every10, Fix(12, 0, 0, 0.0), first));
        for (int n = 1; n <= 8; ++n) ASSERT_FALSE(trigger.Decide(every10, Fix(12, 0, 0, n), first)) << n;
        for (size_t i = 0; i < w.tail.size(); ++i)
            EXPECT_EQ(trigger.Decide(every10, Fix(12, 0, 0, w.tail[i]), first), w.stored[i]) << w.tail[i];
    }
}

TEST(AutoStoreTrigger, TimeModeAtTheSmallestIntervalAndAroundMidnight) {
    struct Case {
        int interval;
        int h, m, s;
        bool stored;
    };
    const Case cases[] = {
        {1, 12, 0, 1, true}, {1, 12, 0, 2, true},    {5, 23, 59, 55, true},      {5, 23, 59, 59, false},
        {5, 0, 0, 0, true},  {86400, 0, 0, 0, true}, {86400, 23, 59, 59, false},
    };
    for (const Case& c : cases) {
        AutoStoreTrigger trigger;
        int32_t first = 0;
        EXPECT_EQ(trigger.Decide(Settings(0, c.interval, 0.0), Fix(c.h, c.m, c.s), first), c.stored)
            << c.interval << " at " << c.h << ":" << c.m << ":" << c.s;
    }
}

TEST(DoublePress, SamePairWithinThreeSecondsOfOneMinute) {
    struct Case {
        int m1, s1, m2, s2;
        bool pair;
    } cases[] = {{10, 5, 10, 7, true}, {10, 5, 10, 8, false}, {10, 58, 11, 1, false}, {0, 0, 0, 1, true}};
    for (const Case& c : cases) {
        DoublePress b;
        EXPECT_FALSE(b.Press(c.m1, c.s1));
        EXPECT_EQ(b.Press(c.m2, c.s2), c.pair) << c.m1 << ":" << c.s1 << " " << c.m2 << ":" << c.s2;
    }
    // After a pair, one press at the start of an hour opens nothing.
    DoublePress b;
    b.Press(59, 10);
    ASSERT_TRUE(b.Press(59, 11));
    EXPECT_FALSE(b.Press(0, 0));
}

}  // namespace
