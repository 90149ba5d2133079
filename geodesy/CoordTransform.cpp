#include "geodesy/CoordTransform.h"

#include <cmath>
#include "geodesy/GeodesyConstants.h"

namespace {
constexpr double kLatitudeTolerance = 1e-11;
constexpr double kHeightTolerance = 1e-5;
// The iteration contracts by about e^2 per round and settles in a handful; the cap only stops
// inputs that never settle (NaN) from hanging the caller.
constexpr int kMaxGeodeticRounds = 50;

double SquaredEccentricity(double invFlattening) {
    const double f = 1.0 / invFlattening;
    return 2.0 * f - f * f;
}

// Ellipsoidal height of the point (p, z) at latitude b. Unlike z / sin b - N (1 - e^2) it stays
// finite and well conditioned on the equator and at the poles.
double HeightAtLatitude(double a, double e2, double p, double z, double b) {
    const double sinB = std::sin(b);
    return p * std::cos(b) + z * sinB - a * std::sqrt(1.0 - e2 * sinB * sinB);
}
}  // namespace

CCoordTransform::CCoordTransform() {
    UpdateGaussConstants();
}

void CCoordTransform::SetEllipsoid(double semiMajor, double invFlattening) {
    m_dSemiMajor = semiMajor;
    m_dInvFlattening = invFlattening;
    UpdateGaussConstants();
}

void CCoordTransform::SetProjection(int32_t type, double falseNorthing, double falseEasting,
                                    double centralMeridianDeg, double scale, double baseLatitudeDeg,
                                    double projectionHeight) {
    m_nProjType = type;
    m_dFalseNorthing = falseNorthing;
    m_dFalseEasting = falseEasting;
    m_dCentralMeridian = centralMeridianDeg;
    m_dScale = scale;
    m_dBaseLatitude = baseLatitudeDeg;
    m_dProjHeight = projectionHeight;
    UpdateGaussConstants();
}

void CCoordTransform::SetFourParams(int32_t enabled, double shiftX, double shiftY, double rotation,
                                    double scale) {
    m_nFourParam = enabled;
    m_dFourShiftX = shiftX;
    m_dFourShiftY = shiftY;
    m_dFourRotation = rotation;
    m_dFourScale = scale;
}

void CCoordTransform::SetSevenParams(int32_t enabled, double dX, double dY, double dZ, double ex, double ey,
                                     double ez, double m) {
    m_nSevenParam = enabled;
    m_dDX = dX;
    m_dDY = dY;
    m_dDZ = dZ;
    m_dEx = ex;
    m_dEy = ey;
    m_dEz = ez;
    m_dM = m;
}

void CCoordTransform::SetHeightFitParams(double a0, double a1, double a2, double a3, double a4, double a5,
                                         double x0, double y0) {
    m_dA[0] = a0;
    m_dA[1] = a1;
    m_dA[2] = a2;
    m_dA[3] = a3;
    m_dA[4] = a4;
    m_dA[5] = a5;
    m_dX0 = x0;
    m_dY0 = y0;
}

void CCoordTransform::SetMinPointCounts(int32_t planeMinimum, int32_t surfaceMinimum) {
    m_nPlaneMinimum = planeMinimum;
    m_nSurfaceMinimum = surfaceMinimum;
}

void CCoordTransform::BlhToXyz(double bDeg, double lDeg, double h, double& x, double& y, double& z) const {
    const double e2 = SquaredEccentricity(m_dInvFlattening);
    const double b = bDeg * kDegToRad;
    const double l = lDeg * kDegToRad;
    const double sinB = std::sin(b);
    const double n = m_dSemiMajor / std::sqrt(1.0 - e2 * sinB * sinB);
    x = (n + h) * std::cos(b) * std::cos(l);
    y = (n + h) * std::cos(b) * std::sin(l);
    z = (n * (1.0 - e2) + h) * sinB;
}

