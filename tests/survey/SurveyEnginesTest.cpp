#include <gtest/gtest.h>

#include <cmath>

#include "survey/AntennaHeight.h"
#include "survey/OffsetPoint.h"
#include "survey/SmoothingRun.h"

namespace {
CGpsState Fix(double x, double rmsH = 0.01) {
    CGpsState fix;
    fix.gridX = x;
    fix.gridY = 2 * x;
    fix.gridH = 3 * x;
    fix.rmsH = rmsH;
    fix.rmsV = 0.01;
    return fix;
}
}  // namespace

TEST(SmoothingRun, AcceptsOneFixATickWithinTheLimitsAndAveragesThem) {
    SmoothingRun run;
    run.Start(3);
    using Tick = SmoothingRun::Tick;
    EXPECT_EQ(run.OnTick(0.05, 0.05), Tick::kNoFix);
    run.TakeFix(Fix(100.0));
    run.TakeFix(Fix(10.0));  // two fixes in one tick: only the later counts
    EXPECT_EQ(run.OnTick(0.05, 0.05), Tick::kAccepted);
    run.TakeFix(Fix(99.0, 0.05));  // at the limit: not accepted
    EXPECT_EQ(run.OnTick(0.05, 0.05), Tick::kRejected);
    EXPECT_EQ(run.Counter(), 2);
    for (double x : {20.0, 30.0}) {
        run.TakeFix(Fix(x));
        EXPECT_EQ(run.OnTick(0.05, 0.05), Tick::kAccepted);
    }
    EXPECT_TRUE(run.Running());
    run.TakeFix(Fix(40.0));  // the tick after the last epoch ends the run
    EXPECT_EQ(run.OnTick(0.05, 0.05), Tick::kFinished);
    EXPECT_FALSE(run.Running());
    EXPECT_EQ(run.Achieved(), 3);
    ASSERT_EQ(run.Epochs().size(), 3u);
    EXPECT_DOUBLE_EQ(run.Averaged().gridX, 20.0);
    EXPECT_DOUBLE_EQ(run.Averaged().gridH, 60.0);
    EXPECT_EQ(run.Averaged().rmsH, 0.01);
}

// Both limits are strict, each on its own: a hair inside both is taken; on either, or past it, not.
TEST(SmoothingRun, EachLimitFromBothSides) {
    struct Case {
        double rmsH, rmsV;
        bool accepted;
    };
    const Case cases[] = {{0.0499, 0.0499, true},
                          {0.05, 0.0499, false},
                          {0.0499, 0.05, false},
                          {0.0501, 0.01, false},
                          {0.01, 0.0501, false}};
    for (const Case& c : cases) {
        SmoothingRun run;
        run.Start(2);
        CGpsState fix = Fix(10.0, c.rmsH);
        fix.rmsV = c.rmsV;
        run.TakeFix(fix);
        EXPECT_EQ(run.OnTick(0.05, 0.05),
                  c.accepted ? SmoothingRun::Tick::kAccepted : SmoothingRun::Tick::kRejected)
            << c.rmsH << " " << c.rmsV;
    }
}

// A run of one epoch ends on the tick after its first accepted fix, not before.
TEST(SmoothingRun, TheSmallestTargetEndsAfterOneEpoch) {
    using Tick = SmoothingRun::Tick;
    SmoothingRun run;
    run.Start(1);
    run.TakeFix(Fix(10.0));
    EXPECT_EQ(run.OnTick(0.05, 0.05), Tick::kAccepted);
    EXPECT_TRUE(run.Running());
    run.TakeFix(Fix(20.0));
    EXPECT_EQ(run.OnTick(0.05, 0.05), Tick::kFinished);
    EXPECT_EQ(run.Achieved(), 1);
    EXPECT_DOUBLE_EQ(run.Averaged().gridX, 10.0);
}

TEST(SmoothingRun, StopKeepsWhatWasAccepted) {
    for (int accepted : {0, 1, 5}) {
        SmoothingRun run;
        run.Start(8);
        for (int i = 0; i < accepted; ++i) {
            run.TakeFix(Fix(i));
            run.OnTick(0.05, 0.05);
        }
        run.TakeFix(Fix(99.0));
        run.Stop();
        EXPECT_FALSE(run.Running());
        EXPECT_EQ(run.Achieved(), accepted);
        EXPECT_EQ(run.OnTick(0.05, 0.05), SmoothingRun::Tick::kNoFix);  // the pending fix is dropped
        EXPECT_EQ(run.Epochs().size(), static_cast<size_t>(accepted));
    }
}

TEST(AntennaHeight, VerticalHeightsAndRefusals) {
    const AntennaConstants antenna{0.014, 0.106, 0.1};
    struct Case {
        int type;
        double measured, vertical;
        const wchar_t* fault;
    } cases[] = {
        {kVerticalHeight, 1.2345, 1.2345, L""},  // as measured, not rounded
        {kSlantHeight, 1.5, 1.511, L""},         // sqrt(2.25 - 0.01) + 0.014
        {kPoleHeight, 2.0, 2.106, L""},
        {kVerticalHeight, -0.1, -0.1, L"天线高不能小于0!"},
        {kSlantHeight, 0.1, NAN, L"斜高不能小于天线半径!"},
        {kSlantHeight, 0.05, NAN, L"斜高不能小于天线半径!"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AntennaHeightFault(c.type, c.measured, antenna), c.fault) << c.measured;
        if (!std::isnan(c.vertical)) {
            EXPECT_DOUBLE_EQ(VerticalAntennaHeight(c.measured, c.type, antenna).value_or(NAN), c.vertical);
        }
    }
}

TEST(OffsetPoint, DistanceAzimuthAndHeightDifferenceFromTheFix) {
    const OffsetPoint east = OffsetFrom(1000.0, 2000.0, 50.0, 10.0, 90.0, -1.5);
    EXPECT_NEAR(east.x, 1000.0, 1e-9);
    EXPECT_NEAR(east.y, 2010.0, 1e-9);
    EXPECT_DOUBLE_EQ(east.h, 48.5);
    EXPECT_NEAR(east.packedAngle, 90.0, 1e-10);
    // 45.3000 is 45 degrees 30 minutes, not 45.3 degrees.
    const OffsetPoint packed = OffsetFrom(0.0, 0.0, 0.0, 10.0, 45.3, 0.0);
    EXPECT_NEAR(packed.x, 10.0 * std::cos(45.5 * M_PI / 180.0), 1e-9);
    EXPECT_NEAR(packed.y, 10.0 * std::sin(45.5 * M_PI / 180.0), 1e-9);
    // Towards a point to the south-west: atan2 gives a negative azimuth, kept as it is.
    EXPECT_NEAR(PackedAzimuth(0.0, 0.0, -10.0, -10.0), -135.0, 1e-9);
}
