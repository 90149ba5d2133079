#include "geodesy/StereoProjector.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kHalfPi = kPi / 2.0;
constexpr double kQuarterPi = kPi / 4.0;
constexpr double kAspectTolerance = 1e-10;
constexpr int kConformalRounds = 8;
constexpr double kConformalTolerance = 1e-10;
constexpr int kGaussRounds = 20;
constexpr double kGaussTolerance = 1e-14;

struct Ellipsoid {
    double a;
    double e;
    double es;
};

Ellipsoid DeriveEllipsoid(const StereoParams& p) {
    const double b = p.semiMajor * (p.invFlattening - 1.0) / p.invFlattening;
    const double e = std::sqrt((p.semiMajor * p.semiMajor - b * b) / (p.semiMajor * p.semiMajor));
    return {p.semiMajor, e, e * e};
}

double SafeAsin(double value) {
    return std::asin(std::clamp(value, -1.0, 1.0));
}

double ConformalHalfAngle(double phi, double sinPhi, double e) {
    return std::tan((kHalfPi + phi) / 2.0) * std::pow((1.0 - e * sinPhi) / (1.0 + e * sinPhi), e / 2.0);
}

double IsometricTerm(double phi, double sinPhi, double e) {
    return std::tan((kHalfPi - phi) / 2.0) / std::pow((1.0 - e * sinPhi) / (1.0 + e * sinPhi), e / 2.0);
}

double ConformalLatTerm(double s, double p) {
    return std::pow((1.0 - s) / (1.0 + s), p);
}

// Longitude difference from the central meridian, in (-pi, pi]: a point given as 359 degrees east
// of a meridian is 1 degree west of it.
double WrapDifference(double lambda) {
    if (lambda > kPi || lambda <= -kPi) {
        lambda = std::remainder(lambda, kTwoPi);
        if (lambda <= -kPi) lambda += kTwoPi;
    }
    return lambda;
}

enum class Aspect { Oblique, Polar };

// Type 3: the conformal latitude of the origin and the scaled radius term (equatorial = oblique
// with X1 = 0). The polar aspect takes true scale at the pole.
struct ConformalOrigin {
    Aspect aspect;
    bool south;
    double sinX1;
    double cosX1;
    double akm1;
};

ConformalOrigin DeriveConformalOrigin(const Ellipsoid& el, double phi0, double k0) {
    if (std::fabs(std::fabs(phi0) - kHalfPi) < kAspectTolerance) {
        const double e = el.e;
        const double akm1 = 2.0 * k0 / std::sqrt(std::pow(1.0 + e, 1.0 + e) * std::pow(1.0 - e, 1.0 - e));
        return {Aspect::Polar, phi0 < 0.0, 0.0, 0.0, akm1};
    }
    if (std::fabs(phi0) > kAspectTolerance) {
        const double sinPhi0 = std::sin(phi0);
        const double x1 = 2.0 * std::atan(ConformalHalfAngle(phi0, sinPhi0, el.e)) - kHalfPi;
        const double akm1 = 2.0 * k0 * std::cos(phi0) / std::sqrt(1.0 - el.es * sinPhi0 * sinPhi0);
        return {Aspect::Oblique, false, std::sin(x1), std::cos(x1), akm1};
    }
    return {Aspect::Oblique, false, 0.0, 1.0, 2.0 * k0};
}

void ObliqueStereographicForward(const Ellipsoid& el, const ConformalOrigin& o, double lambda, double phi,
                                 double& east, double& north) {
    const double sinPhi = std::sin(phi);
    if (o.aspect == Aspect::Polar) {
        const double sign = o.south ? -1.0 : 1.0;
        const double rho = o.akm1 * IsometricTerm(sign * phi, sign * sinPhi, el.e);
        east = rho * std::sin(lambda);
        north = -sign * rho * std::cos(lambda);
        return;
    }
    const double chi = 2.0 * std::atan(ConformalHalfAngle(phi, sinPhi, el.e)) - kHalfPi;
    const double sinX = std::sin(chi);
    const double cosX = std::cos(chi);
    const double cosLambda = std::cos(lambda);
    const double a = o.akm1 / (o.cosX1 * (1.0 + o.sinX1 * sinX + o.cosX1 * cosX * cosLambda));
    north = a * (o.cosX1 * sinX - o.sinX1 * cosX * cosLambda);
    east = a * cosX * std::sin(lambda);
}

