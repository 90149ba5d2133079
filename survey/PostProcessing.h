#pragma once
// Post-processing: the points of a raw record file (*.blh) recomputed from their WGS-84 positions
// with a chosen set of coordinate parameters and written as a new point file. The parameters are a
// working copy; the job's own never change. The conversion is the live one: projection, datum and
// four parameters, then the shifts and the height surface, then the offset of an offset store; a
// smoothing group becomes one point, the mean of its epochs.
#include "foundation/CoordSysParams.h"
#include "geodesy/CoordTransform.h"
#include "platform/text/CString.h"

// The converter's ellipsoid and projection only.
void ApplyProjectionTo(CCoordTransform& transform, const CoordSysParams& params);
// Everything the live conversion uses: projection, seven and four parameters, height surface.
void ApplyParamsTo(CCoordTransform& transform, const CoordSysParams& params);

struct PostProcOutcome {
    enum class Status { kWritten, kRawUnreadable, kResultNotWritten } status = Status::kWritten;
    int lines = 0;  // result lines written; none is "no data"
};

// The result's 33 fields per point: name, x, y, ground height, the raw fields 5-13, the number of
// records behind the point, the raw fields 14-32. The result file is replaced atomically; with
// `addShifts` the job's shifts are added on top of the working ones.
PostProcOutcome WritePostProcResult(const CString& rawPath, const CString& resultPath,
                                    const CoordSysParams& working, bool addShifts,
                                    const AdjustParamBlock& jobShifts);

// The result must not replace the raw file nor the job's live point file (the device's file
// names ignore case).
bool SameDevicePath(const CString& a, const CString& b);
