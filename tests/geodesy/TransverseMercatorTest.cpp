// The Gauss-Krueger series against GeographicLib's exact transverse Mercator (values committed in
// data/transverse_mercator.csv; see data/make_reference.sh), and the series' own properties.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include "ReferenceData.h"
#include "geodesy/CoordTransform.h"
#include "geodesy/GeodesyConstants.h"

namespace {
CCoordTransform GaussGrid(double a, double invF, double centralMeridian, double scale = 1.0,
                          double falseEasting = 0.0, double projectionHeight = 0.0, double baseLatitude = 0.0) {
    CCoordTransform t;
    t.SetEllipsoid(a, invF);
    t.SetProjection(kProjGauss, 0.0, falseEasting, centralMeridian, scale, baseLatitude, projectionHeight);
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
    std::printf("largest deviation within 3 deg: forward %.6f m, inverse %.6f m\n", within3.forward, within3.inverse);
    std::printf("largest deviation within 6 deg: forward %.6f m, inverse %.6f m\n", within6.forward, within6.inverse);
}
