// The transverse Mercator (Gauss-Krueger) series for projection types 0, 1 and 2, and the dispatch
// that sends types 3 and 4 to the stereographic engine.
#include <cmath>
#include "geodesy/CoordTransform.h"
#include "geodesy/GeodesyConstants.h"

namespace {
// Series denominators as factors: a multiplication instead of a division in every term.
constexpr double kOver6 = 1.0 / 6.0;
constexpr double kOver24 = 1.0 / 24.0;
constexpr double kOver120 = 1.0 / 120.0;
constexpr double kOver720 = 1.0 / 720.0;
constexpr double kOver5040 = 1.0 / 5040.0;
constexpr double kOver40320 = 1.0 / 40320.0;

struct Eccentricity {
    double e2;
    double e4;
    double e6;
    double e8;
};

Eccentricity Powers(double flattening) {
    const double e2 = 2.0 * flattening - flattening * flattening;
    const double e4 = e2 * e2;
    return {e2, e4, e4 * e2, e4 * e4};
}

// Longitude difference from the central meridian, in (-180, 180] degrees.
double WrapDegrees(double difference) {
    if (difference > 180.0 || difference <= -180.0) {
        difference = std::remainder(difference, 360.0);
        if (difference <= -180.0) difference += 360.0;
    }
    return difference;
}
}  // namespace

void CCoordTransform::UpdateGaussConstants() {
    GaussConstants& g = m_gauss;
    const Eccentricity e = Powers(1.0 / m_dInvFlattening);
    g.e2 = e.e2;
    g.k0 = 1.0 + 3.0 / 4.0 * e.e2 + 45.0 / 64.0 * e.e4 + 175.0 / 256.0 * e.e6 + 11025.0 / 16384.0 * e.e8;
    g.halfK2 = (3.0 / 4.0 * e.e2 + 15.0 / 16.0 * e.e4 + 525.0 / 512.0 * e.e6 + 2205.0 / 2048.0 * e.e8) / 2.0;
    g.quarterK4 = (15.0 / 64.0 * e.e4 + 105.0 / 256.0 * e.e6 + 2205.0 / 4096.0 * e.e8) / 4.0;
    g.sixthK6 = (35.0 / 512.0 * e.e6 + 315.0 / 2048.0 * e.e8) / 6.0;
    g.eighthK8 = 315.0 / 16384.0 * e.e8 / 8.0;
    g.c4 = (63.0 / 64.0 * e.e4 + 277.0 / 128.0 * e.e6 + 58239.0 / 16384.0 * e.e8) / 3.0;
    g.c6 = (151.0 / 128.0 * e.e6 + 17121.0 / 4096.0 * e.e8) / 3.0;
    g.c8 = (3291.0 / 2048.0 * e.e8) / 3.0;
    g.enlarged = m_dProjHeight > 1e-6;
    g.heightFactor = m_dProjHeight / std::sqrt(1.0 - e.e2);
    g.plainArcScale = m_dSemiMajor * (1.0 - e.e2);
    g.inverseOneMinusE2 = 1.0 / (1.0 - e.e2);
    g.inverseFootpointScale = 1.0 / (g.plainArcScale * g.k0);
    g.inverseScale = 1.0 / m_dScale;
    const double phiB = m_dBaseLatitude * kDegToRad;
    g.baseArc = MeridianArc(phiB, std::sin(phiB), std::cos(phiB));
}

// Raising the semi-major axis this way raises the mean radius of curvature at phi by the projection
// height, so that grid distances are reduced to the projection surface.
double CCoordTransform::EnlargedSemiMajor(double sinPhi) const {
    if (!m_gauss.enlarged) return m_dSemiMajor;
    return m_dSemiMajor + m_gauss.heightFactor * (1.0 - m_gauss.e2 * sinPhi * sinPhi);
}

