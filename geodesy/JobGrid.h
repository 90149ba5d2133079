#pragma once
// The job's grid as every fix is stored: the converter's local plane with the job's one-point
// shifts and, when the job fits heights, the fitted height taken off. One rule for the fix
// pipeline and the coordinate tools, so both give the same grid for the same position.
#include "foundation/CoordSysParams.h"
#include "geodesy/CoordTransform.h"

// Grid north, east and height of a WGS-84 position (degrees).
void JobGridFromWgs84(const CCoordTransform& converter, const CoordSysParams& params, double latDeg,
                      double lonDeg, double height, double& n, double& e, double& h);
// The WGS-84 position (degrees) of a grid point; the inverse of the above.
void Wgs84FromJobGrid(const CCoordTransform& converter, const CoordSysParams& params, double n, double e,
                      double h, double& latDeg, double& lonDeg, double& height);
