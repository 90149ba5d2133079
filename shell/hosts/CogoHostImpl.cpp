#include "shell/hosts/CogoHostImpl.h"

#include "geodesy/JobGrid.h"

SpacePoint CogoHostImpl::GridFromWgs84(const GeoPosition& position) const {
    SpacePoint grid;
    JobGridFromWgs84(converter_, params_, position.latitude, position.longitude, position.height, grid.x,
                     grid.y, grid.h);
    return grid;
}

GeoPosition CogoHostImpl::Wgs84FromGrid(const SpacePoint& grid) const {
    GeoPosition position;
    Wgs84FromJobGrid(converter_, params_, grid.x, grid.y, grid.h, position.latitude, position.longitude,
                     position.height);
    return position;
}
