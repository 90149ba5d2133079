// The chains between WGS-84 positions and local grid coordinates.
#include <gtest/gtest.h>

#include <cmath>
#include "geodesy/CoordTransform.h"
#include "geodesy/GeodesyConstants.h"

namespace {
constexpr double kSecond = 1.0 / kArcSecondsPerRadian;

// A Xian-80 grid reached from WGS-84 through datum-sized seven parameters and a plane similarity.
CCoordTransform LocalSystem(int32_t type, double projectionHeight) {
    CCoordTransform t;
    t.SetEllipsoid(6378140.0, 298.257);
    t.SetProjection(type, 0.0, 500000.0, 114.0, 1.0, type >= kProjObliqueStereographic ? 22.5 : 0.0,
                    projectionHeight);
    t.SetSevenParams(1, 112.4, -63.8, -41.2, 1.7 * kSecond, -2.3 * kSecond, 0.9 * kSecond, -4.2e-6);
    t.SetFourParams(1, -81.25, 42.5, 0.8 * kSecond, 1.0000031);
    return t;
}
}  // namespace

TEST(Pipelines, DatumShiftChangesHeightAndLeavesTheLocalEllipsoidInPlace) {
    CCoordTransform t = LocalSystem(kProjGauss, 0.0);
    double b = 22.5, l = 114.1, h = 30.0;
    t.Wgs84ToLocalBlh(b, l, h);
    EXPECT_EQ(t.m_dSemiMajor, 6378140.0);
    EXPECT_EQ(t.m_dInvFlattening, 298.257);
    // A datum shift of about a hundred metres moves the position by seconds, not degrees.
    EXPECT_NEAR(b, 22.5, 0.01);
    EXPECT_NEAR(l, 114.1, 0.01);
    EXPECT_GT(std::fabs(h - 30.0), 1.0);

    double x = 0.0, y = 0.0, hh = 0.0;
    t.m_nFourParam = 0;
    t.Wgs84ToLocalPlane(22.5, 114.1, 30.0, x, y, hh);
    double px = 0.0, py = 0.0;
    t.GeodeticToPlane(kProjGauss, b, l, px, py);
    EXPECT_EQ(x, px);
    EXPECT_EQ(y, py);
    EXPECT_EQ(hh, h);
}

TEST(Pipelines, GridBackToWgs84ReturnsTheFixForEveryProjectionType) {
    for (int32_t type :
         {kProjGauss, kProjTransverseMercator, kProjObliqueStereographic, kProjDoubleStereographic}) {
        for (double projectionHeight : {0.0, 420.0}) {
            CCoordTransform t = LocalSystem(type, projectionHeight);
            for (double lat : {21.0, 22.5, 24.25}) {
                for (double lon : {112.5, 114.0, 115.75}) {
                    double x = 0.0, y = 0.0, h = 0.0, b = 0.0, l = 0.0, hb = 0.0;
                    t.Wgs84ToLocalPlane(lat, lon, 61.5, x, y, h);
                    t.LocalPlaneToWgs84(x, y, h, b, l, hb);
                    EXPECT_NEAR(b, lat * kDegToRad, 1e-10) << type << " " << lat << " " << lon;
                    EXPECT_NEAR(l, lon * kDegToRad, 1e-10) << type << " " << lat << " " << lon;
                    EXPECT_NEAR(hb, 61.5, 1e-4) << type << " " << lat << " " << lon;
                }
            }
            EXPECT_EQ(t.m_dSemiMajor, 6378140.0);
            EXPECT_EQ(t.m_dInvFlattening, 298.257);
        }
    }
}
