#pragma once
// What the coordinate-system dialogs need of the main frame: the job's coordinate-system record and
// the spare one beside it, the position converter, loading the converters, the job settings (which
// write the coordinate-parameter file and know a new job's defaults) and the parameter warnings.
// The shell's main frame implements it and registers itself at start; tests register a double.
#include "foundation/CJobSettings.h"
#include "foundation/CoordSysParams.h"
#include "geodesy/CoordTransform.h"

// The periodic parameter warnings a user can acknowledge; a changed group raises its warning again.
enum class ParamWarning { kCentralMeridian, kSevenRotation, kFourScale };

class IGeodesyFrame {
public:
    virtual ~IGeodesyFrame() = default;

    virtual CoordSysParams& JobCoordParams() = 0;
    // The second record, which the new-job wizard starts from.
    virtual CoordSysParams& SpareCoordParams() = 0;
    // The converter of the receiver's positions.
    virtual CCoordTransform& PositionTransform() = 0;
    // Loads both converters from the job's record (ApplyCoordParams of geodesy/CoordParamsApply.h).
    virtual void ApplyCoordParams() = 0;
    virtual CJobSettings& JobSettings() = 0;
    // Clears the acknowledgement of that warning, so that the periodic check may raise it again.
    virtual void RearmWarning(ParamWarning warning) = 0;
};

// The registered frame, or null before the frame exists.
IGeodesyFrame* GeodesyFrame();
// Registers `frame` and returns the one it replaces.
IGeodesyFrame* SetGeodesyFrame(IGeodesyFrame* frame);
