// Parameters solved from control points: recovered from synthetic points made with known
// parameters (with survey-sized noise), and refused for layouts that cannot determine them.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <utility>
#include <vector>
#include "geodesy/CoordTransform.h"
#include "geodesy/GeodesyConstants.h"
#include "platform/messages/MessageBoxScript.h"

namespace {
constexpr double kSecond = 1.0 / kArcSecondsPerRadian;

void AddPlanePair(CCoordTransform& t, double sx, double sy, double tx, double ty) {
    t.m_arrFourPairs.push_back(PlanePointPair{sx, sy, tx, ty});
}

void AddHeightPoint(CCoordTransform& t, double measured, double known, double x, double y) {
    t.m_arrHeightPoints.push_back(SpacePointPair{{0.0, 0.0, measured, known, x, y}});
}

void ExpectHeightParams(const CCoordTransform& t, const std::vector<double>& a, double x0, double y0) {
    for (int i = 0; i < 6; ++i) EXPECT_EQ(t.m_dA[i], a[i]) << i;
    EXPECT_EQ(t.m_dX0, x0);
    EXPECT_EQ(t.m_dY0, y0);
}

// Seven-parameter pairs at the given WGS-84 positions, shifted by the truth, plus noise.
CCoordTransform SevenParamPairs(const CCoordTransform& truth,
                                const std::vector<std::pair<double, double>>& positions, double noiseMetres) {
    std::mt19937 rng(11);
    std::normal_distribution<double> noise(0.0, noiseMetres);
    CCoordTransform t;
    for (const auto& [lat, lon] : positions) {
        double x = 0.0, y = 0.0, z = 0.0;
        truth.BlhToXyz(lat, lon, 20.0 + lat, x, y, z);
        double tx = x, ty = y, tz = z;
        truth.ApplySevenParams(tx, ty, tz);
        t.m_arrSevenPairs.push_back(
            SpacePointPair{{x, y, z, tx + noise(rng), ty + noise(rng), tz + noise(rng)}});
    }
    return t;
}

void ExpectPairsReproduced(const CCoordTransform& t, double tolerance) {
    for (const SpacePointPair& p : t.m_arrSevenPairs) {
        double x = p.v[0], y = p.v[1], z = p.v[2];
        t.ApplySevenParams(x, y, z);
        EXPECT_NEAR(std::hypot(x - p.v[3], y - p.v[4], z - p.v[5]), 0.0, tolerance);
    }
}
}  // namespace

TEST(SolveFourParams, HandComputedTwoPointCase) {
    // Source step (30, 40) becomes target step (0, 100): scale 2, rotation with cos 0.8 and sin 0.6;
    // then (10, 20) -> 2 (10 * 0.8 - 20 * 0.6, 20 * 0.8 + 10 * 0.6) = (-8, 44), so the shift is (1008, 456).
    CCoordTransform t;
    EXPECT_EQ(t.SolveFourParams(), 0);
    AddPlanePair(t, 10.0, 20.0, 1000.0, 500.0);
    AddPlanePair(t, 40.0, 60.0, 1000.0, 600.0);
    ASSERT_EQ(t.SolveFourParams(), 1);
    EXPECT_NEAR(t.m_dFourScale, 2.0, 1e-12);
    EXPECT_NEAR(t.m_dFourRotation, std::atan2(0.6, 0.8), 1e-12);
    EXPECT_NEAR(t.m_dFourShiftX, 1008.0, 1e-9);
    EXPECT_NEAR(t.m_dFourShiftY, 456.0, 1e-9);
    EXPECT_EQ(t.m_arrFourPairs[0].reducedSourceX, -15.0);  // the work fields hold the reductions
    EXPECT_EQ(t.m_arrFourPairs[0].reducedSourceY, -20.0);
    EXPECT_EQ(t.m_arrFourPairs[0].reducedTargetX, 0.0);
    EXPECT_EQ(t.m_arrFourPairs[0].reducedTargetY, -50.0);

    t.m_arrFourPairs.clear();  // a quarter turn about the midpoint (50, 0)
    AddPlanePair(t, 0.0, 0.0, 50.0, -50.0);
    AddPlanePair(t, 100.0, 0.0, 50.0, 50.0);
    ASSERT_EQ(t.SolveFourParams(), 1);
    EXPECT_NEAR(t.m_dFourRotation, M_PI / 2, 1e-12);
}

