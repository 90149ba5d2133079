#include "survey/PostProcControlPoints.h"

#include "calibration/CalibrationParams.h"
#include "calibration/ControlPointFile.h"
#include "survey/PostProcessing.h"

bool ReadControlPoints(const CString& path, CoordSysParams& working, int planeFitIndex, int surfaceFitIndex) {
    CCoordTransform converter;
    ApplyProjectionTo(converter, working);
    ControlPointTable table;
    if (!ReadControlPointFile(path, converter, working.projection.nTouYin, table.Rows())) return false;
    // Nothing remembered: a part without usable points keeps the job's values below.
    const ControlPointSolution& solution =
        table.Solve(planeFitIndex, surfaceFitIndex, CalibrationMemory{}, working);
    const CoordSysParams job = working;
    ApplyControlPointSolution(working, job.heightFit.szConF, solution);
    if (solution.planeMode == kPlaneNone) working.four = job.four;
    if (solution.heightMode == kHeightNone) {
        working.heightFit = job.heightFit;
        working.adjust.szdAdjustH = 0.0;
    }
    return true;
}
