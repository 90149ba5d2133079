#include "geodesy/JobGrid.h"

#include "geodesy/GeodesyConstants.h"

namespace {
bool FitsHeights(const CoordSysParams& params) {
    return params.heightFit.nNiheMode == 1;
}

double FittedHeight(const CCoordTransform& converter, double n, double e) {
    double fit = 0.0;
    converter.ApplyHeightFit(n, e, fit);
    return fit;
}
}  // namespace

void JobGridFromWgs84(const CCoordTransform& converter, const CoordSysParams& params, double latDeg,
                      double lonDeg, double height, double& n, double& e, double& h) {
    converter.Wgs84ToLocalPlane(latDeg, lonDeg, height, n, e, h);
    n += params.adjust.szdAdjustX;
    e += params.adjust.szdAdjustY;
    h += params.adjust.szdAdjustH;
    if (FitsHeights(params)) h -= FittedHeight(converter, n, e);
}

void Wgs84FromJobGrid(const CCoordTransform& converter, const CoordSysParams& params, double n, double e,
                      double h, double& latDeg, double& lonDeg, double& height) {
    double planeH = h - params.adjust.szdAdjustH;
    if (FitsHeights(params)) planeH += FittedHeight(converter, n, e);
    double b = 0.0, l = 0.0;
    converter.LocalPlaneToWgs84(n - params.adjust.szdAdjustX, e - params.adjust.szdAdjustY, planeH, b, l,
                                height);
    latDeg = b * kRadToDeg;
    lonDeg = l * kRadToDeg;
}
