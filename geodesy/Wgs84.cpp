#include "geodesy/Wgs84.h"

#include "geodesy/GeodesyConstants.h"

const CCoordTransform& Wgs84Converter() {
    static const CCoordTransform converter = [] {
        CCoordTransform t;
        t.SetEllipsoid(kWgs84SemiMajor, kWgs84InvFlattening);
        return t;
    }();
    return converter;
}
