// Line guidance against references worked by hand, or constructed from the line's own frame: for an
// azimuth a, B = A + L (cos a, sin a) and P = A + t (cos a, sin a) + o (sin a, -cos a), so that P
// lies o to the left of A->B with its foot t along it.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "stakeout/LineGuidance.h"
#include "stakeout/StakeGeometry.h"
#include "stakeout/StakeReadouts.h"

namespace {

LineSegRec Line(double ax, double ay, double bx, double by, double mileage = 1000.0) {
    LineSegRec l;
    l.start = {L"A", ax, ay, 0.0, L"", 0};
    l.end = {L"B", bx, by, 0.0, L"", 0};
    l.startMileage = mileage;
    return l;
}

CGpsState Fix() {
    CGpsState fix;
    fix.fixFlag = 1;
    fix.solutionCode = kSolFixed;
    fix.solutionText = L"FIXED";
    return fix;
}

struct Frame {
    LineSegRec line;
    double ux, uy, lx, ly;  // along and to the left, unit vectors
    Frame(double an, double ae, double azimuthDeg, double length) {
        const double a = azimuthDeg * std::numbers::pi / 180.0;
        ux = std::cos(a);
        uy = std::sin(a);
        lx = uy;
        ly = -ux;
        line = Line(an, ae, an + length * ux, ae + length * uy, 0.0);
    }
    double Px(double t, double o) const { return line.start.x + t * ux + o * lx; }
    double Py(double t, double o) const { return line.start.y + t * uy + o * ly; }
};

TEST(LineGuidance, ThreeFourFiveTriangleAtTheOriginAndAtGridMagnitudes) {
    // A (0, 0), B (30, 40), P (30, 0): AB = 50, cross = -1200 so the offset is 24 to the left;
    // AP . AB = 900 gives 18 along from A and 32 from B, the foot 18/50 of (30, 40).
    for (const auto& [n0, e0] : {std::pair{0.0, 0.0}, std::pair{3000000.0, 500000.0}}) {
        SCOPED_TRACE(n0);
        const LineSegRec line = Line(n0, e0, n0 + 30, e0 + 40);
        LineGuidance g;
        ComputeLineGuidance(&line, n0 + 30, e0, g);
        ASSERT_TRUE(g.computed && g.footInside);
        EXPECT_NEAR(g.offset, 24.0, 1e-9);
        EXPECT_NEAR(g.alongStart, 18.0, 1e-9);
        EXPECT_NEAR(g.alongEnd, 32.0, 1e-9);
        EXPECT_NEAR(g.footX - n0, 10.8, 1e-9);
        EXPECT_NEAR(g.footY - e0, 14.4, 1e-9);
        EXPECT_NEAR(g.mileage, 1018.0, 1e-9);
        LineReadouts r;
        FormatLineReadouts(&line, g, 1, Fix(), r);
        EXPECT_EQ(r.offset, L"左24.000");
        EXPECT_EQ(r.dx, L"南19.200");
        EXPECT_EQ(r.dy, L"东14.400");
        EXPECT_EQ(r.mileage, L"1018.000");
        EXPECT_EQ(r.startDistance, L"18.000");
        EXPECT_EQ(r.endDistance, L"32.000");
        EXPECT_EQ(r.name, L"A-B");
    }
}

TEST(LineGuidance, SideAndFootOnLinesInEveryDirection) {
    const double azimuths[] = {0.0, 90.0, 180.0, 270.0, 0.0001, 359.9999, 45.0, 200.0};
    for (const double az : azimuths) {
        for (const double o : {2.5, -2.5}) {
            SCOPED_TRACE(testing::Message() << "azimuth " << az << " offset " << o);
            const Frame f(3000000.0, 500000.0, az, 100.0);
            const double px = f.Px(40.0, o), py = f.Py(40.0, o);
            LineGuidance g;
            ComputeLineGuidance(&f.line, px, py, g);
            ASSERT_TRUE(g.footInside);
            EXPECT_NEAR(g.offset, o, 1e-6);
            EXPECT_NEAR(g.alongStart, 40.0, 1e-6);
            EXPECT_NEAR(g.footX, f.Px(40.0, 0), 1e-6);
            EXPECT_NEAR(g.footY, f.Py(40.0, 0), 1e-6);
            double fx = 0, fy = 0;
            const auto& a = f.line.start;
            const auto& b = f.line.end;
            EXPECT_EQ(PerpendicularFoot(a.x, a.y, b.x, b.y, px, py, fx, fy), 1);
            EXPECT_NEAR(fx, f.Px(40.0, 0), 1e-6);
            EXPECT_NEAR(fy, f.Py(40.0, 0), 1e-6);
            LineReadouts r;
            FormatLineReadouts(&f.line, g, 0, Fix(), r);
            EXPECT_EQ(r.offset, o > 0 ? L"左2.500" : L"右2.500");
        }
    }
}

TEST(LineGuidance, PositionsAlongTheLine) {
    // Due north, so that a foot on an end is exactly on it.
    const Frame f(3000000.0, 500000.0, 0.0, 100.0);
    struct Case {
        double t, o;
        bool inside;
        int strictFoot;
        double mileage;
        const wchar_t* offset;
    };
    const Case cases[] = {
        {-5.0, 3.0, false, 0, -5.0, L"左3.000"},        // before A: below the start
        {105.0, 3.0, false, 0, 105.0, L"左3.000"},      // beyond B: past the end
        {0.0, 3.0, true, 0, 0.0, L"左3.000"},           // foot on A
        {100.0, 3.0, true, 0, 100.0, L"左3.000"},       // foot on B
        {50.0, 0.0, true, 1, 50.0, L"右0.000"},         // on the line
        {-0.001, 3.0, false, 0, -0.001, L"左3.000"},    // a millimetre before A
        {100.001, 3.0, false, 0, 100.001, L"左3.000"},  // a millimetre beyond B
        {0.001, 3.0, true, 1, 0.001, L"左3.000"},       // a millimetre inside each end: the foot is
        {99.999, 3.0, true, 1, 99.999, L"左3.000"},     // strictly between them
        {50.0, 0.000002, true, 1, 50.0, L"左0.000"},    // the smallest offset that reads left
        {50.0, 0.0000005, true, 1, 50.0, L"右0.000"},   // below it: right
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.t);
        // A position inside first, so that what is kept off the segment can be seen.
        LineGuidance g;
        ComputeLineGuidance(&f.line, f.Px(20.0, 1.0), f.Py(20.0, 1.0), g);
        const double keptX = g.footX;
        ComputeLineGuidance(&f.line, f.Px(c.t, c.o), f.Py(c.t, c.o), g);
        EXPECT_EQ(g.footInside, c.inside);
        EXPECT_NEAR(g.mileage, c.mileage, 1e-6);
        if (!c.inside) {
            EXPECT_EQ(g.footX, keptX);
        }
        double fx = 0, fy = 0;
        const auto& a = f.line.start;
        const auto& b = f.line.end;
        if (c.o != 0.0) {
            EXPECT_EQ(PerpendicularFoot(a.x, a.y, b.x, b.y, f.Px(c.t, c.o), f.Py(c.t, c.o), fx, fy),
                      c.strictFoot);
        }
        LineReadouts r;
        FormatLineReadouts(&f.line, g, 0, Fix(), r);
        EXPECT_EQ(r.offset, c.offset);
    }
}

