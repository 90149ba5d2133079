// Control points: which result each count of usable pairs gives, residuals against the limits, a
// synthetic site recovered from noisy marks, and degenerate layouts that fall back to the mean shift.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <utility>
#include <vector>
#include "geodesy/ControlPointSolve.h"
#include "geodesy/CoordTransform.h"

namespace {
ControlPointPair Pair(double rawN, double rawE, double rawH, double knownN, double knownE, double knownH,
                      bool plane = true, bool height = true) {
    return ControlPointPair{rawN, rawE, rawH, knownN, knownE, knownH, plane, height};
}

// Marks of a site: raw positions spread over 2 km, known positions through the given four
// parameters, known heights raw minus the anomaly surface, each with noise of `noise` metres.
std::vector<ControlPointPair> SyntheticSite(int count, const double anomaly[6], double noise, unsigned seed) {
    CCoordTransform truth;
    truth.SetFourParams(1, -1520.25, 836.5, 12.5 / 206264.80624709636, 1.0000325);
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> spread(-1000.0, 1000.0);
    std::uniform_real_distribution<double> error(-noise, noise);
    std::vector<ControlPointPair> pairs;
    for (int i = 0; i < count; ++i) {
        const double dn = spread(rng), de = spread(rng);
        double n = 3380000.0 + dn, e = 512000.0 + de;
        truth.ApplyFourParams(n, e);
        const double a = anomaly[0] + anomaly[1] * dn + anomaly[2] * de + anomaly[3] * dn * dn +
                         anomaly[4] * de * de + anomaly[5] * dn * de;
        const double rawH = 40.0 + 0.01 * dn;
        pairs.push_back(
            Pair(3380000.0 + dn, 512000.0 + de, rawH, n + error(rng), e + error(rng), rawH - a + error(rng)));
    }
    return pairs;
}
}  // namespace

TEST(SolveControlPoints, HandComputedTwoPointsAndAnUnusedRow) {
    // Raw step (30, 40) becomes known step (0, 100): scale 2, cos 0.8, sin 0.6 (as the solver's own
    // hand case). The unused third row is raw (10, 20) + (3, 4): known (1000, 500) + 2 R (3, 4) =
    // (1000 + 2 (2.4 - 2.4), 500 + 2 (3.2 + 1.8)) = (1000, 510), listed 5 m away from (1000, 505).
    const std::vector<ControlPointPair> pairs = {Pair(10, 20, 0, 1000, 500, 0), Pair(40, 60, 0, 1000, 600, 0),
                                                 Pair(13, 24, 0, 1000, 505, 0, false, true)};
    const ControlPointSolution s = SolveControlPoints(pairs, 1, 1);
    EXPECT_EQ(s.planeMode, kPlaneFour);
    EXPECT_NEAR(s.fourScale, 2.0, 1e-12);
    EXPECT_NEAR(s.fourShiftN, 1008.0, 1e-9);
    EXPECT_EQ(s.horizontal, (std::vector<double>{0.0, 0.0, 5.0}));
    EXPECT_EQ(s.planeOver, (std::vector<int>{3}));
    EXPECT_EQ(s.heightMode, kHeightShift);  // three height rows with the plane fit from four
}

