#pragma once
// The coordinate tools' host: the job's coordinate parameters and the frame's second converter,
// read-only. Conversions follow the job's grid rule, so a tool gives the grid the program stores.
#include "cogo/CogoHost.h"
#include "foundation/CoordSysParams.h"
#include "geodesy/CoordTransform.h"

class CogoHostImpl : public ICogoHost {
public:
    CogoHostImpl(const CoordSysParams& params, const CCoordTransform& converter)
        : params_(params), converter_(converter) {}

    SpacePoint GridFromWgs84(const GeoPosition& position) const override;
    GeoPosition Wgs84FromGrid(const SpacePoint& grid) const override;
    EllipsoidParams JobEllipsoid() const override { return params_.ellipsoid; }
    ProjectionBlock JobProjection() const override { return params_.projection; }

private:
    const CoordSysParams& params_;
    const CCoordTransform& converter_;
};