// The multiple angles come from one sine and cosine.
double CCoordTransform::MeridianArc(double phi, double sinPhi, double cosPhi) const {
    const GaussConstants& g = m_gauss;
    const double sin2 = 2.0 * sinPhi * cosPhi;
    const double cos2 = 1.0 - 2.0 * sinPhi * sinPhi;
    const double sin4 = 2.0 * sin2 * cos2;
    const double cos4 = 1.0 - 2.0 * sin2 * sin2;
    const double sin6 = sin2 * cos4 + cos2 * sin4;
    const double sin8 = 2.0 * sin4 * cos4;
    const double scale = g.enlarged ? EnlargedSemiMajor(sinPhi) * (1.0 - g.e2) : g.plainArcScale;
    return scale * (g.k0 * phi - g.halfK2 * sin2 + g.quarterK4 * sin4 - g.sixthK6 * sin6 + g.eighthK8 * sin8);
}

void CCoordTransform::GaussForward(double bDeg, double lDeg, double& x, double& y) const {
    const double e2 = m_gauss.e2;
    const double phi = bDeg * kDegToRad;
    const double l = WrapDegrees(lDeg - m_dCentralMeridian) * kDegToRad;

    const double sinPhi = std::sin(phi);
    const double cosPhi = std::cos(phi);
    const double w2 = 1.0 - e2 * sinPhi * sinPhi;
    const double n = EnlargedSemiMajor(sinPhi) / std::sqrt(w2);
    const double psi = w2 * m_gauss.inverseOneMinusE2;  // n / rho
    const double psi2 = psi * psi;
    const double psi3 = psi2 * psi;
    const double psi4 = psi2 * psi2;
    const double t = sinPhi / cosPhi;
    const double t2 = t * t;
    const double t4 = t2 * t2;
    const double t6 = t4 * t2;
    const double m = l * cosPhi;
    const double m2 = m * m;
    const double m3 = m2 * m;
    const double m5 = m3 * m2;
    const double m7 = m5 * m2;

    const double northSeries = m * 0.5 + m3 * kOver24 * (4.0 * psi2 + psi - t2) +
                               m5 * kOver720 *
                                   (8.0 * psi4 * (11.0 - 24.0 * t2) - 28.0 * psi3 * (1.0 - 6.0 * t2) +
                                    psi2 * (1.0 - 32.0 * t2) - 2.0 * psi * t2 + t4) +
                               m7 * kOver40320 * (1385.0 - 3111.0 * t2 + 543.0 * t4 - t6);
    x = m_dFalseNorthing +
        m_dScale * (MeridianArc(phi, sinPhi, cosPhi) - m_gauss.baseArc + n * sinPhi * l * northSeries);

    const double eastSeries =
        m + m3 * kOver6 * (psi - t2) +
        m5 * kOver120 * (4.0 * psi3 * (1.0 - 6.0 * t2) + psi2 * (1.0 + 8.0 * t2) - 2.0 * psi * t2 + t4) +
        m7 * kOver5040 * (61.0 - 479.0 * t2 + 179.0 * t4 - t6);
    y = m_dFalseEasting + m_dScale * n * eastSeries;
}