TEST(SolveFourParams, OnePairOrCoincidentPointsAreReportedAndChangeNothing) {
    // Three equal measured points leave rounding residues in their means; equal known points
    // would give a scale of 0.
    const struct {
        int count;
        double sourceStep;
        double targetStep;
    } cases[] = {{1, 100.0, 100.0}, {3, 0.0, 1.0}, {3, 2e-7, 1.0}, {3, 1.0, 0.0}};
    for (const auto& c : cases) {
        CCoordTransform t;
        t.SetFourParams(1, 5.0, 6.0, 0.25, 1.5);
        for (int i = 0; i < c.count; ++i)
            AddPlanePair(t, 3377123.1 + i * c.sourceStep, 512345.7, 3377200.0 + i * c.targetStep, 512300.0);
        EXPECT_EQ(t.SolveFourParams(), kSolveDegenerate) << c.count << " " << c.sourceStep;
        EXPECT_EQ(t.m_dFourScale, 1.5);
        EXPECT_EQ(t.m_dFourRotation, 0.25);
        EXPECT_EQ(t.m_dFourShiftX, 5.0);
        EXPECT_EQ(t.m_dFourShiftY, 6.0);
    }
}

TEST(SolveFourParams, RecoversKnownParametersFromNoisyPoints) {
    CCoordTransform truth;
    truth.SetFourParams(1, -2630.5, 1187.25, 37.5 * kSecond, 0.9999712);
    std::mt19937 rng(7);
    std::normal_distribution<double> noise(0.0, 0.005);
    std::uniform_real_distribution<double> spread(-3000.0, 3000.0);
    CCoordTransform t;
    for (int i = 0; i < 12; ++i) {
        const double sx = 3445000.0 + spread(rng), sy = 486000.0 + spread(rng);
        double tx = sx, ty = sy;
        truth.ApplyFourParams(tx, ty);
        AddPlanePair(t, sx, sy, tx + noise(rng), ty + noise(rng));
    }
    ASSERT_EQ(t.SolveFourParams(), 1);
    EXPECT_NEAR(t.m_dFourScale, 0.9999712, 2e-6);
    EXPECT_NEAR(t.m_dFourRotation, 37.5 * kSecond, 0.5 * kSecond);
    // The shifts act at the grid origin, far from the points: compare the effect at the site.
    double x = 3445000.0, y = 486000.0, xt = x, yt = y;
    t.ApplyFourParams(x, y);
    truth.ApplyFourParams(xt, yt);
    EXPECT_NEAR(x, xt, 0.01);
    EXPECT_NEAR(y, yt, 0.01);
}

TEST(SolveSevenParams, OneOrTwoPairsGiveTranslations) {
    CCoordTransform t;
    EXPECT_EQ(t.SolveSevenParams(), 0);
    t.m_arrSevenPairs.push_back(
        SpacePointPair{{-2175000.0, 4385000.0, 4077000.0, -2174900.0, 4384950.0, 4077030.0}});
    t.m_dEx = 1.0;
    ASSERT_EQ(t.SolveSevenParams(), 1);
    EXPECT_EQ(t.m_dDX, 100.0);
    EXPECT_EQ(t.m_dDZ, 30.0);
    EXPECT_EQ(t.m_dEx, 0.0);
    t.m_arrSevenPairs.push_back(
        SpacePointPair{{-2176000.0, 4386000.0, 4078000.0, -2175898.0, 4385952.0, 4078032.0}});
    ASSERT_EQ(t.SolveSevenParams(), 1);
    EXPECT_EQ(t.m_dDX, 101.0);
    EXPECT_EQ(t.m_dDY, -49.0);
}

