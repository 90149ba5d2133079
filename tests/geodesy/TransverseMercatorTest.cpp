// The Gauss-Krueger series against GeographicLib's exact transverse Mercator (values committed in
// data/transverse_mercator.csv; see data/make_reference.sh), against the same series evaluated in
// 50-digit arithmetic (data/gauss_series.csv; see data/make_series_reference.py), and the series'
// own properties.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include "ReferenceData.h"
#include "geodesy/CoordTransform.h"
#include "geodesy/GeodesyConstants.h"

namespace {
CCoordTransform GaussGrid(double a, double invF, double centralMeridian, double scale = 1.0,
                          double falseEasting = 0.0, double projectionHeight = 0.0) {
    CCoordTransform t;
    t.SetEllipsoid(a, invF);
    t.SetProjection(kProjGauss, 0.0, falseEasting, centralMeridian, scale, 0.0, projectionHeight);
    return t;
}

struct Deviation {
    double forward = 0.0;  // m
    double inverse = 0.0;  // m on the ground
};

// Largest deviation from the exact projection, forward and inverse, within the given distance
// (degrees of longitude) from the central meridian.
Deviation LargestDeviation(double maxOffsetDeg) {
    Deviation worst;
    const auto rows = ReadReferenceRows("transverse_mercator.csv");
    for (const ReferenceRow& r : rows) {
        const double a = r.numbers[0], invF = r.numbers[1], cm = r.numbers[2];
        const double lat = r.numbers[3], lon = r.numbers[4], north = r.numbers[5], east = r.numbers[6];
        if (std::fabs(lon - cm) > maxOffsetDeg + 1e-9) continue;
        const CCoordTransform t = GaussGrid(a, invF, cm);
        double x = 0.0, y = 0.0;
        t.GaussForward(lat, lon, x, y);
        worst.forward = std::max(worst.forward, std::hypot(x - north, y - east));
        double b = 0.0, l = 0.0;
        t.GaussInverse(north, east, b, l);
        const double dB = b - lat * kDegToRad;
        const double dL = (l - lon * kDegToRad) * std::cos(lat * kDegToRad);
        worst.inverse = std::max(worst.inverse, a * std::hypot(dB, dL));
    }
    return worst;
}
}  // namespace

TEST(TransverseMercator, MatchesExactProjectionOnChineseEllipsoids) {
    ASSERT_EQ(ReadReferenceRows("transverse_mercator.csv").size(), 540u);
    const Deviation within3 = LargestDeviation(3.0);
    const Deviation within6 = LargestDeviation(6.0);
    // Measured: 4 um and 53 um within 3 degrees, 0.20 mm and 0.33 mm within 6 degrees.
    EXPECT_LT(within3.forward, 1e-5);
    EXPECT_LT(within3.inverse, 1e-4);
    EXPECT_LT(within6.forward, 5e-4);
    EXPECT_LT(within6.inverse, 5e-4);
}

// The exact projection cannot tell a wrong high-order or e^8 coefficient (its effect hides in the
// series' own tenths of a millimetre); the series evaluated in extended precision can. Includes
// scale factors, false offsets, base latitudes and projection heights.
TEST(TransverseMercator, SeriesMatchTheirExtendedPrecisionEvaluation) {
    const auto rows = ReadReferenceRows("gauss_series.csv");
    ASSERT_EQ(rows.size(), 40u);
    for (const ReferenceRow& r : rows) {
        const auto& n = r.numbers;
        CCoordTransform t;
        t.SetEllipsoid(n[0], n[1]);
        t.SetProjection(kProjGauss, n[4], n[5], n[2], n[3], n[6], n[7]);
        double x = 0.0, y = 0.0, b = 0.0, l = 0.0;
        t.GaussForward(n[8], n[9], x, y);
        // Measured: 2 nm forward and 1e-15 radians back, the rounding of the double evaluation.
        EXPECT_NEAR(x, n[10], 5e-8) << n[2] << " " << n[8] << " " << n[9];
        EXPECT_NEAR(y, n[11], 5e-8) << n[2] << " " << n[8] << " " << n[9];
        t.GaussInverse(n[10], n[11], b, l);
        EXPECT_NEAR(b, n[12], 1e-14) << n[2] << " " << n[8] << " " << n[9];
        EXPECT_NEAR(l, n[13], 1e-14) << n[2] << " " << n[8] << " " << n[9];
    }
}

TEST(TransverseMercator, RoundTripWithinTenthOfNanoradianWithAndWithoutProjectionHeight) {
    for (double height : {0.0, 850.0}) {
        const CCoordTransform t = GaussGrid(6378245.0, 298.3, 117.0, 1.0, 500000.0, height);
        for (double lat : {18.0, 31.3, 45.9, 53.5}) {
            for (double lon : {114.0, 115.7, 117.0, 118.4, 120.0}) {
                double x = 0.0, y = 0.0, b = 0.0, l = 0.0;
                t.GaussForward(lat, lon, x, y);
                t.GaussInverse(x, y, b, l);
                EXPECT_NEAR(b, lat * kDegToRad, 1e-10) << height << " " << lat << " " << lon;
                EXPECT_NEAR(l, lon * kDegToRad, 1e-10) << height << " " << lat << " " << lon;
            }
        }
    }
}

