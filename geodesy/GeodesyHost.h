#pragma once
// What the coordinate-system dialogs need of the main frame: the job's coordinate-system record and
// the spare one the new-job wizard starts from, read only; a new job's defaults; and two operations,
// changing the job's record (the converters, the base station and the coordinate-parameter file
// follow) and re-arming a parameter warning. The shell implements it; tests use a small double.
#include "foundation/CoordSysParams.h"

// The periodic parameter warnings a user can acknowledge; a changed group raises its warning again.
enum class ParamWarning { kCentralMeridian, kSevenRotation, kFourScale };

// Whether the base station's grid position is recomputed from its kept WGS-84 position: after the
// datum or the projection changed it must be.
enum class BaseStation { kKept, kReprojected };

class IGeodesyHost {
public:
    virtual ~IGeodesyHost() = default;

    virtual const CoordSysParams& CoordParams() const = 0;
    virtual const CoordSysParams& SpareCoordParams() const = 0;
    // The record a new job starts with.
    virtual CoordSysParams NewJobDefaults() const = 0;
    // Makes `params` the job's record: loads both converters from it, recomputes the base station's
    // grid position when asked, and writes the coordinate-parameter file; false when the write failed
    // (the user was told).
    virtual bool SaveCoordParams(const CoordSysParams& params, BaseStation base) = 0;
    // Clears the acknowledgement of that warning, so that the periodic check may raise it again.
    virtual void RearmWarning(ParamWarning warning) = 0;
};
