#include <gtest/gtest.h>

#include "foundation/screens/CPlotCanvas.h"
#include "foundation/screens/DrawingRoutines.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

PointRecord Point(const wchar_t* name, double n, double e) {
    PointRecord p;
    p.name = name;
    p.x = n;
    p.y = e;
    return p;
}

int CountColor(const Framebuffer& fb, const CRect& area, COLORREF color) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) n += fb.colorAt(x, y) == color;
    return n;
}

// A plot control of 240 x 200 pixels on a white framebuffer, 1 m per pixel.
class CPlotCanvasTest : public ::testing::Test {
protected:
    CPlotCanvasTest() : fb(240, 200), dc(fb) {
        canvas.SetClientRect(0, 0, 240, 200);
        canvas.SetView(1000.0, 5000.0, 1.0);
    }
    Framebuffer fb;
    CDC dc;
    CPlotCanvas canvas;
};

}  // namespace

TEST_F(CPlotCanvasTest, MarkerIsSilentTwiceThenErasesItselfExactly) {
    dc.Rectangle(20, 20, 200, 180);
    const Framebuffer background = fb;
    canvas.DrawPosition(dc, 1100, 5100, 0);
    canvas.DrawPosition(dc, 1100, 5100, 0);
    EXPECT_EQ(fb, background);

    canvas.DrawPosition(dc, 1100, 5100, 0);
    EXPECT_NE(fb, background);
    EXPECT_EQ(fb.colorAt(108, 100), kBlack);  // the circle of radius 8 around (100, 100)

    // Moving: the circle goes and the arrow comes, as if drawn on the bare background.
    canvas.DrawPosition(dc, 1100, 5110, 0);
    Framebuffer expected = background;
    {
        CDC other(expected);
        CPlotCanvas fresh;
        fresh.SetClientRect(0, 0, 240, 200);
        fresh.SetView(1000.0, 5000.0, 1.0);
        fresh.DrawPosition(other, 1100, 5100, 0);
        fresh.DrawPosition(other, 1100, 5100, 0);
        fresh.DrawPosition(other, 1100, 5110, 0);
        ASSERT_EQ(fresh.CurrentMarker().size(), 4u);
    }
    EXPECT_EQ(fb, expected);

    // Standing still again: back to a circle at the new place; erasing it restores the background.
    canvas.DrawPosition(dc, 1100, 5110, 0);
    EXPECT_EQ(canvas.CurrentMarker().size(), 1u);
    dc.SetROP2(R2_NOT);
    DrawCircle(dc, 110, 100, 8);
    DrawCircle(dc, 110, 100, 2);
    EXPECT_EQ(fb, background);
}

TEST_F(CPlotCanvasTest, SelectionSquareAndRubberBandAreErasedExactly) {
    canvas.AddDisplayPoint(Point(L"P1", 1100, 5100));
    canvas.DrawPoints(dc);
    const Framebuffer withPoints = fb;
    bool picked = false;
    PointRecord point;
    EXPECT_FALSE(canvas.OnMouseDown(CPoint(101, 101), dc, picked, point));
    ASSERT_TRUE(picked);
    EXPECT_EQ(point.name, L"P1");
    EXPECT_NE(fb, withPoints);
    EXPECT_FALSE(canvas.OnMouseDown(CPoint(30, 30), dc, picked, point));
    EXPECT_FALSE(picked);
    EXPECT_EQ(fb, withPoints);

    canvas.BeginZoomBox();
    canvas.OnMouseDown(CPoint(40, 40), dc, picked, point);
    EXPECT_FALSE(canvas.OnMouseMove(CPoint(80, 90), dc));
    EXPECT_NE(fb, withPoints);
    EXPECT_FALSE(canvas.OnMouseMove(CPoint(60, 70), dc));
    // The band to (80, 90) is gone; the one to (60, 70) is on the screen.
    EXPECT_EQ(fb.colorAt(80, 60), withPoints.colorAt(80, 60));
    EXPECT_NE(fb.colorAt(60, 55), withPoints.colorAt(60, 55));
    EXPECT_TRUE(canvas.OnMouseUp(CPoint(60, 70)));
}

TEST_F(CPlotCanvasTest, SignalGlyphBlinks) {
    const CRect bars(16, 1, 60, 15);
    canvas.DrawSignalGlyph(dc, 2);
    const int full = CountColor(fb, bars, kBlack);
    canvas.DrawSignalGlyph(dc, 2);
    const int empty = CountColor(fb, bars, kBlack);
    EXPECT_GT(full, empty + 8 * 2);
    canvas.DrawSignalGlyph(dc, 6);
    EXPECT_EQ(CountColor(fb, CRect(29, 1, 60, 15), kBlack), 0);  // 2 bars only
    EXPECT_GT(CountColor(fb, CRect(16, 1, 24, 15), kBlack), 0);
}

