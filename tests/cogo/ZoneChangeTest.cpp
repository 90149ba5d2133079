// A zone change against the projection engine's own forward and inverse: a point projected on
// both meridians directly must be what the change turns one into the other.
#include <gtest/gtest.h>

#include "cogo/ZoneChange.h"
#include "geodesy/CoordTransform.h"

namespace {
const EllipsoidParams kXian80{L"西安80", 6378140.0, 298.257};

PlanePoint Project(const ProjectionBlock& p, double cm, double falseEasting, double lat, double lon) {
    CCoordTransform t;
    t.SetEllipsoid(kXian80.szdDa, kXian80.szdDf);
    t.SetProjection(p.nTouYin, p.szlTx, falseEasting, cm, p.szdTk, p.ProjectLat, p.szdTHigh);
    PlanePoint out;
    t.GeodeticToPlane(p.nTouYin, lat, lon, out.x, out.y);
    return out;
}
}  // namespace

TEST(ZoneChange, MatchesTheProjectionOnBothMeridians) {
    ProjectionBlock projection;
    projection.nTouYin = kProjGauss;
    projection.szdTk = 1.0;
    for (double height : {0.0, 300.0}) {
        projection.szdTHigh = height;
        // From the 3-degree zone on 117 E to the one on 120 E with its zone number in the easting.
        const double lat = 31.25, lon = 118.4;
        const PlanePoint from = Project(projection, 117.0, 500000.0, lat, lon);
        const PlanePoint expected = Project(projection, 120.0, 40500000.0, lat, lon);
        ZoneChangeResult r;
        ASSERT_EQ(ChangeZone(kXian80, projection, from, {117.0, 500000.0}, {120.0, 40500000.0}, r),
                  CogoStatus::kOk);
        EXPECT_NEAR(r.point.x, expected.x, 0.001);
        EXPECT_NEAR(r.point.y, expected.y, 0.001);
        EXPECT_NEAR(r.latitudeDeg, lat, 1e-8);
        EXPECT_NEAR(r.longitudeDeg, lon, 1e-8);
    }
}

TEST(ZoneChange, RefusedForStereographicProjections) {
    ProjectionBlock projection;
    projection.nTouYin = kProjObliqueStereographic;
    projection.szdTk = 1.0;
    ZoneChangeResult r;
    EXPECT_EQ(ChangeZone(kXian80, projection, {3000000, 500000}, {117, 500000}, {120, 500000}, r),
              CogoStatus::kNotTransverseMercator);
}