TEST(TransverseMercator, ProjectionHeightEnlargesOnlyWhenPositive) {
    const CCoordTransform plain = GaussGrid(6378137.0, 298.257222101, 120.0, 1.0, 500000.0, 0.0);
    double x0 = 0.0, y0 = 0.0;
    plain.GaussForward(30.5, 121.2, x0, y0);
    for (double ignored : {1e-6, -300.0}) {
        double x = 0.0, y = 0.0;
        GaussGrid(6378137.0, 298.257222101, 120.0, 1.0, 500000.0, ignored).GaussForward(30.5, 121.2, x, y);
        EXPECT_EQ(x, x0);
        EXPECT_EQ(y, y0);
    }
    // 1000 m of projection height enlarges distances by about 1000 / R (R the mean radius).
    double x = 0.0, y = 0.0;
    GaussGrid(6378137.0, 298.257222101, 120.0, 1.0, 500000.0, 1000.0).GaussForward(30.5, 121.2, x, y);
    const double meanRadius = 6371000.0;
    EXPECT_NEAR(x / x0 - 1.0, 1000.0 / meanRadius, 2e-6);
    EXPECT_NEAR((y - 500000.0) / (y0 - 500000.0) - 1.0, 1000.0 / meanRadius, 2e-6);
}

TEST(TransverseMercator, LongitudeDifferenceIsTakenTheShortWayRound) {
    const CCoordTransform t = GaussGrid(6378137.0, 298.257222101, 179.0, 1.0, 500000.0);
    double x = 0.0, y = 0.0, xw = 0.0, yw = 0.0;
    t.GaussForward(40.0, 178.0, x, y);
    t.GaussForward(40.0, -182.0, xw, yw);
    EXPECT_NEAR(xw, x, 1e-6);
    EXPECT_NEAR(yw, y, 1e-6);
    t.GaussForward(40.0, -179.5, xw, yw);  // 1.5 degrees east of 179 E across the date line
    t.GaussForward(40.0, 180.5, x, y);
    EXPECT_NEAR(xw, x, 1e-6);
    EXPECT_NEAR(yw, y, 1e-6);
    EXPECT_GT(y, 500000.0);
}

TEST(TransverseMercator, DifferencesAboveHalfACircleWrapAndHalfACircleIsEast) {
    const CCoordTransform t = GaussGrid(6378137.0, 298.257222101, -179.0, 1.0, 500000.0);
    double x = 0.0, y = 0.0, xw = 0.0, yw = 0.0;
    t.GaussForward(40.0, 178.5, xw, yw);  // 357.5 degrees east is 2.5 west
    t.GaussForward(40.0, -181.5, x, y);
    EXPECT_NEAR(xw, x, 1e-6);
    EXPECT_NEAR(yw, y, 1e-6);
    EXPECT_LT(y, 500000.0);
    // Exactly half a circle either way is taken as +180.
    t.GaussForward(40.0, 1.0, x, y);
    t.GaussForward(40.0, -359.0, xw, yw);
    EXPECT_NEAR(xw, x, 1e-6);
    EXPECT_NEAR(yw, y, 1e-6);
    EXPECT_NE(y, 500000.0);
}

// Working the series' constants out once per parameter set must not move a single result.
TEST(TransverseMercator, CachedConstantsGiveThePerCallResults) {
    const auto rows = ReadReferenceRows("gauss_recorded.csv");
    ASSERT_EQ(rows.size(), 1120u);
    for (const ReferenceRow& r : rows) {
        const auto& n = r.numbers;
        CCoordTransform t;
        t.SetEllipsoid(n[0], n[1]);
        t.SetProjection(kProjGauss, n[2], n[3], n[4], n[5], n[6], n[7]);
        double x = 0.0, y = 0.0, b = 0.0, l = 0.0;
        t.GaussForward(n[8], n[9], x, y);
        t.GaussInverse(n[10], n[11], b, l);
        EXPECT_NEAR(x, n[12], 1e-9) << n[4] << " " << n[7] << " " << n[8] << " " << n[9];
        EXPECT_NEAR(y, n[13], 1e-9) << n[4] << " " << n[7] << " " << n[8] << " " << n[9];
        EXPECT_NEAR(b, n[14], 1e-12) << n[4] << " " << n[7] << " " << n[10] << " " << n[11];
        EXPECT_NEAR(l, n[15], 1e-12) << n[4] << " " << n[7] << " " << n[10] << " " << n[11];
    }
}
