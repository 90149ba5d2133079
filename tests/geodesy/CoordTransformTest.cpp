// Elementary conversions of the transformation object: geodetic and Cartesian coordinates, the
// seven- and four-parameter maps, the height surface, azimuths and packed angles.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include "geodesy/CoordTransform.h"
#include "geodesy/GeodesyConstants.h"

namespace {
constexpr double kSecond = 1.0 / kArcSecondsPerRadian;

CCoordTransform OnEllipsoid(double a, double invF) {
    CCoordTransform t;
    t.SetEllipsoid(a, invF);
    return t;
}

double ToRadians(int degrees, int minutes, double seconds) {
    return (degrees + minutes / 60.0 + seconds / 3600.0) * kDegToRad;
}
}  // namespace

TEST(GeodeticCartesian, RoundTripAcrossLatitudesAndHeights) {
    const CCoordTransform t = OnEllipsoid(6378245.0, 298.3);
    for (double lat : {-89.9, -45.0, -0.3, 1e-7, 18.0, 39.9, 60.0, 89.99}) {
        for (double h : {-120.0, 0.0, 52.7, 8848.0}) {
            double x = 0.0, y = 0.0, z = 0.0, b = 0.0, l = 0.0, hh = 0.0;
            t.BlhToXyz(lat, 116.4, h, x, y, z);
            t.XyzToBlh(x, y, z, b, l, hh);
            EXPECT_NEAR(b, lat * kDegToRad, 1e-11) << lat << " " << h;
            EXPECT_NEAR(l, 116.4 * kDegToRad, 1e-14);
            EXPECT_NEAR(hh, h, 1e-5) << lat << " " << h;
        }
    }
}

TEST(GeodeticCartesian, EquatorPolesAndDegenerateInputsGiveFiniteResults) {
    const CCoordTransform t = OnEllipsoid(6378137.0, 298.257223563);
    double b = 1.0, l = 1.0, h = 1.0;
    t.XyzToBlh(6378137.0 + 25.0, 0.0, 0.0, b, l, h);  // on the equator: used to never finish
    EXPECT_EQ(b, 0.0);
    EXPECT_NEAR(h, 25.0, 1e-9);

    t.XyzToBlh(0.0, 0.0, 6356752.314245 + 10.0, b, l, h);  // north pole
    EXPECT_NEAR(b, M_PI / 2, 1e-15);
    EXPECT_NEAR(h, 10.0, 1e-6);

    const double big = 1e30;
    const double cases[][3] = {{0, 0, 0},        {1e-300, 0, 0}, {0, 0, -5},
                               {big, -big, big}, {1, 2, 3},      {-3e6, 1e-9, 0}};
    for (const auto& c : cases) {
        t.XyzToBlh(c[0], c[1], c[2], b, l, h);
        EXPECT_TRUE(std::isfinite(b) && std::isfinite(l) && std::isfinite(h))
            << c[0] << " " << c[1] << " " << c[2];
    }
    // A NaN must come back (as NaN) instead of looping for ever.
    t.XyzToBlh(std::numeric_limits<double>::quiet_NaN(), 1.0, 1.0, b, l, h);
    EXPECT_TRUE(std::isnan(b));
}

// EPSG Guidance Note 7-2, the WGS 72 to WGS 84 example of the coordinate-frame rotation method:
// tZ = +4.5 m, rZ = -0.554", dS = +0.219 ppm; published result to the centimetre.
TEST(SevenParams, ReproducesThePublishedCoordinateFrameExample) {
    CCoordTransform t;
    t.SetSevenParams(1, 0.0, 0.0, 4.5, 0.0, 0.0, -0.554 * kSecond, 0.219e-6);
    double x = 3657660.66, y = 255768.55, z = 5201382.11;
    t.ApplySevenParams(x, y, z);
    EXPECT_NEAR(x, 3657660.78, 0.006);
    EXPECT_NEAR(y, 255778.43, 0.006);
    EXPECT_NEAR(z, 5201387.75, 0.006);
}

TEST(SevenParams, InverseUndoesTheForwardMapExactlyEvenForLargeParameters) {
    CCoordTransform t;
    // Datum-sized and calibration-sized parameter sets; the latter used to miss by decimetres.
    const double sets[][7] = {
        {-15.4, 120.7, 80.2, 1.2 * kSecond, -0.8 * kSecond, 2.9 * kSecond, 3.1e-6},
        {-210.5, 1620.3, 930.8, 42.0 * kSecond, -87.0 * kSecond, 160.0 * kSecond, -1.9e-4}};
    for (const auto& s : sets) {
        t.SetSevenParams(1, s[0], s[1], s[2], s[3], s[4], s[5], s[6]);
        const double x0 = -2175311.4, y0 = 4385226.9, z0 = 4077564.2;
        double x = x0, y = y0, z = z0;
        t.ApplySevenParams(x, y, z);
        t.InverseSevenParams(x, y, z);
        EXPECT_NEAR(x, x0, 1e-6);
        EXPECT_NEAR(y, y0, 1e-6);
        EXPECT_NEAR(z, z0, 1e-6);
    }
}

