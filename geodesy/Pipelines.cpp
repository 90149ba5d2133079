// The conversion chains between WGS-84 positions and the local grid. The object's own ellipsoid is
// the local one; WGS-84 is set only between saving and restoring it inside one call.
#include "geodesy/CoordTransform.h"
#include "geodesy/GeodesyConstants.h"

void CCoordTransform::SwitchToWgs84() {
    m_dSavedSemiMajor = m_dSemiMajor;
    m_dSavedInvFlattening = m_dInvFlattening;
    m_dSemiMajor = kWgs84SemiMajor;
    m_dInvFlattening = kWgs84InvFlattening;
}

void CCoordTransform::RestoreLocalEllipsoid() {
    m_dSemiMajor = m_dSavedSemiMajor;
    m_dInvFlattening = m_dSavedInvFlattening;
}

void CCoordTransform::Wgs84ToLocalBlh(double& bDeg, double& lDeg, double& h) {
    SwitchToWgs84();
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    BlhToXyz(bDeg, lDeg, h, x, y, z);
    ApplySevenParams(x, y, z);
    RestoreLocalEllipsoid();
    XyzToBlh(x, y, z, bDeg, lDeg, h);
    bDeg *= kRadToDeg;
    lDeg *= kRadToDeg;
}

void CCoordTransform::Wgs84ToLocalPlane(double bDeg, double lDeg, double h, double& x, double& y,
                                        double& hOut) {
    if (m_nSevenParam) Wgs84ToLocalBlh(bDeg, lDeg, h);
    GeodeticToPlane(m_nProjType, bDeg, lDeg, x, y);
    hOut = h;
    if (m_nFourParam) ApplyFourParams(x, y);
}

void CCoordTransform::LocalPlaneToWgs84(double x, double y, double h, double& b, double& l, double& hOut) {
    if (m_nFourParam) InverseFourParams(x, y);
    PlaneToGeodetic(m_nProjType, x, y, b, l);
    hOut = h;
    if (!m_nSevenParam) return;
    double cx = 0.0;
    double cy = 0.0;
    double cz = 0.0;
    BlhToXyz(b * kRadToDeg, l * kRadToDeg, hOut, cx, cy, cz);
    InverseSevenParams(cx, cy, cz);
    SwitchToWgs84();
    XyzToBlh(cx, cy, cz, b, l, hOut);
    RestoreLocalEllipsoid();
}
