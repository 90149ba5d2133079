#pragma once
// Parameters from typed common points. Four parameters from pairs of plane coordinates (north
// and east before, north and east after); seven parameters from pairs of a WGS-84 geodetic
// position (packed degrees-minutes-seconds and ellipsoidal height) and a local grid position with
// its height, both taken to earth-centred coordinates on their own ellipsoid. Text that is no
// number counts 0, as the lists show it.
#include <vector>

#include "calibration/PairFile.h"
#include "foundation/CoordSysParams.h"
#include "geodesy/CoordTransform.h"
#include "geodesy/GeometryStrength.h"

// Pairs as (name, north before, east before, north after, east after). kSolveNothing for fewer
// than two pairs; kSolveDegenerate when the points coincide. `four` is set only when solved.
SolveStatus ComputeFourParams(const std::vector<PairFields>& pairs, FourParamBlock& four);

// Pairs as (name, B, L, H, x, y, h). kSolveNothing without pairs; kSolveDegenerate when three or
// more lie on one line or in one place. One pair gives translations only, two their mean. The
// scale is kept to 15 decimals. `seven` is set only when solved.
SolveStatus ComputeSevenParams(const std::vector<PairFields>& pairs, const CoordSysParams& job,
                               const CCoordTransform& converter, SevenParamBlock& seven);

// How firmly the same pairs hold the parameters solved from them (see GeometryStrength.h).
GeometryEstimate FourParamPairsGeometry(const std::vector<PairFields>& pairs);
GeometryEstimate SevenParamPairsGeometry(const std::vector<PairFields>& pairs, const CoordSysParams& job,
                                         const CCoordTransform& converter);
