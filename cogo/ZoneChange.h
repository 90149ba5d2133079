#pragma once
// Moving a grid point from one central meridian to another on the job's ellipsoid: back to
// latitude and longitude through the first meridian's projection, forward through the second's.
// Both projections are the job's transverse Mercator (its type, scale, false northing, base
// latitude and projection height) with their own central meridian and false easting.
#include "cogo/CogoGeometry.h"
#include "foundation/CoordSysParams.h"

struct ZoneSpec {
    double centralMeridianDeg = 0.0;
    double falseEasting = 0.0;
};

struct ZoneChangeResult {
    PlanePoint point;
    double latitudeDeg = 0.0;
    double longitudeDeg = 0.0;
};

// Refused for the stereographic projections, which have no zones.
CogoStatus ChangeZone(const EllipsoidParams& ellipsoid, const ProjectionBlock& projection, PlanePoint point,
                      const ZoneSpec& from, const ZoneSpec& to, ZoneChangeResult& out);