TEST(SolveControlPoints, CountsOfUsablePairsChooseTheResult) {
    // Heights differ by 0.1, 0.2, 0.3, 0.4 at four corners; the mean of the first k is the shift.
    const std::vector<ControlPointPair> corners = {
        Pair(0, 0, 10.0, 5, 7, 10.1), Pair(100, 0, 10.0, 105, 7, 10.2), Pair(0, 100, 10.0, 5, 107, 10.3),
        Pair(100, 100, 10.0, 105, 107, 10.4)};
    const struct {
        int rows;
        int planeIndex;
        int heightMode;
        double shiftH;
    } cases[] = {{1, 1, kHeightShift, 0.1}, {2, 1, kHeightShift, 0.15}, {3, 1, kHeightShift, 0.2},
                 {4, 1, kHeightFit, 0.0},   {3, 0, kHeightFit, 0.0},    {4, 2, kHeightShift, 0.25}};
    for (const auto& c : cases) {
        const std::vector<ControlPointPair> pairs(corners.begin(), corners.begin() + c.rows);
        const ControlPointSolution s = SolveControlPoints(pairs, c.planeIndex, 1);
        EXPECT_EQ(s.heightMode, c.heightMode) << c.rows << " " << c.planeIndex;
        EXPECT_NEAR(s.shiftH, c.shiftH, 1e-12) << c.rows;
        EXPECT_EQ(s.planeMode, c.rows == 1 ? kPlaneShift : kPlaneFour) << c.rows;
    }
    const ControlPointSolution one = SolveControlPoints({corners[0], corners[1]}, 1, 1);
    EXPECT_EQ(one.vertical, (std::vector<double>{0.05, -0.05}));

    // One plane row is a shift: its own residual 0, the others their distance after it.
    std::vector<ControlPointPair> pairs = corners;
    for (size_t i = 1; i < pairs.size(); ++i) pairs[i].usePlane = false;
    pairs[1].knownN = 105.3;
    const ControlPointSolution shift = SolveControlPoints(pairs, 1, 1);
    EXPECT_EQ(shift.planeMode, kPlaneShift);
    EXPECT_EQ(shift.shiftN, 5.0);
    EXPECT_EQ(shift.horizontal, (std::vector<double>{0.0, 0.3, 0.0, 0.0}));

    // Nothing marked for use: both results none (never a mode left by an earlier solve), zero residuals.
    for (ControlPointPair& p : pairs) p.usePlane = p.useHeight = false;
    const ControlPointSolution none = SolveControlPoints(pairs, 1, 1);
    EXPECT_EQ(none.planeMode, kPlaneNone);
    EXPECT_EQ(none.heightMode, kHeightNone);
    EXPECT_EQ(none.horizontal, std::vector<double>(4, 0.0));
    EXPECT_TRUE(none.WithinLimits());
}

TEST(SolveControlPoints, LimitsAreStrictAndANonFiniteResidualIsOver) {
    // One plane row shifts by (0, 0); the others sit at the distances given from their known point.
    const struct {
        double offset;
        bool planeOver;
        bool heightOver;
    } cases[] = {{0.100, false, false}, {0.101, true, false}, {0.150, true, false}, {0.151, true, true}};
    std::vector<ControlPointPair> pairs = {Pair(0, 0, 0, 0, 0, 0)};
    for (const auto& c : cases) pairs.push_back(Pair(c.offset, 50, c.offset, 0, 50, 0, false, false));
    pairs.push_back(Pair(std::numeric_limits<double>::infinity(), 0, 0, 0, 0, 0, false, false));
    const ControlPointSolution s = SolveControlPoints(pairs, 1, 1);
    std::vector<int> plane, height;
    for (size_t i = 0; i < std::size(cases); ++i) {
        if (cases[i].planeOver) plane.push_back(static_cast<int>(i) + 2);
        if (cases[i].heightOver) height.push_back(static_cast<int>(i) + 2);
    }
    plane.push_back(6);
    EXPECT_EQ(s.planeOver, plane);
    EXPECT_EQ(s.heightOver, height);
    EXPECT_FALSE(s.WithinLimits());
}

TEST(SolveControlPoints, RecoversASyntheticSiteFromNoisyMarks) {
    // Marks made from known four parameters and a height plane (6 marks) or quadratic (12 marks)
    // with uniform noise of 1.5 cm; the recovered transform must put every mark within the noise
    // (plus a margin for the fit itself) and carry an unused far point within 5 cm.
    const double plane[6] = {0.35, 2.0e-5, -1.0e-5, 0, 0, 0};
    const double quadratic[6] = {-0.2, 1.0e-5, 3.0e-5, 4.0e-8, -3.0e-8, 2.0e-8};
    for (const auto& [anomaly, count] : {std::pair{plane, 6}, std::pair{quadratic, 12}}) {
        const std::vector<ControlPointPair> pairs = SyntheticSite(count, anomaly, 0.015, 5);
        const ControlPointSolution s = SolveControlPoints(pairs, 1, 1);
        ASSERT_EQ(s.planeMode, kPlaneFour);
        ASSERT_EQ(s.heightMode, kHeightFit);
        EXPECT_NEAR(s.fourScale, 1.0000325, 2e-5) << count;
        EXPECT_NEAR(s.fourRotation, 12.5 / 206264.80624709636, 4e-5) << count;
        for (size_t i = 0; i < pairs.size(); ++i) {
            EXPECT_LT(s.horizontal[i], 0.035) << count << " " << i;
            EXPECT_LT(std::fabs(s.vertical[i]), 0.035) << count << " " << i;
        }
        EXPECT_EQ(s.heightFit[3] != 0.0, count == 12);
    }
}

