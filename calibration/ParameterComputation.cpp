#include "calibration/ParameterComputation.h"

#include "geodesy/GeodesyConstants.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

namespace {

double Field(const PairFields& pair, size_t index) {
    return index < pair.size() ? ToDouble(pair[index]) : 0.0;
}

std::vector<PlanePointPair> FourPairs(const std::vector<PairFields>& pairs) {
    std::vector<PlanePointPair> plane;
    for (const PairFields& p : pairs)
        plane.push_back(PlanePointPair{Field(p, 1), Field(p, 2), Field(p, 3), Field(p, 4)});
    return plane;
}

// Each pair's WGS-84 position and its local grid position, both earth-centred on their own ellipsoid.
std::vector<SpacePointPair> SevenPairs(const std::vector<PairFields>& pairs, const CoordSysParams& job,
                                       const CCoordTransform& converter) {
    CCoordTransform wgs84 = converter;
    wgs84.SetEllipsoid(kWgs84SemiMajor, kWgs84InvFlattening);
    CCoordTransform local = converter;
    local.SetEllipsoid(job.ellipsoid.szdDa, job.ellipsoid.szdDf);
    std::vector<SpacePointPair> space;
    for (const PairFields& p : pairs) {
        SpacePointPair pair;
        const double b = converter.ConvertDmsAngle(Field(p, 1), 1) * kRadToDeg;
        const double l = converter.ConvertDmsAngle(Field(p, 2), 1) * kRadToDeg;
        wgs84.BlhToXyz(b, l, Field(p, 3), pair.v[0], pair.v[1], pair.v[2]);
        double localB = 0.0, localL = 0.0;
        local.PlaneToGeodetic(job.projection.nTouYin, Field(p, 4), Field(p, 5), localB, localL);
        local.BlhToXyz(localB * kRadToDeg, localL * kRadToDeg, Field(p, 6), pair.v[3], pair.v[4], pair.v[5]);
        space.push_back(pair);
    }
    return space;
}
}  // namespace

SolveStatus ComputeFourParams(const std::vector<PairFields>& pairs, FourParamBlock& four) {
    if (pairs.size() < 2) return kSolveNothing;
    CCoordTransform solver;
    solver.m_arrFourPairs = FourPairs(pairs);
    const SolveStatus status = solver.SolveFourParams();
    if (status == kSolved)
        four = FourParamBlock{1, solver.m_dFourShiftX, solver.m_dFourShiftY, solver.m_dFourRotation,
                              solver.m_dFourScale};
    return status;
}

SolveStatus ComputeSevenParams(const std::vector<PairFields>& pairs, const CoordSysParams& job,
                               const CCoordTransform& converter, SevenParamBlock& seven) {
    CCoordTransform solver;
    solver.m_arrSevenPairs = SevenPairs(pairs, job, converter);
    const SolveStatus status = solver.SolveSevenParams();
    if (status == kSolved)
        seven = SevenParamBlock{1,
                                solver.m_dDX,
                                solver.m_dDY,
                                solver.m_dDZ,
                                solver.m_dEx,
                                solver.m_dEy,
                                solver.m_dEz,
                                ToDouble(Format(L"%.15f", solver.m_dM))};
    return status;
}

GeometryEstimate FourParamPairsGeometry(const std::vector<PairFields>& pairs) {
    return FourParamGeometry(FourPairs(pairs));
}

GeometryEstimate SevenParamPairsGeometry(const std::vector<PairFields>& pairs, const CoordSysParams& job,
                                         const CCoordTransform& converter) {
    return SevenParamGeometry(SevenPairs(pairs, job, converter));
}
