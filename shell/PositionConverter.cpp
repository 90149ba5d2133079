#include "shell/PositionConverter.h"

#include "geodesy/CoordParamsApply.h"

void PositionConverter::Apply(const CoordSysParams& params) {
    ApplyCoordParams(params, second_);
    ApplyCoordParams(params, first_);
}

void PositionConverter::Convert(CGpsState& state, const CoordSysParams& params) {
    double b = state.latitude, l = state.longitude, h = state.height;
    if (params.seven.nSevenPar == 1) first_.Wgs84ToLocalBlh(b, l, h);
    double x = 0.0, y = 0.0;
    first_.GeodeticToPlane(params.projection.nTouYin, b, l, x, y);
    state.projX = x;
    state.projY = y;
    state.projH = h;
    ToGrid(state.latitude, state.longitude, state.height, params, state.gridX, state.gridY, state.gridH);
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
