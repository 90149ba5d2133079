#pragma once
// Projection types 3 (oblique stereographic through the conformal latitude) and 4 (double
// stereographic through the Gauss conformal sphere). Stateless: every call derives its constants.

struct StereoParams {
    double semiMajor = 0.0;        // a, m
    double invFlattening = 0.0;    // 1/f
    double centralMeridian = 0.0;  // radians
    double baseLatitude = 0.0;     // radians, latitude of the origin
    double falseNorthing = 0.0;    // m
    double falseEasting = 0.0;     // m
    double scale = 0.0;            // k0 at the origin
};

enum StereoKind { kObliqueStereographic = 0, kDoubleStereographic = 1 };

class CStereoProjector {
public:
    // Longitude and latitude in radians to northing x and easting y in metres.
    void ProjectForward(const StereoParams& params, double longitude, double latitude, int selector,
                        double& x, double& y) const;
    // Northing x and easting y to longitude (in -pi ... pi) and latitude, radians.
    void ProjectInverse(const StereoParams& params, double x, double y, int selector, double& longitude,
                        double& latitude) const;
};

// lambda itself within +-3.14159265359, otherwise brought into -pi ... pi.
double WrapAngle(double lambda);
