// The conversion chains between WGS-84 positions and the local grid. The object's own ellipsoid is
// the local one; the WGS-84 side goes through the one immutable WGS-84 converter.
#include "geodesy/CoordTransform.h"
#include "geodesy/GeodesyConstants.h"
#include "geodesy/Wgs84.h"

void CCoordTransform::Wgs84ToLocalBlh(double& bDeg, double& lDeg, double& h) const {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    Wgs84Converter().BlhToXyz(bDeg, lDeg, h, x, y, z);
    ApplySevenParams(x, y, z);
    XyzToBlh(x, y, z, bDeg, lDeg, h);
    bDeg *= kRadToDeg;
    lDeg *= kRadToDeg;
}

void CCoordTransform::Wgs84ToLocalPlane(double bDeg, double lDeg, double h, double& x, double& y,
                                        double& hOut) const {
    if (m_nSevenParam) Wgs84ToLocalBlh(bDeg, lDeg, h);
    GeodeticToPlane(m_nProjType, bDeg, lDeg, x, y);
    hOut = h;
    if (m_nFourParam) ApplyFourParams(x, y);
}

void CCoordTransform::LocalPlaneToWgs84(double x, double y, double h, double& b, double& l,
                                        double& hOut) const {
    if (m_nFourParam) InverseFourParams(x, y);
    PlaneToGeodetic(m_nProjType, x, y, b, l);
    hOut = h;
    if (!m_nSevenParam) return;
    double cx = 0.0;
    double cy = 0.0;
    double cz = 0.0;
    BlhToXyz(b * kRadToDeg, l * kRadToDeg, hOut, cx, cy, cz);
    InverseSevenParams(cx, cy, cz);
    Wgs84Converter().XyzToBlh(cx, cy, cz, b, l, hOut);
}
