#include "shell/frame/PositionConverter.h"

#include "geodesy/CoordParamsApply.h"
#include "geodesy/JobGrid.h"

void PositionConverter::Apply(const CoordSysParams& params) {
    ApplyCoordParams(params, second_);
    ApplyCoordParams(params, first_);
}

void PositionConverter::Convert(CGpsState& state, const CoordSysParams& params) const {
    ToProjected(state.latitude, state.longitude, state.height, params, state.projX, state.projY, state.projH);
    ToGrid(state.latitude, state.longitude, state.height, params, state.gridX, state.gridY, state.gridH);
}

void PositionConverter::ToProjected(double latDeg, double lonDeg, double height, const CoordSysParams& params,
                                    double& n, double& e, double& h) const {
    double b = latDeg, l = lonDeg;
    h = height;
    if (params.seven.nSevenPar == 1) first_.Wgs84ToLocalBlh(b, l, h);
    n = e = 0.0;
    first_.GeodeticToPlane(params.projection.nTouYin, b, l, n, e);
}

void PositionConverter::ToGrid(double latDeg, double lonDeg, double height, const CoordSysParams& params,
                               double& n, double& e, double& h) const {
    JobGridFromWgs84(first_, params, latDeg, lonDeg, height, n, e, h);
}
