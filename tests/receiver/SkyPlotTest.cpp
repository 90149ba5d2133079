#include "receiver/SkyPlot.h"

#include <gtest/gtest.h>

TEST(SkyPlot, CirclesByElevationMask) {
    const struct {
        double mask;
        std::vector<PlotCircle> circles;
    } cases[] = {
        {0, {{45, false}}},
        {30, {{30, true}, {45, false}}},
        {45, {{45, true}, {45, false}}},
        {60, {{45, false}, {60, true}}},
        {90, {{45, false}, {90, true}}},
        {95, {{45, false}}},
    };
    for (const auto& c : cases) EXPECT_EQ(ElevationCircles(c.mask), c.circles) << c.mask;
}

TEST(SkyPlot, CircleInsetIsTheCosineOfTheElevationPlusTheMargin) {
    const SkyPlotBox box;
    EXPECT_EQ(box.Radius(), 90);
    EXPECT_EQ(ElevationCircle(box, 0), (SkyRect{29, 24, 197, 192}));
    // (1 - cos 45) * 90 + 6 = 32.36
    EXPECT_EQ(ElevationCircle(box, 45), (SkyRect{55, 50, 171, 166}));
    // (1 - cos 60) * 90 + 6 comes out a hair below 51 in doubles: truncated to 50.
    EXPECT_EQ(ElevationCircle(box, 60), (SkyRect{73, 68, 153, 148}));
}

TEST(SkyPlot, SatellitesArePulledTowardsTheCentreByTheMargin) {
    const SkyPlotBox box;
    const int cx = box.left + 90, cy = box.top + 90;
    const struct {
        double elevation, azimuth;
        SkyPoint point;
    } cases[] = {
        {90, 0, {true, cx + 6, cy + 6}},     // zero offsets move by +6: the asymmetric nudge
        {0, 90, {true, cx + 84, cy + 6}},    // px 90 -> 84
        {0, 0, {true, cx + 6, cy - 84}},     // py -90 -> -84
        {0, 270, {true, cx - 84, cy + 6}},   // px -90 -> -84
        {0, 180, {true, cx + 6, cy + 84}},   // sin 180 is a hair above zero: px 0 -> +6
        {30, 45, {true, cx + 49, cy - 49}},  // 90 cos 30 sin 45 = 55.1
        {0, 135, {true, cx + 57, cy + 57}},  // 63.6 -> 57
    };
    for (const auto& c : cases)
        EXPECT_EQ(SatellitePoint(box, c.elevation, c.azimuth), c.point) << c.elevation << " " << c.azimuth;
}

TEST(SkyPlot, APointBeyondTheHorizonIsNotShown) {
    SkyPlotBox wide;
    wide.margin = -6;  // pushed outwards: a horizon satellite falls outside the circle
    EXPECT_FALSE(SatellitePoint(wide, 0, 90).shown);
    EXPECT_TRUE(SatellitePoint(wide, 60, 90).shown);
}