void CCoordTransform::GaussInverse(double x, double y, double& b, double& l) const {
    const GaussConstants& g = m_gauss;
    const double e2 = g.e2;
    const double xr = (x - m_dFalseNorthing) * g.inverseScale;
    const double yr = (y - m_dFalseEasting) * g.inverseScale;
    const double l0 = m_dCentralMeridian * kDegToRad;
    const double arc = g.baseArc + xr;

    // The enlarged axis depends on the latitude being sought: with a projection height the
    // footpoint is refined from the previous pass's latitude.
    const int passes = m_dProjHeight == 0.0 ? 1 : 5;
    double hint = 20.0;
    for (int pass = 0; pass < passes; ++pass) {
        const double phi0 = g.enlarged ? arc / (EnlargedSemiMajor(std::sin(hint)) * (1.0 - e2) * g.k0)
                                       : arc * g.inverseFootpointScale;
        const double sinPhi0 = std::sin(phi0);
        const double cosPhi0 = std::cos(phi0);
        const double s = sinPhi0 * sinPhi0;
        const double d = 2.0 * sinPhi0 * cosPhi0 * ((g.k0 - 1.0) / 2.0 + s * (-g.c4 + s * (g.c6 - g.c8 * s)));
        const double phiF = phi0 + d;
        // The footpoint lies within a third of a degree of phi0: its sine and cosine by the sum
        // formulas, with the small angle's own sine and cosine from their series.
        const double d2 = d * d;
        const double sinD = d * (1.0 - d2 * kOver6 * (1.0 - d2 * (1.0 / 20.0) * (1.0 - d2 * (1.0 / 42.0))));
        const double cosD = 1.0 - d2 * 0.5 * (1.0 - d2 * (1.0 / 12.0) * (1.0 - d2 * (1.0 / 30.0)));
        const double sinPhi = sinPhi0 * cosD + cosPhi0 * sinD;
        const double cosPhi = cosPhi0 * cosD - sinPhi0 * sinD;
        const double inverseCos = 1.0 / cosPhi;
        const double w2 = 1.0 - e2 * sinPhi * sinPhi;
        const double inverseN = std::sqrt(w2) / EnlargedSemiMajor(sinPhi);
        const double psi = w2 * g.inverseOneMinusE2;  // n / rho
        const double psi2 = psi * psi;
        const double psi3 = psi2 * psi;
        const double psi4 = psi2 * psi2;
        const double t = sinPhi * inverseCos;
        const double t2 = t * t;
        const double t4 = t2 * t2;
        const double t6 = t4 * t2;
        const double e = yr * inverseN;
        const double e3 = e * e * e;
        const double e5 = e3 * e * e;
        const double e7 = e5 * e * e;

        b = phiF +
            (t * e * psi) * (-e * 0.5 + e3 * kOver24 * (-4.0 * psi2 + 9.0 * psi * (1.0 - t2) + 12.0 * t2) -
                             e5 * kOver720 *
                                 (8.0 * psi4 * (11.0 - 24.0 * t2) - 12.0 * psi3 * (21.0 - 71.0 * t2) +
                                  15.0 * psi2 * (15.0 - 98.0 * t2 + 15.0 * t4) +
                                  180.0 * psi * (5.0 * t2 - 3.0 * t4) + 360.0 * t4) +
                             e7 * kOver40320 * (1385.0 + 3633.0 * t2 + 4095.0 * t4 + 1575.0 * t6));
        l = l0 +
            (e - e3 * kOver6 * (psi + 2.0 * t2) +
             e5 * kOver120 *
                 (-4.0 * psi3 * (1.0 - 6.0 * t2) + psi2 * (9.0 - 68.0 * t2) + 72.0 * psi * t2 + 24.0 * t4) -
             e7 * kOver5040 * (61.0 + 662.0 * t2 + 1320.0 * t4 + 720.0 * t6)) *
                inverseCos;
        hint = b;
    }
}

StereoParams CCoordTransform::MakeStereoParams() const {
    StereoParams p;
    p.semiMajor = m_dSemiMajor;
    p.invFlattening = m_dInvFlattening;
    p.centralMeridian = m_dCentralMeridian * kDegToRad;
    p.baseLatitude = m_dBaseLatitude * kDegToRad;
    p.falseNorthing = m_dFalseNorthing;
    p.falseEasting = m_dFalseEasting;
    p.scale = m_dScale;
    return p;
}

void CCoordTransform::GeodeticToPlane(int32_t type, double bDeg, double lDeg, double& x, double& y) const {
    if (type == kProjObliqueStereographic || type == kProjDoubleStereographic) {
        const int selector = type == kProjObliqueStereographic ? kObliqueStereographic : kDoubleStereographic;
        m_stereo.ProjectForward(MakeStereoParams(), lDeg * kDegToRad, bDeg * kDegToRad, selector, x, y);
        return;
    }
    GaussForward(bDeg, lDeg, x, y);
}

void CCoordTransform::PlaneToGeodetic(int32_t type, double x, double y, double& b, double& l) const {
    if (type == kProjObliqueStereographic || type == kProjDoubleStereographic) {
        const int selector = type == kProjObliqueStereographic ? kObliqueStereographic : kDoubleStereographic;
        m_stereo.ProjectInverse(MakeStereoParams(), x, y, selector, l, b);
        return;
    }
    GaussInverse(x, y, b, l);
}