TEST_F(CPlotCanvasTest, FurnitureLandsInItsCorners) {
    canvas.DrawScaleBar(dc);
    EXPECT_EQ(CountColor(fb, CRect(191, 194, 213, 198), kBlack), 22 * 4);  // the black half
    EXPECT_GT(CountColor(fb, CRect(190, 181, 238, 191), kBlack), 0);       // its label

    canvas.DrawNorthArrow(dc);
    EXPECT_EQ(fb.colorAt(233, 14), RGB(0, 128, 128));
    EXPECT_GT(CountColor(fb, CRect(225, 20, 240, 36), kBlack), 0);  // "北"

    canvas.DrawClock(dc, 9, 5, 7);
    EXPECT_GT(CountColor(fb, CRect(1, 188, 56, 200), kBlack), 0);
    canvas.DrawLinkTag(dc, 1, 0, 1);
    EXPECT_GT(CountColor(fb, CRect(1, 2, 9, 14), kBlack), 0);
}

// Names keep off the furniture and off each other: a second name at the same place goes to the
// left, a third is left out, and a name that would cross the scale bar goes to the other side.
TEST_F(CPlotCanvasTest, PointNamesKeepOffTheFurnitureAndEachOther) {
    canvas.DrawScaleBar(dc);
    canvas.DrawNorthArrow(dc);
    const CRect scaleBar(190, 181, 238, 199), arrow(225, 2, 240, 36);
    const int scaleInk = CountColor(fb, scaleBar, kBlack), arrowInk = CountColor(fb, arrow, kBlack);
    canvas.StartLabels();
    // 1 m per pixel from (1000, 5000) at the bottom left: a point (n, e) is at (e - 5000, 1200 - n).
    for (const wchar_t* name : {L"A1", L"A2", L"A3"}) canvas.AddDisplayPoint(Point(name, 1100, 5100));
    canvas.AddDisplayPoint(Point(L"B", 1010, 5185));  // beside the scale bar's label
    canvas.AddDisplayPoint(Point(L"C", 1175, 5220));  // beside the north arrow
    canvas.DrawPoints(dc);
    EXPECT_EQ(CountColor(fb, scaleBar, kBlack), scaleInk);
    EXPECT_EQ(CountColor(fb, arrow, kBlack), arrowInk);
    const int right = CountColor(fb, CRect(105, 95, 140, 105), kBlack);
    const int left = CountColor(fb, CRect(60, 95, 95, 105), kBlack);
    EXPECT_GT(right, 0);
    EXPECT_GT(left, 0);
    EXPECT_GT(CountColor(fb, CRect(145, 185, 180, 195), kBlack), 0);  // B to the left
    EXPECT_GT(CountColor(fb, CRect(180, 20, 215, 30), kBlack), 0);    // C to the left
    // A3 drew no name over the other two.
    canvas.StartLabels();
    fb.fill(kWhite);
    canvas.ClearDisplayPoints();
    canvas.AddDisplayPoint(Point(L"A1", 1100, 5100));
    canvas.DrawPoints(dc);
    EXPECT_EQ(CountColor(fb, CRect(105, 95, 140, 105), kBlack), right);
}

// At every scale, up to a far target's, the scale bar's label shows whole on the plot: a label
// wider than the bar grows to the left, and names keep off all of it.
TEST_F(CPlotCanvasTest, ScaleBarLabelShowsWholeAtEveryScale) {
    const CRect band(0, 181, 240, 191);  // the label's rows, over the bar
    for (double mpp = 0.01; mpp < 200000.0; mpp *= 3.0) {
        fb.fill(kWhite);
        canvas.SetView(1000.0, 5000.0, mpp);
        canvas.StartLabels();
        canvas.DrawScaleBar(dc);
        int left = band.right, right = band.left;
        for (int y = band.top; y < band.bottom; ++y)
            for (int x = band.left; x < band.right; ++x)
                if (fb.colorAt(x, y) != kWhite) {
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                }
        const int width = dc.GetTextExtent(ScaleBarLabel(24.0 * mpp)).cx;
        EXPECT_GE(right - left, width - 2) << mpp;  // the glyphs' bearings aside
        EXPECT_LE(right, 238) << mpp;

        const CRect label(left, band.top, right, band.bottom);
        const int ink = CountColor(fb, label, kBlack);
        canvas.ClearDisplayPoints();
        // A point just left of the label's first digit, its name's place on the label.
        canvas.AddDisplayPoint(Point(L"名称", 1000.0 + 14.0 * mpp, 5000.0 + (left - 8) * mpp));
        canvas.DrawPoints(dc);
        EXPECT_EQ(CountColor(fb, label, kBlack), ink) << mpp;
    }
}
