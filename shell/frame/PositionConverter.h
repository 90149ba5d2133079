#pragma once
// The frame's two coordinate converters, loaded with the job's parameters: the first converts
// every fix and base position to the local grid, the second serves calibration and the dialogs.
// Only Apply loads them; everything else reads them.
#include "foundation/CGpsState.h"
#include "foundation/CoordSysParams.h"
#include "geodesy/CoordTransform.h"

class PositionConverter {
public:
    // Loads both converters (the second first); the height-fit mode stays with the parameters.
    void Apply(const CoordSysParams& params);
    // Fills the state's projected and grid coordinates from its WGS-84 position.
    void Convert(CGpsState& state, const CoordSysParams& params) const;
    // Projected north, east and height of a WGS-84 position (degrees), through the seven
    // parameters when the job uses them, before the job's shifts and height fit.
    void ToProjected(double latDeg, double lonDeg, double height, const CoordSysParams& params, double& n,
                     double& e, double& h) const;
    // Grid north, east and height of a WGS-84 position with the job's shifts and height fit.
    void ToGrid(double latDeg, double lonDeg, double height, const CoordSysParams& params, double& n,
                double& e, double& h) const;

    const CCoordTransform& First() const { return first_; }
    const CCoordTransform& Second() const { return second_; }

private:
    CCoordTransform first_;
    CCoordTransform second_;
};
