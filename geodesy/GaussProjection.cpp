// The transverse Mercator (Gauss-Krueger) series for projection types 0, 1 and 2, and the dispatch
// that sends types 3 and 4 to the stereographic engine.
#include <cmath>
#include "geodesy/CoordTransform.h"
#include "geodesy/GeodesyConstants.h"

namespace {
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

double ArcK0(const Eccentricity& e) {
    return 1.0 + 3.0 / 4.0 * e.e2 + 45.0 / 64.0 * e.e4 + 175.0 / 256.0 * e.e6 + 11025.0 / 16384.0 * e.e8;
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

// Raising the semi-major axis this way raises the mean radius of curvature at phi by the projection
// height, so that grid distances are reduced to the projection surface.
double CCoordTransform::EnlargedSemiMajor(double phi) const {
    if (!(m_dProjHeight > 1e-6)) return m_dSemiMajor;
    const double f = 1.0 / m_dInvFlattening;
    const double e2 = 2.0 * f - f * f;
    const double sinPhi = std::sin(phi);
    return m_dSemiMajor + m_dProjHeight * (1.0 - e2 * sinPhi * sinPhi) / std::sqrt(1.0 - e2);
}

double CCoordTransform::MeridianArc(double flattening, double phi) const {
    const Eccentricity e = Powers(flattening);
    const double k0 = ArcK0(e);
    const double k2 = 3.0 / 4.0 * e.e2 + 15.0 / 16.0 * e.e4 + 525.0 / 512.0 * e.e6 + 2205.0 / 2048.0 * e.e8;
    const double k4 = 15.0 / 64.0 * e.e4 + 105.0 / 256.0 * e.e6 + 2205.0 / 4096.0 * e.e8;
    const double k6 = 35.0 / 512.0 * e.e6 + 315.0 / 2048.0 * e.e8;
    const double k8 = 315.0 / 16384.0 * e.e8;
    return EnlargedSemiMajor(phi) * (1.0 - e.e2) *
           (k0 * phi - k2 / 2.0 * std::sin(2.0 * phi) + k4 / 4.0 * std::sin(4.0 * phi) -
            k6 / 6.0 * std::sin(6.0 * phi) + k8 / 8.0 * std::sin(8.0 * phi));
}

double CCoordTransform::MeridianArcFootpoint(double flattening, double arc, double latitudeHint) const {
    const Eccentricity e = Powers(flattening);
    const double k0 = ArcK0(e);
    const double phi0 = arc / (EnlargedSemiMajor(latitudeHint) * (1.0 - e.e2) * k0);
    const double sinPhi0 = std::sin(phi0);
    const double s = sinPhi0 * sinPhi0;
    const double c4 = (63.0 / 64.0 * e.e4 + 277.0 / 128.0 * e.e6 + 58239.0 / 16384.0 * e.e8) / 3.0;
    const double c6 = (151.0 / 128.0 * e.e6 + 17121.0 / 4096.0 * e.e8) / 3.0;
    const double c8 = (3291.0 / 2048.0 * e.e8) / 3.0;
    return phi0 + std::sin(2.0 * phi0) * ((k0 - 1.0) / 2.0 + s * (-c4 + s * (c6 - c8 * s)));
}

void CCoordTransform::GaussForward(double bDeg, double lDeg, double& x, double& y) const {
    const double f = 1.0 / m_dInvFlattening;
    const double e2 = 2.0 * f - f * f;
    const double phi = bDeg * kDegToRad;
    const double l = WrapDegrees(lDeg - m_dCentralMeridian) * kDegToRad;
    const double phiB = m_dBaseLatitude * kDegToRad;

    const double sinPhi = std::sin(phi);
    const double w = std::sqrt(1.0 - e2 * sinPhi * sinPhi);
    const double a = EnlargedSemiMajor(phi);
    const double n = a / w;
    const double rho = a * (1.0 - e2) / (w * w * w);
    const double psi = n / rho;
    const double psi2 = psi * psi;
    const double psi3 = psi2 * psi;
    const double psi4 = psi2 * psi2;
    const double t = std::tan(phi);
    const double t2 = t * t;
    const double t4 = t2 * t2;
    const double t6 = t4 * t2;
    const double m = l * std::cos(phi);
    const double m2 = m * m;
    const double m3 = m2 * m;
    const double m5 = m3 * m2;
    const double m7 = m5 * m2;

    const double northSeries = m / 2.0 + m3 / 24.0 * (4.0 * psi2 + psi - t2) +
                               m5 / 720.0 *
                                   (8.0 * psi4 * (11.0 - 24.0 * t2) - 28.0 * psi3 * (1.0 - 6.0 * t2) +
                                    psi2 * (1.0 - 32.0 * t2) - 2.0 * psi * t2 + t4) +
                               m7 / 40320.0 * (1385.0 - 3111.0 * t2 + 543.0 * t4 - t6);
    x = m_dFalseNorthing +
        m_dScale * (MeridianArc(f, phi) - MeridianArc(f, phiB) + n * sinPhi * l * northSeries);

    const double eastSeries =
        m + m3 / 6.0 * (psi - t2) +
        m5 / 120.0 * (4.0 * psi3 * (1.0 - 6.0 * t2) + psi2 * (1.0 + 8.0 * t2) - 2.0 * psi * t2 + t4) +
        m7 / 5040.0 * (61.0 - 479.0 * t2 + 179.0 * t4 - t6);
    y = m_dFalseEasting + m_dScale * n * eastSeries;
}

void CCoordTransform::GaussInverse(double x, double y, double& b, double& l) const {
    const double f = 1.0 / m_dInvFlattening;
    const double e2 = 2.0 * f - f * f;
    const double xr = (x - m_dFalseNorthing) / m_dScale;
    const double yr = (y - m_dFalseEasting) / m_dScale;
    const double phiB = m_dBaseLatitude * kDegToRad;
    const double l0 = m_dCentralMeridian * kDegToRad;

    // The enlarged axis depends on the latitude being sought: with a projection height the
    // footpoint is refined from the previous pass's latitude.
    const int passes = m_dProjHeight == 0.0 ? 1 : 5;
    double hint = 20.0;
    for (int pass = 0; pass < passes; ++pass) {
        const double phiF = MeridianArcFootpoint(f, MeridianArc(f, phiB) + xr, hint);
        const double sinPhi = std::sin(phiF);
        const double w = std::sqrt(1.0 - e2 * sinPhi * sinPhi);
        const double a = EnlargedSemiMajor(phiF);
        const double n = a / w;
        const double rho = a * (1.0 - e2) / (w * w * w);
        const double psi = n / rho;
        const double psi2 = psi * psi;
        const double psi3 = psi2 * psi;
        const double psi4 = psi2 * psi2;
        const double t = std::tan(phiF);
        const double t2 = t * t;
        const double t4 = t2 * t2;
        const double t6 = t4 * t2;
        const double e = yr / n;
        const double e3 = e * e * e;
        const double e5 = e3 * e * e;
        const double e7 = e5 * e * e;

        b = phiF +
            (t * yr / rho) * (-e / 2.0 + e3 / 24.0 * (-4.0 * psi2 + 9.0 * psi * (1.0 - t2) + 12.0 * t2) -
                              e5 / 720.0 *
                                  (8.0 * psi4 * (11.0 - 24.0 * t2) - 12.0 * psi3 * (21.0 - 71.0 * t2) +
                                   15.0 * psi2 * (15.0 - 98.0 * t2 + 15.0 * t4) +
                                   180.0 * psi * (5.0 * t2 - 3.0 * t4) + 360.0 * t4) +
                              e7 / 40320.0 * (1385.0 + 3633.0 * t2 + 4095.0 * t4 + 1575.0 * t6));
        l = l0 +
            (e - e3 / 6.0 * (psi + 2.0 * t2) +
             e5 / 120.0 *
                 (-4.0 * psi3 * (1.0 - 6.0 * t2) + psi2 * (9.0 - 68.0 * t2) + 72.0 * psi * t2 + 24.0 * t4) -
             e7 / 5040.0 * (61.0 + 662.0 * t2 + 1320.0 * t4 + 720.0 * t6)) /
                std::cos(phiF);
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