TEST(FourParams, InverseUndoesForwardAndZeroScaleLeavesInputAlone) {
    CCoordTransform t;
    double x = 3450123.25, y = 512345.5;
    t.SetFourParams(1, -310.25, 88.5, 0.0123, 1.0000452);
    t.ApplyFourParams(x, y);
    t.InverseFourParams(x, y);
    EXPECT_NEAR(x, 3450123.25, 1e-8);
    EXPECT_NEAR(y, 512345.5, 1e-8);

    t.SetFourParams(1, 10.0, 20.0, 0.5, 0.0);
    x = 3450123.25;
    y = 512345.5;
    t.InverseFourParams(x, y);
    EXPECT_EQ(x, 3450123.25);
    EXPECT_EQ(y, 512345.5);
}

TEST(Azimuth, MeasuredClockwiseFromNorthWithNorthAs360) {
    CCoordTransform t;
    double azimuth = 0.0, distance = 0.0;
    t.AzimuthDistance(110.0, 50.0, 100.0, 50.0, azimuth, distance);
    EXPECT_EQ(azimuth, 360.0);
    EXPECT_EQ(distance, 10.0);
    t.AzimuthDistance(104.0, 53.0, 100.0, 50.0, azimuth, distance);
    EXPECT_NEAR(azimuth, std::atan2(3.0, 4.0) * kRadToDeg, 1e-12);
    EXPECT_EQ(distance, 5.0);
    t.AzimuthDistance(100.0, 53.0, 100.0, 50.0, azimuth, distance);
    // The degree factor derives from pi = 3.1415926535897: due east reads a little over 90.
    EXPECT_NEAR(azimuth, 90.0 * M_PI / 3.1415926535897, 1e-13);
    t.AzimuthDistance(100.0, 47.0, 100.0, 50.0, azimuth, distance);
    EXPECT_NEAR(azimuth, 270.0, 1e-9);
}

TEST(PackedAngles, ConvertBothWaysWithCarriesAndSigns) {
    CCoordTransform t;
    EXPECT_NEAR(t.ConvertDmsAngle(30.1234567, 1), ToRadians(30, 12, 34.567), 1e-15);
    EXPECT_DOUBLE_EQ(t.ConvertDmsAngle(ToRadians(30, 12, 34.567), 0), 30.1234567);
    EXPECT_NEAR(t.ConvertDmsAngle(-30.1234567, 1), -ToRadians(30, 12, 34.567), 1e-15);
    EXPECT_DOUBLE_EQ(t.ConvertDmsAngle(-ToRadians(30, 12, 34.567), 0), -30.1234567);

    EXPECT_EQ(t.ConvertDmsAngle(30.596, 1), 31.0 * kDegToRad);
    // 0.9999 of a second or more makes a whole second, 60 seconds a minute: each carry by one.
    EXPECT_EQ(t.ConvertDmsAngle(30.123499999, 1), ToRadians(30, 12, 35.0));
    EXPECT_EQ(t.ConvertDmsAngle(30.1259999999, 1), ToRadians(30, 13, 0.0));
    EXPECT_NEAR(t.ConvertDmsAngle(30.5959999, 1), ToRadians(30, 59, 59.999), 1e-14);
    // 30.59599999 is stored as slightly less than itself: the fraction of the second ends up
    // below 0.9999 and no carry happens.
    EXPECT_NEAR(t.ConvertDmsAngle(30.59599999, 1), ToRadians(30, 59, 59.9999), 1e-14);

    for (double tiny : {0.0, 1e-9, -1e-9, 5e-11}) {
        EXPECT_EQ(t.ConvertDmsAngle(tiny, 1), 0.0);
        EXPECT_FALSE(std::signbit(t.ConvertDmsAngle(tiny, 0)));
    }
    // Radians to packed never shows 60 seconds or minutes and keeps at most ten decimals.
    EXPECT_DOUBLE_EQ(t.ConvertDmsAngle(ToRadians(44, 59, 59.99999), 0), 45.0);
    EXPECT_DOUBLE_EQ(t.ConvertDmsAngle(ToRadians(12, 3, 4.5678912345), 0), 12.0304567891);
}

TEST(PackedAngles, AngleTextTruncatesToTenThousandthsOfASecond) {
    CCoordTransform t;
    EXPECT_EQ(FormatAngleText(t.ConvertDmsAngle(30.123456, 1)), L"030:12:34.5600");
    EXPECT_EQ(FormatAngleText(-ToRadians(5, 6, 7.0)), L"-005:06:07.0000");
    EXPECT_EQ(FormatAngleText(ToRadians(12, 34, 56.99995)), L"012:34:56.9999");  // never rounds up
    EXPECT_EQ(FormatAngleText(std::numeric_limits<double>::quiet_NaN()), L"000:00:00.0000");
}