// Latitude from the polar isometric term t, north of the equator.
double PolarLatitude(double e, double t) {
    double phi = kHalfPi - 2.0 * std::atan(t);
    for (int round = 0; round < kConformalRounds; ++round) {
        const double s = e * std::sin(phi);
        const double next = kHalfPi - 2.0 * std::atan(t * std::pow((1.0 - s) / (1.0 + s), e / 2.0));
        if (std::fabs(next - phi) < kConformalTolerance) return next;
        phi = next;
    }
    return phi;
}

void ObliqueStereographicInverse(const Ellipsoid& el, const ConformalOrigin& o, double east, double north,
                                 double& lambda, double& phi) {
    const double rho = std::sqrt(east * east + north * north);
    if (o.aspect == Aspect::Polar) {
        const double sign = o.south ? -1.0 : 1.0;
        phi = sign * PolarLatitude(el.e, rho / o.akm1);
        lambda = rho == 0.0 ? 0.0 : std::atan2(east, -sign * north);
        return;
    }
    const double c = 2.0 * std::atan2(rho * o.cosX1, o.akm1);
    const double sinC = std::sin(c);
    const double cosC = std::cos(c);
    const double chi =
        rho == 0.0 ? SafeAsin(cosC * o.sinX1) : SafeAsin(cosC * o.sinX1 + north * sinC * o.cosX1 / rho);
    const double t = std::tan((kHalfPi + chi) / 2.0);
    const double e2 = east * sinC;
    const double n2 = rho * o.cosX1 * cosC - north * o.sinX1 * sinC;
    double previous = chi;
    for (int round = 0; round < kConformalRounds; ++round) {
        const double s = el.e * std::sin(previous);
        phi = 2.0 * std::atan(t * std::pow((1.0 + s) / (1.0 - s), el.e / 2.0)) - kHalfPi;
        if (std::fabs(previous - phi) < kConformalTolerance) {
            lambda = (e2 == 0.0 && n2 == 0.0) ? 0.0 : std::atan2(e2, n2);
            return;
        }
        previous = phi;
    }
    lambda = 0.0;
}

// Type 4: the Gauss conformal sphere through the origin.
struct GaussSphere {
    double e;
    double n;
    double r2;
    double chi0;
    double sinChi0;
    double cosChi0;
    double ratexp;
    double k;
};

GaussSphere GaussSphereInit(const Ellipsoid& el, double phi0) {
    GaussSphere g{};
    const double sinPhi0 = std::sin(phi0);
    const double cos2 = std::cos(phi0) * std::cos(phi0);
    g.e = el.e;
    g.n = std::sqrt(1.0 + el.es * cos2 * cos2 / (1.0 - el.es));
    g.r2 = 2.0 * std::sqrt(1.0 - el.es) / (1.0 - el.es * sinPhi0 * sinPhi0);
    g.chi0 = std::asin(sinPhi0 / g.n);
    g.sinChi0 = std::sin(g.chi0);
    g.cosChi0 = std::cos(g.chi0);
    g.ratexp = 0.5 * g.n * el.e;
    g.k = std::tan(0.5 * g.chi0 + kQuarterPi) /
          (std::pow(std::tan(0.5 * phi0 + kQuarterPi), g.n) * ConformalLatTerm(el.e * sinPhi0, g.ratexp));
    return g;
}

void GaussSphereForward(const GaussSphere& g, double lambda, double phi, double& bigLambda, double& chi) {
    bigLambda = g.n * lambda;
    chi = 2.0 * std::atan(g.k * std::pow(std::tan(0.5 * phi + kQuarterPi), g.n) *
                          ConformalLatTerm(g.e * std::sin(phi), g.ratexp)) -
          kHalfPi;
}

