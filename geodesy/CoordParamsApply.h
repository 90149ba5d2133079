#pragma once
// Loads one converter from a job's coordinate-system record. The record keeps the false northing
// and easting as whole metres; the converter takes them as doubles. The height-fit mode, szdTlon
// and the minimum point counts are not the converter's business.
#include "foundation/CoordSysParams.h"
#include "geodesy/CoordTransform.h"

void ApplyCoordParams(const CoordSysParams& params, CCoordTransform& transform);
