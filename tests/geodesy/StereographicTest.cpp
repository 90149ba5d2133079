// Projection types 3 and 4 against PROJ's stere and sterea (values committed in
// data/stereographic.csv; see data/make_reference.sh; they include each origin), and round trips.
#include <gtest/gtest.h>

#include <cmath>
#include "ReferenceData.h"
#include "geodesy/CoordTransform.h"
#include "geodesy/GeodesyConstants.h"

namespace {
CCoordTransform StereoGrid(int32_t type, double a, double invF, double lat0, double lon0, double k0,
                           double fn, double fe) {
    CCoordTransform t;
    t.SetEllipsoid(a, invF);
    t.SetProjection(type, fn, fe, lon0, k0, lat0, 0.0);
    return t;
}
}  // namespace

TEST(Stereographic, MatchesProjForBothTypesAndAllAspects) {
    const auto rows = ReadReferenceRows("stereographic.csv");
    ASSERT_EQ(rows.size(), 43u);
    for (const ReferenceRow& r : rows) {
        const int32_t type = std::stoi(r.name);
        const auto& n = r.numbers;
        const CCoordTransform t = StereoGrid(type, n[0], n[1], n[2], n[3], n[4], n[5], n[6]);
        const double lat = n[7], lon = n[8], north = n[9], east = n[10];
        double x = 0.0, y = 0.0;
        t.GeodeticToPlane(type, lat, lon, x, y);
        EXPECT_NEAR(x, north, 2e-6) << r.name << " " << lat << " " << lon;
        EXPECT_NEAR(y, east, 2e-6) << r.name << " " << lat << " " << lon;

        double b = 0.0, l = 0.0;
        t.PlaneToGeodetic(type, north, east, b, l);
        EXPECT_NEAR(b, lat * kDegToRad, 1e-11) << r.name << " " << lat << " " << lon;
        if (std::fabs(lat) < 90.0) {
            EXPECT_NEAR(std::remainder(l - lon * kDegToRad, 2.0 * M_PI), 0.0, 1e-11)
                << r.name << " " << lat << " " << lon;
        }
    }
}

TEST(Stereographic, RoundTripAndLongitudesWrappedAcrossTheDateLine) {
    for (int32_t type : {kProjObliqueStereographic, kProjDoubleStereographic}) {
        const CCoordTransform t = StereoGrid(type, 6378245.0, 298.3, 40.0, 179.5, 1.0, 0.0, 0.0);
        for (double lon : {177.0, 179.5, -179.0, -177.5, 182.5}) {
            for (double lat : {37.0, 40.0, 43.5}) {
                double x = 0.0, y = 0.0, b = 0.0, l = 0.0;
                t.GeodeticToPlane(type, lat, lon, x, y);
                t.PlaneToGeodetic(type, x, y, b, l);
                EXPECT_NEAR(b, lat * kDegToRad, 1e-12) << type << " " << lon << " " << lat;
                EXPECT_LE(std::fabs(l), M_PI);
                EXPECT_NEAR(std::remainder(l - lon * kDegToRad, 2.0 * M_PI), 0.0, 1e-12)
                    << type << " " << lon;
            }
        }
    }
}