void GaussSphereInverse(const GaussSphere& g, double bigLambda, double chi, double& lambda, double& phi) {
    lambda = bigLambda / g.n;
    const double q = std::pow(std::tan(0.5 * chi + kQuarterPi) / g.k, 1.0 / g.n);
    double previous = chi;
    for (int round = 0; round < kGaussRounds; ++round) {
        phi = 2.0 * std::atan(q * ConformalLatTerm(g.e * std::sin(previous), -0.5 * g.e)) - kHalfPi;
        if (std::fabs(phi - previous) < kGaussTolerance) return;
        previous = phi;
    }
}

void DoubleStereographicForward(const GaussSphere& g, double k0, double lambda, double phi, double& east,
                                double& north) {
    double bigLambda = 0.0;
    double chi = 0.0;
    GaussSphereForward(g, lambda, phi, bigLambda, chi);
    const double sinChi = std::sin(chi);
    const double cosChi = std::cos(chi);
    const double cosLambda = std::cos(bigLambda);
    const double k = k0 * g.r2 / (1.0 + g.sinChi0 * sinChi + g.cosChi0 * cosChi * cosLambda);
    east = k * cosChi * std::sin(bigLambda);
    north = k * (g.cosChi0 * sinChi - g.sinChi0 * cosChi * cosLambda);
}

void DoubleStereographicInverse(const GaussSphere& g, double k0, double east, double north, double& lambda,
                                double& phi) {
    east /= k0;
    north /= k0;
    const double rho = std::sqrt(east * east + north * north);
    double chi = g.chi0;
    double bigLambda = 0.0;
    if (rho != 0.0) {
        const double c = 2.0 * std::atan2(rho, g.r2);
        const double sinC = std::sin(c);
        const double cosC = std::cos(c);
        chi = SafeAsin(cosC * g.sinChi0 + north * sinC * g.cosChi0 / rho);
        bigLambda = std::atan2(east * sinC, rho * g.cosChi0 * cosC - north * g.sinChi0 * sinC);
    }
    GaussSphereInverse(g, bigLambda, chi, lambda, phi);
}
}  // namespace

double WrapAngle(double lambda) {
    if (std::fabs(lambda) <= 3.14159265359) return lambda;
    return lambda + kPi - kTwoPi * std::floor((lambda + kPi) * 0.15915494309189535) - kPi;
}

void CStereoProjector::ProjectForward(const StereoParams& params, double longitude, double latitude,
                                      int selector, double& x, double& y) const {
    const Ellipsoid el = DeriveEllipsoid(params);
    const double lambda = WrapDifference(longitude - params.centralMeridian);
    double east = 0.0;
    double north = 0.0;
    if (selector == kObliqueStereographic) {
        const ConformalOrigin origin = DeriveConformalOrigin(el, params.baseLatitude, params.scale);
        ObliqueStereographicForward(el, origin, lambda, latitude, east, north);
    } else {
        const GaussSphere sphere = GaussSphereInit(el, params.baseLatitude);
        DoubleStereographicForward(sphere, params.scale, lambda, latitude, east, north);
    }
    x = el.a * north + params.falseNorthing;
    y = el.a * east + params.falseEasting;
}

void CStereoProjector::ProjectInverse(const StereoParams& params, double x, double y, int selector,
                                      double& longitude, double& latitude) const {
    const Ellipsoid el = DeriveEllipsoid(params);
    const double north = (x - params.falseNorthing) / el.a;
    const double east = (y - params.falseEasting) / el.a;
    double lambda = 0.0;
    if (selector == kObliqueStereographic) {
        const ConformalOrigin origin = DeriveConformalOrigin(el, params.baseLatitude, params.scale);
        ObliqueStereographicInverse(el, origin, east, north, lambda, latitude);
    } else {
        const GaussSphere sphere = GaussSphereInit(el, params.baseLatitude);
        DoubleStereographicInverse(sphere, params.scale, east, north, lambda, latitude);
    }
    longitude = WrapAngle(lambda + params.centralMeridian);
}
