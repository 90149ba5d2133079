#pragma once
// The WGS-84 ellipsoid's own conversions between latitude, longitude and height and Earth-centred
// coordinates: one immutable converter, so that nobody switches a shared converter to WGS-84 and back.
#include "geodesy/CoordTransform.h"

const CCoordTransform& Wgs84Converter();
