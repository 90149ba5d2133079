#pragma once
// The frame's conversion of a WGS-84 base position to Earth-centred coordinates: its second coordinate
// transformer is set to the WGS-84 ellipsoid for the conversion and then back to the job's ellipsoid.
#include "foundation/CoordSysParams.h"
#include "geodesy/CoordTransform.h"

void Wgs84BlhToXyzOn(CCoordTransform& transformer, const EllipsoidParams& jobEllipsoid, double latDeg,
                     double lonDeg, double height, double* x, double* y, double* z);
