#pragma once
// How the new-job command stores the set-up wizard's values: the job's record becomes a new job's
// defaults with the base station's WGS-84 position, height and identifier kept and the values in;
// the converters are loaded, the base station's grid position recomputed from the kept position
// (as the parameter view does), and the coordinate-parameter file written. False when the write
// failed (already reported to the user).
#include "geodesy/CoordParamGroups.h"
#include "geodesy/GeodesyHost.h"

bool StoreNewJobCoordParams(IGeodesyHost& host, const CoordSysValues& values);
