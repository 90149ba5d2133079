#pragma once
// What the coordinate tools need of the main frame: conversions through the job's coordinate
// parameters and the job's ellipsoid and projection. Reads only; no tool changes the job.
#include "cogo/CogoGeometry.h"
#include "foundation/CoordSysParams.h"

// A WGS-84 position: decimal degrees and ellipsoidal height in metres.
struct GeoPosition {
    double latitude = 0.0;
    double longitude = 0.0;
    double height = 0.0;
};

class ICogoHost {
public:
    virtual ~ICogoHost() = default;
    // Grid x, y, h through the job's parameters, as every fix of the receiver is converted.
    virtual SpacePoint GridFromWgs84(const GeoPosition& position) const = 0;
    // The exact reverse of GridFromWgs84.
    virtual GeoPosition Wgs84FromGrid(const SpacePoint& grid) const = 0;
    virtual EllipsoidParams JobEllipsoid() const = 0;
    virtual ProjectionBlock JobProjection() const = 0;
};