void CCoordTransform::XyzToBlh(double x, double y, double z, double& b, double& l, double& h) const {
    const double a = m_dSemiMajor;
    const double e2 = SquaredEccentricity(m_dInvFlattening);
    l = std::atan2(y, x);
    const double p = std::hypot(x, y);
    if (p == 0.0) {
        // On the polar axis (or at the centre) the latitude is +-90 degrees (or 0) outright.
        b = std::atan2(z, 0.0);
        h = HeightAtLatitude(a, e2, p, z, b);
        return;
    }
    double previousH = std::hypot(p, z) - a;
    double previousB = std::atan2(z / p, 1.0 - e2 * a / (previousH + a));
    b = previousB;
    for (int round = 0; round < kMaxGeodeticRounds; ++round) {
        const double sinB = std::sin(previousB);
        const double n = a / std::sqrt(1.0 - e2 * sinB * sinB);
        const double height = HeightAtLatitude(a, e2, p, z, previousB);
        b = std::atan2(z / p, 1.0 - e2 * n / (n + height));
        if (std::fabs(previousB - b) <= kLatitudeTolerance &&
            std::fabs(previousH - height) <= kHeightTolerance)
            break;
        previousB = b;
        previousH = height;
    }
    h = HeightAtLatitude(a, e2, p, z, b);
}

void CCoordTransform::ApplySevenParams(double& x, double& y, double& z) const {
    const double scale = 1.0 + m_dM;
    const double x0 = x;
    const double y0 = y;
    const double z0 = z;
    x = m_dDX + scale * x0 + m_dEz * y0 - m_dEy * z0;
    y = m_dDY + scale * y0 - m_dEz * x0 + m_dEx * z0;
    z = m_dDZ + scale * z0 + m_dEy * x0 - m_dEx * y0;
}

// The forward map is t + (s I + K) p with K skew-symmetric for the rotation vector w; its inverse
// is (s^2 I - s K + w w^T) / (s (s^2 + |w|^2)) applied to the coordinates less the translation.
void CCoordTransform::InverseSevenParams(double& x, double& y, double& z) const {
    const double s = 1.0 + m_dM;
    const double w2 = m_dEx * m_dEx + m_dEy * m_dEy + m_dEz * m_dEz;
    const double denominator = s * (s * s + w2);
    if (denominator == 0.0 || !std::isfinite(denominator)) return;
    const double rx = x - m_dDX;
    const double ry = y - m_dDY;
    const double rz = z - m_dDZ;
    const double kx = m_dEz * ry - m_dEy * rz;
    const double ky = -m_dEz * rx + m_dEx * rz;
    const double kz = m_dEy * rx - m_dEx * ry;
    const double wr = m_dEx * rx + m_dEy * ry + m_dEz * rz;
    x = (s * s * rx - s * kx + m_dEx * wr) / denominator;
    y = (s * s * ry - s * ky + m_dEy * wr) / denominator;
    z = (s * s * rz - s * kz + m_dEz * wr) / denominator;
}

void CCoordTransform::ApplyFourParams(double& x, double& y) const {
    const double cosT = std::cos(m_dFourRotation);
    const double sinT = std::sin(m_dFourRotation);
    const double x0 = x;
    const double y0 = y;
    x = m_dFourShiftX + m_dFourScale * (x0 * cosT - y0 * sinT);
    y = m_dFourShiftY + m_dFourScale * (y0 * cosT + x0 * sinT);
}

void CCoordTransform::InverseFourParams(double& x, double& y) const {
    if (m_dFourScale == 0.0) return;
    const double cosT = std::cos(m_dFourRotation);
    const double sinT = std::sin(m_dFourRotation);
    const double dx = x - m_dFourShiftX;
    const double dy = y - m_dFourShiftY;
    x = (dx * cosT + dy * sinT) / m_dFourScale;
    y = (dy * cosT - dx * sinT) / m_dFourScale;
}

void CCoordTransform::ApplyHeightFit(double x, double y, double& value) const {
    const double dx = x - m_dX0;
    const double dy = y - m_dY0;
    value = m_dA[0] + m_dA[1] * dx + m_dA[2] * dy + m_dA[3] * dx * dx + m_dA[4] * dy * dy + m_dA[5] * dx * dy;
}

void CCoordTransform::AzimuthDistance(double x1, double y1, double x2, double y2, double& azimuthDeg,
                                      double& distance) const {
    const double dx = x1 - x2;
    const double dy = y1 - y2;
    distance = std::sqrt(dx * dx + dy * dy);
    azimuthDeg = std::atan2(dy, dx) * kRadToDeg;
    if (azimuthDeg < 1e-9) azimuthDeg += 360.0;
}
