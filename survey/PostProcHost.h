#pragma once
// What post-processing reads of the main frame: copies and paths, nothing it could change.
#include "foundation/CoordSysParams.h"
#include "platform/text/CString.h"

class IPostProcHost {
public:
    virtual ~IPostProcHost() = default;
    // A copy of the job's coordinate parameters.
    virtual CoordSysParams CoordParams() const = 0;
    // The job's height-fit choices (nPlaneNihe, nCurveNihe).
    virtual int PlaneFitIndex() const = 0;
    virtual int SurfaceFitIndex() const = 0;
    virtual CString JobFolder() const = 0;
    virtual CString DataFolder() const = 0;
    // The job's live point file, which a result must never replace.
    virtual CString PointFilePath() const = 0;
};
