#include <gtest/gtest.h>

#include <cmath>

#include "foundation/PlotViewport.h"

namespace {

PointRecord Point(const wchar_t* name, double n, double e) {
    PointRecord p;
    p.name = name;
    p.x = n;
    p.y = e;
    return p;
}

class PlotViewportTest : public ::testing::Test {
protected:
    void SetUp() override { view.SetClientRect(0, 0, 200, 100); }
    PlotViewport view;
};

}  // namespace

TEST_F(PlotViewportTest, TransformsBothWays) {
    EXPECT_EQ(view.WorldToScreen(0, 0), (PixelPoint{0, 100}));
    view.SetView(1000.0, 2000.0, 0.5);
    EXPECT_EQ(view.WorldToScreen(1010.0, 2020.0), (PixelPoint{40, 80}));
    const WorldPoint w = view.ScreenToWorld(40, 80);
    EXPECT_DOUBLE_EQ(w.n, 1010.0);
    EXPECT_DOUBLE_EQ(w.e, 2020.0);
    // A point a world away stays within the pixel limit instead of overflowing.
    view.SetView(0, 0, 0.001);
    const PixelPoint far = view.WorldToScreen(-1e9, 1e9);
    EXPECT_EQ(far.x, kPixelLimit);
    EXPECT_EQ(far.y, kPixelLimit);
}

TEST_F(PlotViewportTest, ZoomKeepsCentreAndStopsAtTheLimit) {
    view.SetView(0, 0, 0.0001);
    EXPECT_FALSE(view.ZoomIn());
    EXPECT_DOUBLE_EQ(view.MetresPerPixel(), 0.0001);

    view.SetView(500, 700, 0.0002);
    const WorldPoint centre = view.ScreenToWorld(100, 50);
    EXPECT_TRUE(view.ZoomIn());
    EXPECT_DOUBLE_EQ(view.MetresPerPixel(), 0.000175);
    const WorldPoint after = view.ScreenToWorld(100, 50);
    EXPECT_NEAR(after.n, centre.n, 1e-9);
    EXPECT_NEAR(after.e, centre.e, 1e-9);

    EXPECT_TRUE(view.ZoomOut());
    EXPECT_DOUBLE_EQ(view.MetresPerPixel(), 0.00035);
}

TEST_F(PlotViewportTest, ZoomBox) {
    view.SetView(0, 0, 1.0);
    // Zero width: no zoom, and the box is disarmed.
    view.BeginZoomBox();
    view.MouseDown({10, 10});
    EXPECT_FALSE(view.MouseUp({10, 50}));
    EXPECT_FALSE(view.ZoomBoxArmed());
    EXPECT_DOUBLE_EQ(view.MetresPerPixel(), 1.0);

    // A box of 50 x 20 pixels: the wider ratio wins and the box centre becomes the view centre.
    view.BeginZoomBox();
    view.MouseDown({20, 30});
    RubberBand band;
    EXPECT_FALSE(view.MouseMove({60, 40}, band));
    EXPECT_EQ(band.erase, (PixelRect{20, 30, 20, 30}));
    EXPECT_EQ(band.draw, (PixelRect{20, 30, 60, 40}));
    EXPECT_FALSE(view.MouseMove({70, 50}, band));
    EXPECT_EQ(band.erase, (PixelRect{20, 30, 60, 40}));
    EXPECT_EQ(band.draw, (PixelRect{20, 30, 70, 50}));
    const WorldPoint boxCentre = view.ScreenToWorld(45, 40);
    EXPECT_TRUE(view.MouseUp({70, 50}));
    EXPECT_DOUBLE_EQ(view.MetresPerPixel(), 0.25);
    const WorldPoint centre = view.ScreenToWorld(100, 50);
    EXPECT_DOUBLE_EQ(centre.n, boxCentre.n);
    EXPECT_DOUBLE_EQ(centre.e, boxCentre.e);

    // A tiny box at a fine scale stops at 0.01 m per pixel.
    view.SetView(0, 0, 0.02);
    view.BeginZoomBox();
    view.MouseDown({10, 10});
    EXPECT_TRUE(view.MouseUp({12, 12}));
    EXPECT_DOUBLE_EQ(view.MetresPerPixel(), 0.01);

    // A tap outside the plot area disarms the box.
    view.BeginZoomBox();
    view.MouseDown({250, 10});
    EXPECT_FALSE(view.ZoomBoxArmed());
}

TEST_F(PlotViewportTest, PanWaitsForBothCoordinatesToChange) {
    view.SetView(0, 0, 2.0);
    view.MouseDown({50, 50});
    RubberBand band;
    EXPECT_FALSE(view.MouseMove({60, 50}, band));
    EXPECT_FALSE(view.MouseMove({70, 50}, band));
    EXPECT_DOUBLE_EQ(view.OriginE(), 0.0);
    EXPECT_TRUE(view.MouseMove({75, 40}, band));
    EXPECT_DOUBLE_EQ(view.OriginE(), -50.0);
    EXPECT_DOUBLE_EQ(view.OriginN(), -20.0);
    EXPECT_FALSE(view.MouseMove({300, 40}, band));
}

