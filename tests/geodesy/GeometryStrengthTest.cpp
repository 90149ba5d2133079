// What a centimetre of measurement error does on the site, layout by layout, and whether it is more
// than the job accepts (0.10 m plane, 0.15 m height). Figures worked by hand for the plane
// similarity and the height plane: with the points reduced to their centroid in units of their
// spread, BᵀB is diagonal and a site point at r units from the centroid has a standard error of
// σ·√(2·q_shift + 2·r²·q_rotation).
#include "geodesy/GeometryStrength.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geodesy/GeodesyConstants.h"

namespace {
struct Plane {
    double n;
    double e;
};

// Pairs whose targets are the sources turned by 0.001 rad and shifted (an exact similarity), the
// targets of `bent` moved `by` metres north.
std::vector<PlanePointPair> FourPairs(const std::vector<Plane>& points, size_t bent = 0, double by = 0.0) {
    std::vector<PlanePointPair> pairs;
    for (size_t i = 0; i < points.size(); ++i) {
        const Plane& p = points[i];
        const double c = std::cos(0.001), s = std::sin(0.001);
        pairs.push_back(
            {p.n, p.e, 1000.0 + c * p.n - s * p.e + (i == bent ? by : 0.0), -500.0 + s * p.n + c * p.e});
    }
    return pairs;
}

// Earth-centred pairs of marks `points` metres north and east of 30° N 120° E on the ground, their
// targets 100 m away.
std::vector<SpacePointPair> SevenPairs(const std::vector<Plane>& points) {
    CCoordTransform wgs84;
    wgs84.SetEllipsoid(kWgs84SemiMajor, kWgs84InvFlattening);
    std::vector<SpacePointPair> pairs;
    for (const Plane& p : points) {
        SpacePointPair pair;
        wgs84.BlhToXyz(30.0 + p.n / 111000.0, 120.0 + p.e / 96000.0, 20.0, pair.v[0], pair.v[1], pair.v[2]);
        for (int axis = 0; axis < 3; ++axis) pair.v[axis + 3] = pair.v[axis] + 100.0;
        pairs.push_back(pair);
    }
    return pairs;
}

// Height points at `points` with anomalies of a tilted plane.
std::vector<SpacePointPair> HeightPoints(const std::vector<Plane>& points) {
    std::vector<SpacePointPair> heights;
    for (const Plane& p : points) heights.push_back({{0, 0, 30.0 + 1e-4 * p.n, 30.0, p.n, p.e}});
    return heights;
}

const std::vector<Plane> kSquare{{-500, -500}, {-500, 500}, {500, 500}, {500, -500}};
const std::vector<Plane> kLine{{-500, 0}, {0, 0}, {500, 0}};
}  // namespace

TEST(GeometryStrength, LayoutsAndTheirDecisions) {
    struct Case {
        const char* layout;
        GeometryEstimate estimate;
        double plane;   // expected figure (m); a negative value: only the decision is checked
        double height;  // likewise
        bool ask;
    };
    const Case cases[] = {
        // Two points: q_shift = q_rotation = 1/2, so σ·√(1 + r²); r = 100 m over half the distance.
        {"four, two points 1 cm apart", FourParamGeometry(FourPairs({{0, 0}, {0, 0.01}})), 200.0, 0.0, true},
        {"four, two points 1 m apart", FourParamGeometry(FourPairs({{0, 0}, {0, 1}})), 2.00002, 0.0, true},
        {"four, two points 1 km apart", FourParamGeometry(FourPairs({{0, 0}, {0, 1000}})), 0.0141421, 0.0,
         false},
        // Three on a line: q_shift 1/3, q_rotation 1/2, r = 1: σ·√(5/3).
        {"four, three points on a line", FourParamGeometry(FourPairs(kLine)), 0.0129099, 0.0, false},
        // The square: q_shift 1/4, q_rotation 1/8, r = √2: σ.
        {"four, a well-spread square", FourParamGeometry(FourPairs(kSquare)), 0.01, 0.0, false},
        // One corner 0.5 m off: its residual (1 − h)·0.5 with h = 1/2; σ = √(0.125 / 4) over 4 spare.
        {"four, the square with a bad corner", FourParamGeometry(FourPairs(kSquare, 2, 0.5)), 0.1767767, 0.0,
         true},
        {"seven, two points", SevenParamGeometry(SevenPairs({{0, 0}, {0, 1000}})), 0.01, 0.0070711, false},
        // 2 km along one meridian: only the earth's curvature (8 cm) holds the turn about the line.
        {"seven, three points on a line", SevenParamGeometry(SevenPairs({{-1000, 0}, {0, 0}, {1000, 0}})), -1,
         -1, true},
        {"seven, a well-spread square", SevenParamGeometry(SevenPairs(kSquare)), -1, -1, false},
        // The height plane over the square: q = 1/4 each, r = √2: σ·√(3/4).
        {"height plane, a well-spread square", HeightFitGeometry(HeightPoints(kSquare), 3), 0.0, 0.0086603,
         false},
        {"height plane, a line bent by 1 m",
         HeightFitGeometry(HeightPoints({{-500, 0}, {0, 1}, {500, 0}}), 3), 0.0, -1, true},
        {"height shift, two points", HeightFitGeometry(HeightPoints({{0, 0}, {0, 1}}), 1), 0.0, 0.0070711,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        EXPECT_FALSE(c.estimate.degenerate);
        if (c.plane >= 0.0) {
            EXPECT_NEAR(c.estimate.plane, c.plane, c.plane * 1e-4 + 1e-9);
        }
        if (c.height >= 0.0) {
            EXPECT_NEAR(c.estimate.height, c.height, c.height * 1e-4 + 1e-9);
        }
        EXPECT_EQ(!c.estimate.WithinLimits(), c.ask);
    }
}

TEST(GeometryStrength, CoincidentPointsDetermineNothing) {
    const GeometryEstimate four = FourParamGeometry(FourPairs({{10, 20}, {10, 20}}));
    EXPECT_TRUE(four.degenerate);
    EXPECT_FALSE(four.WithinLimits());
    EXPECT_TRUE(SevenParamGeometry(SevenPairs({{0, 0}, {0, 0}, {0, 0}})).degenerate);
    EXPECT_TRUE(HeightFitGeometry(HeightPoints({{0, 0}, {0, 0}, {0, 0}}), 3).degenerate);
}
