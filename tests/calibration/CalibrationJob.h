#pragma once
// A job's coordinate system for the calibration tests: Beijing-54 Krassovsky ellipsoid, a 3-degree
// Gauss zone about 114 E with the usual 500 km false easting, no datum shift or corrections.
#include "foundation/CoordSysParams.h"
#include "geodesy/CoordParamsApply.h"

inline CoordSysParams CalibrationJobParams() {
    CoordSysParams params;
    params.ellipsoid = {L"北京54", 6378245.0, 298.3};
    params.projection.nTouYin = 0;
    params.projection.szdCenter = 114.0;
    params.projection.szlTy = 500000;
    params.projection.szdTk = 1.0;
    params.four.szdCk1 = 1.0;
    return params;
}

inline CCoordTransform CalibrationJobConverter() {
    CCoordTransform converter;
    ApplyCoordParams(CalibrationJobParams(), converter);
    return converter;
}