TEST(SolveSevenParams, RecoversKnownParametersFromWellSpreadNoisyPoints) {
    CCoordTransform truth;
    truth.SetEllipsoid(kWgs84SemiMajor, kWgs84InvFlattening);
    truth.SetSevenParams(1, -95.3, 118.2, 47.9, 2.1 * kSecond, -1.4 * kSecond, 3.3 * kSecond, 5.6e-6);
    std::vector<std::pair<double, double>> positions;
    for (double lat : {29.5, 30.5, 31.5}) {
        for (double lon : {119.5, 121.0, 122.5}) positions.emplace_back(lat, lon);
    }
    CCoordTransform t = SevenParamPairs(truth, positions, 0.002);
    ASSERT_EQ(t.SolveSevenParams(), 1);
    EXPECT_NEAR(t.m_dM, 5.6e-6, 0.05e-6);
    EXPECT_NEAR(t.m_dEx, 2.1 * kSecond, 0.05 * kSecond);
    EXPECT_NEAR(t.m_dEy, -1.4 * kSecond, 0.05 * kSecond);
    EXPECT_NEAR(t.m_dEz, 3.3 * kSecond, 0.05 * kSecond);
    EXPECT_NEAR(t.m_dDX, -95.3, 1.0);
    EXPECT_NEAR(t.m_dDY, 118.2, 1.0);
    EXPECT_NEAR(t.m_dDZ, 47.9, 1.0);
    ExpectPairsReproduced(t, 0.01);

    // Three pairs are the fewest that are solved by least squares; exact pairs give the truth back.
    t = SevenParamPairs(truth, {{29.5, 119.5}, {31.5, 120.0}, {30.0, 122.5}}, 0.0);
    ASSERT_EQ(t.SolveSevenParams(), 1);
    EXPECT_NEAR(t.m_dM, 5.6e-6, 1e-13);
    EXPECT_NEAR(t.m_dEx, 2.1 * kSecond, 1e-13);
    EXPECT_NEAR(t.m_dEy, -1.4 * kSecond, 1e-13);
    EXPECT_NEAR(t.m_dEz, 3.3 * kSecond, 1e-13);
    EXPECT_NEAR(t.m_dDX, -95.3, 1e-6);
    EXPECT_NEAR(t.m_dDY, 118.2, 1e-6);
    EXPECT_NEAR(t.m_dDZ, 47.9, 1e-6);

    // A site of a few hundred metres is solved too and reproduces its points.
    t = SevenParamPairs(truth, {{36.1, 103.8}, {36.103, 103.8}, {36.1, 103.804}, {36.102, 103.803}}, 0.0);
    ASSERT_EQ(t.SolveSevenParams(), 1);
    ExpectPairsReproduced(t, 1e-4);
}

TEST(SolveSevenParams, PointsOnOneLineOrInOnePlaceAreReportedWithoutTheMatrixMessage) {
    for (double step : {0.0, 350.0}) {
        CMessageBoxScript boxes;
        CCoordTransform t;
        t.SetSevenParams(0, 1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0);
        for (double k : {0.0, 1.0, 2.0, 3.5}) {
            const double x = -2175000.0 + k * step, y = 4385000.0 - k * step * 0.5,
                         z = 4077000.0 + k * step * 0.25;
            t.m_arrSevenPairs.push_back(SpacePointPair{{x, y, z, x + 100.0, y - 50.0, z + 30.0}});
        }
        EXPECT_EQ(t.SolveSevenParams(), kSolveDegenerate) << step;
        EXPECT_EQ(t.m_dDX, 1.0);
        EXPECT_EQ(t.m_dM, 7.0);
        EXPECT_TRUE(boxes.Texts().empty());
    }
}

TEST(SolveHeightFit, ConstantShiftsAndTooFewPointsForAPlane) {
    CCoordTransform t;
    t.SetMinPointCounts(4, 7);
    EXPECT_EQ(t.SolveHeightFit(), 0);
    t.SetHeightFitParams(9, 9, 9, 9, 9, 9, 100.0, 200.0);
    AddHeightPoint(t, 35.2, 35.0, 1000.0, 2000.0);
    ASSERT_EQ(t.SolveHeightFit(), 1);
    ExpectHeightParams(t, {35.2 - 35.0, 0, 0, 0, 0, 0}, 100.0, 200.0);
    AddHeightPoint(t, 40.0, 39.6, 1500.0, 2500.0);
    ASSERT_EQ(t.SolveHeightFit(), 1);
    EXPECT_NEAR(t.m_dA[0], 0.3, 1e-12);

    AddHeightPoint(t, 45.0, 44.0, 1200.0, 2900.0);  // three points, plane minimum four
    t.SetHeightFitParams(9, 9, 9, 9, 9, 9, 100.0, 200.0);
    ASSERT_EQ(t.SolveHeightFit(), 1);
    ExpectHeightParams(t, {9, 9, 9, 9, 9, 9}, 100.0, 200.0);
}

TEST(SolveHeightFit, ExactlyTheMinimumCountsChooseThePlaneAndTheSurface) {
    // Anomalies with a curvature term, so a plane fit leaves the quadratic terms 0 and a surface does not.
    const struct {
        int count;
        bool plane;
        bool surface;
    } cases[] = {{3, false, false}, {4, true, false}, {6, true, false}, {7, false, true}};
    for (const auto& c : cases) {
        CCoordTransform t;
        t.SetMinPointCounts(4, 7);
        t.SetHeightFitParams(9, 9, 9, 9, 9, 9, 0.0, 0.0);
        const double at[7][2] = {{0, 0},      {900, 100},  {150, 1000}, {1100, 1200},
                                 {-800, 400}, {300, -700}, {-500, -900}};
        for (int i = 0; i < c.count; ++i) {
            const double x = at[i][0], y = at[i][1];
            AddHeightPoint(t, 10.0 + 2e-4 * x - 1e-4 * y + 3e-7 * x * x + 2e-7 * y * y, 10.0, 3e6 + x,
                           4e5 + y);
        }
        ASSERT_EQ(t.SolveHeightFit(), 1) << c.count;
        const bool untouched = t.m_dA[0] == 9;
        EXPECT_EQ(untouched, !c.plane && !c.surface) << c.count;
        if (untouched) continue;
        EXPECT_EQ(t.m_dA[3] != 0.0, c.surface) << c.count;
        EXPECT_EQ(t.m_dA[4] != 0.0, c.surface) << c.count;
    }
}

