#include "shell/frame/PositionConverter.h"

#include "geodesy/CoordParamsApply.h"

void PositionConverter::Apply(const CoordSysParams& params) {
    ApplyCoordParams(params, second_);
    ApplyCoordParams(params, first_);
}

void PositionConverter::Convert(CGpsState& state, const CoordSysParams& params) {
    ToProjected(state.latitude, state.longitude, state.height, params, state.projX, state.projY, state.projH);
    ToGrid(state.latitude, state.longitude, state.height, params, state.gridX, state.gridY, state.gridH);
}

void PositionConverter::ToProjected(double latDeg, double lonDeg, double height, const CoordSysParams& params,
                                    double& n, double& e, double& h) {
    double b = latDeg, l = lonDeg;
    h = height;
    if (params.seven.nSevenPar == 1) first_.Wgs84ToLocalBlh(b, l, h);
    n = e = 0.0;
    first_.GeodeticToPlane(params.projection.nTouYin, b, l, n, e);
}

void PositionConverter::ToGrid(double latDeg, double lonDeg, double height, const CoordSysParams& params,
                               double& n, double& e, double& h) {
    first_.Wgs84ToLocalPlane(latDeg, lonDeg, height, n, e, h);
    n += params.adjust.szdAdjustX;
    e += params.adjust.szdAdjustY;
    h += params.adjust.szdAdjustH;
    if (params.heightFit.nNiheMode == 1) {
        double fit = 0.0;
        first_.ApplyHeightFit(n, e, fit);
        h -= fit;
    }
}
