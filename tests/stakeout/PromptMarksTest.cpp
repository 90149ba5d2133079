// Ring radii and band offsets worked by hand at 0.01 m a pixel on a 200 x 200 plot.
#include <gtest/gtest.h>

#include "stakeout/PromptMarks.h"
#include "stakeout/StakeView.h"

namespace {

PlotViewport View(double mpp) {
    PlotViewport v;
    v.SetClientRect(0, 0, 200, 200);
    v.SetView(0, 0, mpp);
    return v;
}

TEST(PromptMarks, RingRadii) {
    struct Case {
        double min, max;
        std::vector<int32_t> radii;
    };
    const Case cases[] = {
        {0.3, 0.9, {30, 60, 90}},
        {0.4, 0.9, {40, 80, 120}},  // the outer ring at the first multiple that reaches max
        {0.1, 0.3, {10, 20, 30}},   // 0.3 / 0.1 truncates to 2: the extra ring restores the third
        {0.9, 0.9, {}},
        {0.89, 0.9, {89, 178}},  // just below max: the extra ring at 2 min
        {0.5, 0.3, {}},
        {0.00005, 0.9, {}},
        {0.3, 30.0, {30, 60, 90, 120, 150, 180, 210, 240, 270}},  // none beyond the far corner (282)
    };
    const PlotViewport view = View(0.01);
    for (const Case& c : cases)
        EXPECT_EQ(RingRadii(c.min, c.max, view, {0, 0}), c.radii) << c.min << " " << c.max;
}

TEST(PromptMarks, TinySpacingGivesEachPixelOnce) {
    const std::vector<int32_t> radii = RingRadii(0.0001, 100000.0, View(0.01), {100, 100});
    ASSERT_EQ(radii.size(), 141u);  // 1 .. 141, the corners lie 141.4 pixels away
    for (size_t i = 0; i < radii.size(); ++i) EXPECT_EQ(radii[i], static_cast<int32_t>(i + 1));
    EXPECT_LE(BandSegments(0, 0, 1, 0, 0.0001, 100000.0, View(0.01)).size(), 2u * 2 * 205);
}

TEST(PromptMarks, Bands) {
    // A line due north through the plot's middle at 0.02 m a pixel: the bands lie east and west of it.
    const PlotViewport view = View(0.02);
    const auto bands = [&](double min, double max) {
        return BandSegments(1.0, 2.0, 3.0, 2.0, min, max, view);
    };
    EXPECT_EQ(bands(0.3, 1.5).size(), 10u);  // five a side, no extra
    const std::vector<PixelSegment> extra = bands(0.4, 1.5);
    ASSERT_EQ(extra.size(), 8u);  // three a side and one at 1.5
    EXPECT_EQ(extra[0].from.x, 80);
    EXPECT_EQ(extra[1].from.x, 120);
    EXPECT_EQ(extra[6].from.x, 25);
    EXPECT_EQ(extra[7].from.x, 175);
    EXPECT_EQ(bands(0.4, 3.0).size(), 10u);  // none beyond the plot's far corner
    EXPECT_TRUE(bands(0.00011, 0.3).size() > 0);
    EXPECT_TRUE(bands(0.0001, 0.3).empty());
    EXPECT_TRUE(bands(0.5, 0.3).empty());
}

// The follow rules of the point screen on a 200 x 200 plot at 0.02 m a pixel with P in its middle:
// the view moves when T is off the plot, when the two are apart on the ground (over 0.2 m) but under
// 20 pixels apart on the plot, or when the scale is coarser than 50 km a pixel.
TEST(StakeView, KeepTargetInViewAtEachLimit) {
    struct Case {
        const char* name;
        double mpp, pn, pe, tn, te;
        bool moves;
    };
    const Case cases[] = {
        {"0.199 m apart, 10 pixels", 0.02, 2, 2, 2, 2.199, false},
        {"0.201 m apart, 10 pixels", 0.02, 2, 2, 2, 2.201, true},
        {"19 pixels apart", 0.02, 2, 2, 2, 2.37, true},
        {"20 pixels apart", 0.02, 2, 2, 2, 2.40, false},
        {"T on the plot's right edge", 0.02, 2, 2, 2, 4.0, false},
        {"T a pixel beyond it", 0.02, 2, 2, 2, 4.015, true},
        {"T on the plot's top edge", 0.02, 2, 2, 4.0, 2, false},
        // Rows above the plot round towards it: three quarters of a pixel above lands on the edge.
        {"T three quarters of a pixel above it", 0.02, 2, 2, 4.015, 2, false},
        {"T a pixel and a half above it", 0.02, 2, 2, 4.04, 2, true},
        {"50 km a pixel", 50000.0, 1e6, 1e6, 1e6, 2e6, false},
        {"a little coarser", 50001.0, 1e6, 1e6, 1e6, 2e6, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlotViewport v = View(c.mpp);
        const PointRecord target{L"T", c.tn, c.te, 0, L"", 0};
        EXPECT_EQ(KeepTargetInView(v, c.pn, c.pe, &target), c.moves);
        EXPECT_EQ(v.MetresPerPixel() != c.mpp, c.moves);
    }
}

TEST(StakeView, FitViewToBoxNoFinerThanACentimetreAPixel) {
    struct Case {
        double size, mpp;
    };
    // A 200-pixel plot: a 2 m box is exactly 0.01 m a pixel.
    for (const Case& c : {Case{1.0, 0.01}, Case{2.0, 0.01}, Case{2.02, 0.0101}, Case{4.0, 0.02}}) {
        PlotViewport v = View(1.0);
        ASSERT_TRUE(FitViewToBox(v, 10, 10 + c.size, 20, 20 + c.size));
        EXPECT_NEAR(v.MetresPerPixel(), c.mpp, 1e-12) << c.size;
        EXPECT_NEAR(v.OriginN(), 10 + c.size / 2 - 100 * c.mpp, 1e-9) << c.size;
    }
}

TEST(StakeView, FitsSkipATinyPlot) {
    PlotViewport v;
    v.SetClientRect(0, 0, 12, 100);
    v.SetView(1, 2, 3);
    EXPECT_FALSE(FitViewToBox(v, 0, 10, 0, 10));
    v.SetClientRect(0, 0, 100, 12);
    EXPECT_FALSE(FitViewToBox(v, 0, 10, 0, 10));
    v.SetClientRect(0, 0, 12, 100);
    const PointRecord target{L"T", 500, 500, 0, L"", 0};
    EXPECT_FALSE(KeepTargetInView(v, 0, 0, &target));
    EXPECT_EQ(v.MetresPerPixel(), 3.0);
    v.SetClientRect(0, 0, 13, 13);  // a pixel more than the margin either way
    EXPECT_TRUE(FitViewToBox(v, 0, 10, 0, 10));
    v.SetView(1, 2, 3);
    v.SetClientRect(0, 0, 112, 212);
    EXPECT_TRUE(KeepTargetInView(v, 0, 0, &target));
    // Three times the scale that puts both on the plot, the position in the middle.
    EXPECT_DOUBLE_EQ(v.MetresPerPixel(), 15.0);
    EXPECT_DOUBLE_EQ(v.OriginN(), -212 * 15.0 / 2);
}

}  // namespace
