#pragma once
// One complete coordinate system as numbers (ellipsoid, projection, seven-parameter datum shift,
// four-parameter plane similarity, height-anomaly surface), the control points calibration solves
// them from, and the conversions between WGS-84 positions and local grid coordinates.
// Grid x is northing, y easting (m). Angles are radians unless a name says degrees.
#include <cstdint>
#include <vector>
#include "geodesy/GaussConstants.h"
#include "geodesy/StereoProjector.h"
#include "platform/text/CString.h"

enum ProjectionType : int32_t {
    kProjGauss = 0,
    kProjUtm = 1,
    kProjTransverseMercator = 2,
    kProjObliqueStereographic = 3,
    kProjDoubleStereographic = 4,
};

// What a solver made of its points.
enum SolveStatus : int32_t {
    kSolveNothing = 0,     // no points
    kSolved = 1,           // parameters found and stored
    kSolveDegenerate = 2,  // the points coincide or lie on one line: they cannot determine them
};

// One four-parameter control point: measured grid position (source) and known grid position
// (target), then the same four values reduced to their centroids, written by the solver.
struct PlanePointPair {
    double sourceX = 0.0;
    double sourceY = 0.0;
    double targetX = 0.0;
    double targetY = 0.0;
    double reducedSourceX = 0.0;
    double reducedSourceY = 0.0;
    double reducedTargetX = 0.0;
    double reducedTargetY = 0.0;
};

// A seven-parameter pair: WGS-84 X, Y, Z (source) and local X, Y, Z (target), earth-centred, m.
// As a height point: v[0], v[1] unused, v[2] measured height, v[3] known height, v[4] known grid x,
// v[5] known grid y.
struct SpacePointPair {
    double v[6] = {};
};

class CCoordTransform {
public:
    CCoordTransform();
    void SetEllipsoid(double semiMajor, double invFlattening);
    void SetProjection(int32_t type, double falseNorthing, double falseEasting, double centralMeridianDeg,
                       double scale, double baseLatitudeDeg, double projectionHeight);
    void SetFourParams(int32_t enabled, double shiftX, double shiftY, double rotation, double scale);
    void SetSevenParams(int32_t enabled, double dX, double dY, double dZ, double ex, double ey, double ez,
                        double m);
    void SetHeightFitParams(double a0, double a1, double a2, double a3, double a4, double a5, double x0,
                            double y0);
    void SetMinPointCounts(int32_t planeMinimum, int32_t surfaceMinimum);

    // Geodetic (degrees, m) to earth-centred Cartesian on the object's ellipsoid.
    void BlhToXyz(double bDeg, double lDeg, double h, double& x, double& y, double& z) const;
    // Earth-centred Cartesian to geodetic (radians, m); finite for every finite input.
    void XyzToBlh(double x, double y, double z, double& b, double& l, double& h) const;
    void ApplySevenParams(double& x, double& y, double& z) const;
    // The exact reverse of ApplySevenParams.
    void InverseSevenParams(double& x, double& y, double& z) const;
    void ApplyFourParams(double& x, double& y) const;
    // The exact reverse of ApplyFourParams; a scale of 0 leaves x and y unchanged.
    void InverseFourParams(double& x, double& y) const;
    // The height anomaly (measured minus known) at grid x, y; callers subtract it.
    void ApplyHeightFit(double x, double y, double& value) const;
    // Direction of point 1 seen from point 2, degrees clockwise from grid north in (0, 360].
    void AzimuthDistance(double x1, double y1, double x2, double y2, double& azimuthDeg,
                         double& distance) const;
    // Packed degrees-minutes-seconds (ddd.mmssff) to radians when mode is non-zero, back when 0.
    double ConvertDmsAngle(double value, int32_t mode) const;

    // Transverse Mercator (Gauss-Krueger) series on the local ellipsoid.
    void GaussForward(double bDeg, double lDeg, double& x, double& y) const;
    void GaussInverse(double x, double y, double& b, double& l) const;
    // Dispatch by projection type: 3 and 4 stereographic, every other value the series.
    void GeodeticToPlane(int32_t type, double bDeg, double lDeg, double& x, double& y) const;
    void PlaneToGeodetic(int32_t type, double x, double y, double& b, double& l) const;

    // WGS-84 geodetic (degrees) to local geodetic (degrees) through the seven parameters,
    // whatever the enabled flag says.
    void Wgs84ToLocalBlh(double& bDeg, double& lDeg, double& h) const;
    // WGS-84 geodetic (degrees) to local grid, applying the enabled datum shift and plane similarity.
    void Wgs84ToLocalPlane(double bDeg, double lDeg, double h, double& x, double& y, double& hOut) const;
    // Local grid back to WGS-84 geodetic (radians).
    void LocalPlaneToWgs84(double x, double y, double h, double& b, double& l, double& hOut) const;

    // Solvers: the parameters are stored only with kSolved; otherwise they stay as they were.
    // Four parameters need two measured and two known points apart; seven parameters from three
    // or more pairs, and a height plane or surface, need points that are not all on one line.
    SolveStatus SolveFourParams();
    SolveStatus SolveSevenParams();
    SolveStatus SolveHeightFit();

    CStereoProjector m_stereo;

    int32_t m_nFourParam = 0;
    double m_dFourScale = 1.0;
    double m_dFourRotation = 0.0;
    double m_dFourShiftX = 0.0;
    double m_dFourShiftY = 0.0;

    int32_t m_nSevenParam = 0;
    double m_dDX = 0.0;
    double m_dDY = 0.0;
    double m_dDZ = 0.0;
    double m_dEx = 0.0;
    double m_dEy = 0.0;
    double m_dEz = 0.0;
    double m_dM = 0.0;

    double m_dA[6] = {};  // height surface: constant, x, y, x^2, y^2, x*y
    double m_dX0 = 0.0;
    double m_dY0 = 0.0;

    double m_dSemiMajor = 0.0;
    double m_dInvFlattening = 0.0;
    double m_dProjHeight = 0.0;
    int32_t m_nProjType = kProjGauss;
    double m_dFalseNorthing = 0.0;
    double m_dFalseEasting = 0.0;
    double m_dCentralMeridian = 0.0;  // degrees
    double m_dScale = 0.0;
    double m_dBaseLatitude = 0.0;  // degrees

    int32_t m_nPlaneMinimum = 0;
    int32_t m_nSurfaceMinimum = 0;

    std::vector<PlanePointPair> m_arrFourPairs;
    std::vector<SpacePointPair> m_arrSevenPairs;
    std::vector<SpacePointPair> m_arrHeightPoints;

private:
    GaussConstants m_gauss;

    double EnlargedSemiMajor(double sinPhi) const;
    double MeridianArc(double phi, double sinPhi, double cosPhi) const;
    void UpdateGaussConstants();
    StereoParams MakeStereoParams() const;
};

// "ddd:mm:ss.ffff" of an angle in radians, truncated, with a leading "-" when negative.
CString FormatAngleText(double angle);
