#include "shell/hosts/FrameCogoHost.h"

#include "geodesy/GeodesyConstants.h"

// The one-point shifts and the height fit follow the converter, as for every fix, so the tool
// gives the grid the program stores for the same position.
SpacePoint FrameCogoHost::GridFromWgs84(const GeoPosition& position) const {
    CCoordTransform t = converter_;
    SpacePoint grid;
    t.Wgs84ToLocalPlane(position.latitude, position.longitude, position.height, grid.x, grid.y, grid.h);
    grid.x += params_.adjust.szdAdjustX;
    grid.y += params_.adjust.szdAdjustY;
    grid.h += params_.adjust.szdAdjustH;
    if (params_.heightFit.nNiheMode == 1) {
        double fit = 0.0;
        t.ApplyHeightFit(grid.x, grid.y, fit);
        grid.h -= fit;
    }
    return grid;
}

GeoPosition FrameCogoHost::Wgs84FromGrid(const SpacePoint& grid) const {
    CCoordTransform t = converter_;
    double h = grid.h - params_.adjust.szdAdjustH;
    if (params_.heightFit.nNiheMode == 1) {
        double fit = 0.0;
        t.ApplyHeightFit(grid.x, grid.y, fit);
        h += fit;
    }
    double b = 0.0, l = 0.0, height = 0.0;
    t.LocalPlaneToWgs84(grid.x - params_.adjust.szdAdjustX, grid.y - params_.adjust.szdAdjustY, h, b, l,
                        height);
    return {b * kRadToDeg, l * kRadToDeg, height};
}
