#include "geodesy/CoordParamsApply.h"

void ApplyCoordParams(const CoordSysParams& p, CCoordTransform& t) {
    t.SetEllipsoid(p.ellipsoid.szdDa, p.ellipsoid.szdDf);
    const ProjectionBlock& pr = p.projection;
    t.SetProjection(pr.nTouYin, static_cast<double>(pr.szlTx), static_cast<double>(pr.szlTy), pr.szdCenter,
                    pr.szdTk, pr.ProjectLat, pr.szdTHigh);
    t.SetFourParams(p.four.nDifang, p.four.szdCx1, p.four.szdCy1, p.four.szdCa1, p.four.szdCk1);
    const SevenParamBlock& s = p.seven;
    t.SetSevenParams(s.nSevenPar, s.szddx, s.szddy, s.szddz, s.szdWx, s.szdWy, s.szdWz, s.szddK);
    const HeightFitParams& h = p.heightFit;
    t.SetHeightFitParams(h.szdNiheA[0], h.szdNiheA[1], h.szdNiheA[2], h.szdNiheA[3], h.szdNiheA[4],
                         h.szdNiheA[5], h.szdNiheX0, h.szdNiheY0);
}