TEST(SolveControlPoints, ResidualsMatchALinearLeastSquaresFitByNormalEquations) {
    // The similarity written as n' = a n - b e + c, e' = b n + a e + d and solved offline through
    // its 4 x 4 normal equations by Gauss-Jordan elimination here: the residuals of both methods
    // agree to the millimetre they are rounded to.
    const double noAnomaly[6] = {};
    const std::vector<ControlPointPair> pairs = SyntheticSite(7, noAnomaly, 0.02, 9);
    double m[4][5] = {};
    for (const ControlPointPair& p : pairs) {
        const double n = p.rawN - 3380000.0, e = p.rawE - 512000.0;
        const double rows[2][5] = {{n, -e, 1, 0, p.knownN - 3380000.0}, {e, n, 0, 1, p.knownE - 512000.0}};
        for (const auto& r : rows)
            for (int i = 0; i < 4; ++i)
                for (int j = 0; j < 5; ++j) m[i][j] += r[i] * r[j];
    }
    for (int k = 0; k < 4; ++k)
        for (int i = 0; i < 4; ++i) {
            if (i == k) continue;
            const double f = m[i][k] / m[k][k];
            for (int j = 0; j < 5; ++j) m[i][j] -= f * m[k][j];
        }
    double x[4];
    for (int i = 0; i < 4; ++i) x[i] = m[i][4] / m[i][i];
    const ControlPointSolution s = SolveControlPoints(pairs, 1, 1);
    for (size_t i = 0; i < pairs.size(); ++i) {
        const double n = pairs[i].rawN - 3380000.0, e = pairs[i].rawE - 512000.0;
        const double dn = x[0] * n - x[1] * e + x[2] - (pairs[i].knownN - 3380000.0);
        const double de = x[1] * n + x[0] * e + x[3] - (pairs[i].knownE - 512000.0);
        EXPECT_NEAR(s.horizontal[i], std::hypot(dn, de), 0.0011) << i;
    }
}

TEST(SolveControlPoints, DegenerateLayoutsFallBackToTheMeanShift) {
    // A point entered twice: the two plane pairs coincide, so the mean of their differences serves.
    const std::vector<ControlPointPair> twice = {Pair(100, 200, 5, 110, 190, 6),
                                                 Pair(100, 200, 5, 110, 190, 6.2)};
    const ControlPointSolution s = SolveControlPoints(twice, 1, 1);
    EXPECT_TRUE(s.planeDegenerate);
    EXPECT_EQ(s.planeMode, kPlaneShift);
    EXPECT_EQ(s.shiftN, 10.0);
    EXPECT_EQ(s.shiftE, -10.0);
    EXPECT_NEAR(s.shiftH, 1.1, 1e-12);

    // Five height marks along one road: no surface can be fitted, the mean shift replaces it.
    std::vector<ControlPointPair> road;
    for (int i = 0; i < 5; ++i)
        road.push_back(Pair(1000.0 * i, 500.0 * i, 20.0, 1000.0 * i + 3, 500.0 * i, 20.5 + 0.01 * i));
    const ControlPointSolution line = SolveControlPoints(road, 1, 1);
    EXPECT_EQ(line.planeMode, kPlaneFour);
    EXPECT_TRUE(line.heightDegenerate);
    EXPECT_EQ(line.heightMode, kHeightShift);
    EXPECT_NEAR(line.shiftH, 0.52, 1e-12);
}