// A line entered in another grid (before a calibration) lies hundreds of kilometres from the
// position: its distances read as beyond a stake-out, and no readout is longer than its field's ten
// characters, whatever the start mileage.
TEST(LineReadouts, DistancesBeyondAStakeOutSaySoAndEveryTextKeepsToItsField) {
    struct Case {
        const char* what;
        double startMileage, t, o;
        const wchar_t *offset, *startDistance, *endDistance, *mileage;
    };
    const Case cases[] = {
        {"the longest offset staked", 0.0, 50.0, 99999.0, L"左99999.000", L"99999.013", L"99999.013",
         L"50.000"},
        {"an offset of 100 km", 0.0, 50.0, 100000.0, L"左>100km", L">100km", L">100km", L">100km"},
        {"a line made before a calibration", 0.0, 50.0, -1595672.5, L"右>100km", L">100km", L">100km",
         L">100km"},
        {"99 km before the start", 0.0, -99000.0, 0.0, L"右0.000", L"99000.000", L"99100.000", L"-99000.000"},
        {"100 km before the start", 0.0, -100000.0, 0.0, L"右0.000", L">100km", L">100km", L">100km"},
        {"100 km beyond the end", 0.0, 100100.0, 0.0, L"右0.000", L">100km", L">100km", L">100km"},
        {"a mileage of 100 km", 99950.0, 50.0, 1.0, L"左1.000", L"50.010", L"50.010", L"100000.000"},
        {"a mileage of 1500 km", 1500000.0, 50.0, 1.0, L"左1.000", L"50.010", L"50.010", L"1500050.00"},
        {"a mileage of -1500 km", -1500000.0, 50.0, 1.0, L"左1.000", L"50.010", L"50.010", L"-1499950.0"},
        {"a mileage no field holds", 1.0e12, 50.0, 1.0, L"左1.000", L"50.010", L"50.010", L">100km"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Frame f(3000000.0, 500000.0, 0.0, 100.0);
        f.line.startMileage = c.startMileage;
        LineGuidance g;
        ComputeLineGuidance(&f.line, f.Px(c.t, c.o), f.Py(c.t, c.o), g);
        LineReadouts r;
        FormatLineReadouts(&f.line, g, 0, Fix(), r);
        EXPECT_EQ(r.offset, c.offset);
        EXPECT_EQ(r.startDistance, c.startDistance);
        EXPECT_EQ(r.endDistance, c.endDistance);
        EXPECT_EQ(r.mileage, c.mileage);
        for (const CString* text : {&r.dx, &r.dy, &r.offset, &r.startDistance, &r.endDistance, &r.mileage})
            EXPECT_LE(text->GetLength(), 10) << *text;
    }
}

TEST(LineGuidance, ALineShorterThanAMillimetreComputesNothing) {
    LineGuidance longer;
    const LineSegRec justLonger = Line(10, 10, 10.00101, 10);
    ComputeLineGuidance(&justLonger, 12, 13, longer);
    EXPECT_TRUE(longer.computed);
    for (const double length : {0.0, 0.0009, 0.00099}) {
        const LineSegRec line = Line(10, 10, 10 + length, 10);
        LineGuidance g;
        ComputeLineGuidance(&line, 12, 13, g);
        EXPECT_FALSE(g.computed);
        LinePromptLatches latches;
        const LinePrompts p = EvaluateLinePrompts(line, 10, 10, g, {1.5, 1, 1, 1.0}, latches);
        EXPECT_FALSE(p.enterBeep || p.drawBands || p.mileageBeep);
        LineReadouts r;
        FormatLineReadouts(&line, g, 0, Fix(), r);
        EXPECT_EQ(r.name, L"A-B");
        EXPECT_TRUE(r.offset.IsEmpty() && r.mileage.IsEmpty() && r.startDistance.IsEmpty());
    }
}

TEST(LinePrompts, NearTheLineOneBeepInTwoOutAndOffTheSegmentNothing) {
    const LineSegRec line = Line(0, 0, 100, 0, 0);
    const LinePromptSettings settings{1.5, 1, 0, 50.0};
    LinePromptLatches latches;
    struct Step {
        double x, y;
        bool enter, leave, bands;
    };
    const Step walk[] = {
        {50, 3.0, false, false, false},
        {50, 1.0, true, false, true},
        {50, 0.5, false, false, true},
        {50, 2.0, false, true, false},
        {50, 1.0, true, false, true},
        {101, 1.0, false, false, false},
        {100, 1.0, false, false, false},
        {99, 1.0, false, false, true},
        {99, 1.6, false, true, false},
        // Just inside the 1.5 m prompt distance, then on it: on it counts as outside.
        {99, 1.4999, true, false, true},
        {99, 1.5, false, true, false},
        // A foot a millimetre inside either end is on the segment.
        {0.001, 1.0, true, false, true},
        {0.001, 2.0, false, true, false},
        {99.999, 1.0, true, false, true},
        {100.001, 2.0, false, false, false},
    };
    for (const Step& s : walk) {
        SCOPED_TRACE(testing::Message() << s.x << "," << s.y);
        LineGuidance g;
        ComputeLineGuidance(&line, s.x, s.y, g);
        const LinePrompts p = EvaluateLinePrompts(line, s.x, s.y, g, settings, latches);
        EXPECT_EQ(p.enterBeep, s.enter);
        EXPECT_EQ(p.leaveBeeps, s.leave);
        EXPECT_EQ(p.drawBands, s.bands);
    }
}

TEST(LinePrompts, WholeMileage) {
    struct Case {
        double interval;
        std::vector<double> mileages;
        std::vector<bool> beeps;
    };
    const Case cases[] = {
        {50.0, {99.9, 100.2, 100.8, 149.0, 150.0}, {false, true, false, false, true}},
        {50.0, {-49.0, -50.3}, {false, true}},          // -50.3 counts as -50
        {0.5, {0.3, 1.2, 2.0}, {false, false, false}},  // no whole part: no prompt
        {0.999, {0.3, 1.2, 2.0}, {false, false, false}},
        {1.0, {0.3, 1.2, 2.0}, {false, false, false}},  // every whole metre is a multiple: no latch, no beep
        {2.0, {1.2, 2.3, 3.1, 4.0}, {false, true, false, true}},  // the smallest interval that prompts
        {50.0, {99.999, 100.0}, {false, true}},                   // 99.999 still counts as 99
        {50.0, {-49.999, -50.0}, {false, true}},                  // -49.999 counts as -49
    };
    for (const Case& c : cases) {
        LinePromptLatches latches;
        for (size_t i = 0; i < c.mileages.size(); ++i) {
            SCOPED_TRACE(c.mileages[i]);
            // Start mileage 0 and a foot 10 m along: the mileage is start + 10.
            const LineSegRec line = Line(0, 0, 20, 0, c.mileages[i] - 10.0);
            LineGuidance g;
            ComputeLineGuidance(&line, 10, 5, g);
            const LinePrompts p = EvaluateLinePrompts(line, 10, 5, g, {1.5, 1, 1, c.interval}, latches);
            EXPECT_EQ(p.mileageBeep, c.beeps[i]);
        }
    }
}

}  // namespace
