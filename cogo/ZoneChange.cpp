#include "cogo/ZoneChange.h"

#include "geodesy/CoordTransform.h"
#include "geodesy/GeodesyConstants.h"

namespace {
CCoordTransform ZoneProjection(const EllipsoidParams& ellipsoid, const ProjectionBlock& p,
                               const ZoneSpec& zone) {
    CCoordTransform t;
    t.SetEllipsoid(ellipsoid.szdDa, ellipsoid.szdDf);
    t.SetProjection(p.nTouYin, static_cast<double>(p.szlTx), zone.falseEasting, zone.centralMeridianDeg,
                    p.szdTk, p.ProjectLat, p.szdTHigh);
    return t;
}
}  // namespace

CogoStatus ChangeZone(const EllipsoidParams& ellipsoid, const ProjectionBlock& projection, PlanePoint point,
                      const ZoneSpec& from, const ZoneSpec& to, ZoneChangeResult& out) {
    if (projection.nTouYin == kProjObliqueStereographic || projection.nTouYin == kProjDoubleStereographic)
        return CogoStatus::kNotTransverseMercator;
    double b = 0.0, l = 0.0;
    ZoneProjection(ellipsoid, projection, from).GaussInverse(point.x, point.y, b, l);
    out.latitudeDeg = b * kRadToDeg;
    out.longitudeDeg = l * kRadToDeg;
    ZoneProjection(ellipsoid, projection, to)
        .GaussForward(out.latitudeDeg, out.longitudeDeg, out.point.x, out.point.y);
    return CogoStatus::kOk;
}