TEST(SolveHeightFit, FitsPlaneAndSurfaceByLeastSquaresLeavingThePointsAlone) {
    // Anomaly surface about (3400000, 450000) with survey-sized noise: a plane for 5 points, the
    // quadratic for 12. A least-squares fit leaves residuals uncorrelated with every term of the
    // model, whatever centre the terms are taken about.
    const double a[6] = {-1.25, 2.0e-5, -3.5e-5, 4.0e-10, -2.5e-10, 1.5e-10};
    const auto terms = [](double dx, double dy) {
        return std::vector<double>{1.0, dx, dy, dx * dx, dy * dy, dx * dy};
    };
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> spread(-6000.0, 6000.0);
    std::normal_distribution<double> noise(0.0, 0.003);
    for (int count : {5, 12}) {
        const int used = count < 7 ? 3 : 6;
        CCoordTransform t;
        t.SetMinPointCounts(4, 7);
        for (int i = 0; i < count; ++i) {
            const double dx = spread(rng), dy = spread(rng), known = 50.0 + 0.01 * i;
            const std::vector<double> v = terms(dx, dy);
            double anomaly = noise(rng);
            for (int j = 0; j < used; ++j) anomaly += a[j] * v[j];
            AddHeightPoint(t, known + anomaly, known, 3400000.0 + dx, 450000.0 + dy);
        }
        const std::vector<SpacePointPair> before = t.m_arrHeightPoints;
        ASSERT_EQ(t.SolveHeightFit(), 1) << count;
        double dot[6] = {}, residualSquares = 0.0, termSquares[6] = {}, sumX = 0.0, sumY = 0.0;
        for (size_t i = 0; i < before.size(); ++i) {
            const SpacePointPair& p = t.m_arrHeightPoints[i];
            EXPECT_EQ(p.v[4], before[i].v[4]);
            sumX += p.v[4];
            sumY += p.v[5];
            double value = 0.0;
            t.ApplyHeightFit(p.v[4], p.v[5], value);
            const double residual = value - (p.v[2] - p.v[3]);
            EXPECT_LT(std::fabs(residual), 0.015) << count;
            residualSquares += residual * residual;
            const std::vector<double> v = terms(p.v[4] - 3400000.0, p.v[5] - 450000.0);
            for (int j = 0; j < 6; ++j) {
                dot[j] += residual * v[j];
                termSquares[j] += v[j] * v[j];
            }
        }
        for (int j = 0; j < used; ++j)
            EXPECT_LT(std::fabs(dot[j]) / std::sqrt(residualSquares * termSquares[j]), 1e-9)
                << count << " " << j;
        for (int j = used; j < 6; ++j) EXPECT_EQ(t.m_dA[j], 0.0);
        EXPECT_NEAR(t.m_dX0, sumX / count, 1e-8);  // the surface is expressed about the centroid
        EXPECT_NEAR(t.m_dY0, sumY / count, 1e-8);
    }
}

TEST(SolveHeightFit, PointsOnOneLineOrInOnePlaceAreReportedWithoutTheMatrixMessage) {
    for (int count : {5, 9}) {
        for (double step : {0.0, 250.0}) {
            CMessageBoxScript boxes;
            CCoordTransform t;
            t.SetMinPointCounts(4, 7);
            t.SetHeightFitParams(1, 2, 3, 4, 5, 6, 7, 8);
            for (int i = 0; i < count; ++i) {
                AddHeightPoint(t, 30.0 + 0.1 * i, 29.0, 3400000.0 + i * step, 450000.0 + i * step * 0.7);
            }
            EXPECT_EQ(t.SolveHeightFit(), kSolveDegenerate) << count << " " << step;
            ExpectHeightParams(t, {1, 2, 3, 4, 5, 6}, 7, 8);
            EXPECT_TRUE(boxes.Texts().empty());
        }
    }
}
