#include "shell/PositionConverter.h"

namespace {
void Load(CCoordTransform& t, const CoordSysParams& p) {
    t.SetEllipsoid(p.ellipsoid.szdDa, p.ellipsoid.szdDf);
    const ProjectionBlock& proj = p.projection;
    t.SetProjection(proj.nTouYin, static_cast<double>(proj.szlTx), static_cast<double>(proj.szlTy),
                    proj.szdCenter, proj.szdTk, proj.ProjectLat, proj.szdTHigh);
    const FourParamBlock& four = p.four;
    t.SetFourParams(four.nDifang, four.szdCx1, four.szdCy1, four.szdCa1, four.szdCk1);
    const SevenParamBlock& s = p.seven;
    t.SetSevenParams(s.nSevenPar, s.szddx, s.szddy, s.szddz, s.szdWx, s.szdWy, s.szdWz, s.szddK);
    const HeightFitParams& fit = p.heightFit;
    t.SetHeightFitParams(fit.szdNiheA[0], fit.szdNiheA[1], fit.szdNiheA[2], fit.szdNiheA[3], fit.szdNiheA[4],
                         fit.szdNiheA[5], fit.szdNiheX0, fit.szdNiheY0);
}
}  // namespace

void PositionConverter::Apply(const CoordSysParams& params) {
    Load(second_, params);
    Load(first_, params);
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