TEST_F(PlotViewportTest, PickingMarksAndClearsTheSelection) {
    view.AddDisplayPoint(Point(L"P1", 50, 50));
    view.AddDisplayPoint(Point(L"FAR", 5000, 5000));
    view.AddDisplayPoint(Point(L"P2", 60, 100));
    ASSERT_EQ(view.VisiblePoints().size(), 2u);
    EXPECT_EQ(view.VisiblePoints()[1].index, 2);

    PickResult r = view.MouseDown({103, 43});
    ASSERT_TRUE(r.picked);
    EXPECT_EQ(r.point.name, L"P2");
    EXPECT_FALSE(r.eraseSquare.has_value());
    EXPECT_EQ(r.drawSquare, (PixelRect{96, 36, 104, 44}));

    r = view.MouseDown({50, 50});
    ASSERT_TRUE(r.picked);
    EXPECT_EQ(r.point.name, L"P1");
    EXPECT_EQ(r.eraseSquare, (PixelRect{96, 36, 104, 44}));

    r = view.MouseDown({150, 90});
    EXPECT_FALSE(r.picked);
    EXPECT_EQ(r.eraseSquare, (PixelRect{46, 46, 54, 54}));
    EXPECT_EQ(view.SelectionRect(), (PixelRect{-1, -1, -1, -1}));
    EXPECT_FALSE(view.SelectionShown());

    double minN = 0, minE = 0, maxN = 0, maxE = 0;
    EXPECT_TRUE(view.GetExtents(minN, minE, maxN, maxE));
    EXPECT_EQ(maxN, 5000);
    EXPECT_EQ(minE, 50);
    PlotViewport empty;
    EXPECT_FALSE(empty.GetExtents(minN, minE, maxN, maxE));
}

TEST_F(PlotViewportTest, KeepInViewRecentresOutsidePositions) {
    view.SetView(0, 0, 1.0);
    EXPECT_FALSE(view.KeepInView(50, 100));
    EXPECT_TRUE(view.KeepInView(150, 100));
    EXPECT_DOUBLE_EQ(view.OriginN(), 100.0);
    EXPECT_DOUBLE_EQ(view.OriginE(), 0.0);
}

TEST_F(PlotViewportTest, MarkerNeedsTwoPositionsThenCircleBelowTwoCentimetres) {
    EXPECT_FALSE(view.NextMarker(0, 0, 0).draw);
    EXPECT_FALSE(view.NextMarker(0, 0, 0).draw);
    MarkerStep s = view.NextMarker(0, 0.019, 0);
    ASSERT_TRUE(s.draw);
    EXPECT_TRUE(s.erase.empty());
    EXPECT_EQ(s.outline.size(), 1u);

    PlotViewport moving;
    moving.SetClientRect(0, 0, 200, 100);
    moving.NextMarker(0, 0, 0);
    moving.NextMarker(0, 0, 0);
    EXPECT_EQ(moving.NextMarker(0, 0.02, 0).outline.size(), 4u);
}

TEST_F(PlotViewportTest, MarkerArrowPointsAlongTheTravel) {
    view.NextMarker(50, 0, 0);
    view.NextMarker(50, 0, 0);
    view.NextMarker(50, 0, 0);
    // Moving east: the tip lies 15 pixels ahead, the barbs 24 pixels behind it and 6 to the sides.
    MarkerStep s = view.NextMarker(50, 10, 0);
    ASSERT_EQ(s.outline.size(), 4u);
    EXPECT_EQ(s.erase, (MarkerOutline{{0, 50}}));
    EXPECT_EQ(s.outline, (MarkerOutline{{10, 50}, {25, 50}, {1, 44}, {1, 56}}));

    // After a repaint the marker restarts as a circle at the last position, erasing nothing.
    std::optional<MarkerStep> again = view.RestartMarker();
    ASSERT_TRUE(again.has_value());
    EXPECT_TRUE(again->erase.empty());
    EXPECT_EQ(again->outline, (MarkerOutline{{10, 50}}));
}

TEST(PlotFurnitureTest, ScaleBarLabels) {
    EXPECT_EQ(ScaleBarLabel(0.05), L"0.1米");
    EXPECT_EQ(ScaleBarLabel(0.15), L"0.2米");
    EXPECT_EQ(ScaleBarLabel(4.9), L"5米");
    EXPECT_EQ(ScaleBarLabel(7), L"10米");
    EXPECT_EQ(ScaleBarLabel(240), L"200米");
    EXPECT_EQ(ScaleBarLabel(24000), L"20000米");
}

TEST(PlotFurnitureTest, SignalBarsBlinkAndFade) {
    PlotViewport view;
    EXPECT_EQ(view.NextSignalBars(2), 8);
    EXPECT_EQ(view.NextSignalBars(2), 0);
    EXPECT_EQ(view.NextSignalBars(5), 3);
    view.NextSignalBars(5);
    EXPECT_EQ(view.NextSignalBars(9), 0);
    view.NextSignalBars(0);
    EXPECT_EQ(view.NextSignalBars(0), 0);
}

TEST(PlotFurnitureTest, LinkTag) {
    EXPECT_EQ(LinkTagText(1, 0, 0), CString(L" "));
    EXPECT_EQ(LinkTagText(1, 0, 1), CString(L"R"));
    EXPECT_EQ(LinkTagText(2, 0, 1), CString(L"E"));
    EXPECT_EQ(LinkTagText(0, 8, 1), CString(L"8"));
    EXPECT_EQ(LinkTagText(0, 9, 1), CString(L" "));
    EXPECT_EQ(LinkTagText(3, 1, 1), std::nullopt);
}
