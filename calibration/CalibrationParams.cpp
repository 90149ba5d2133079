#include "calibration/CalibrationParams.h"

void ApplyControlPointSolution(CoordSysParams& params, const CString& controlPointFile,
                               const ControlPointSolution& solution) {
    params.four = FourParamBlock{0, 0.0, 0.0, 0.0, 1.0};
    params.adjust.szdAdjustX = 0.0;
    params.adjust.szdAdjustY = 0.0;
    if (solution.planeMode == kPlaneShift) {
        params.adjust.szdAdjustX = solution.shiftN;
        params.adjust.szdAdjustY = solution.shiftE;
    } else if (solution.planeMode == kPlaneFour) {
        params.four = FourParamBlock{1, solution.fourShiftN, solution.fourShiftE, solution.fourRotation,
                                     solution.fourScale};
    }

    HeightFitParams& fit = params.heightFit;
    fit.nNiheMode = 0;
    fit.szdNiheA = {};
    fit.szdNiheX0 = 0.0;
    fit.szdNiheY0 = 0.0;
    params.adjust.szdAdjustH = 0.0;
    if (solution.heightMode == kHeightShift) {
        params.adjust.szdAdjustH = solution.shiftH;
    } else if (solution.heightMode == kHeightFit) {
        fit.nNiheMode = 1;
        fit.szdNiheA = solution.heightFit;
        fit.szdNiheX0 = solution.heightX0;
        fit.szdNiheY0 = solution.heightY0;
    }
    fit.szConF = controlPointFile;
}

void KeepRememberedModes(ControlPointSolution& solution, const CalibrationMemory& remembered,
                         const CoordSysParams& job) {
    if (solution.planeMode == kPlaneNone) {
        solution.planeMode = remembered.planeMode;
        solution.shiftN = job.adjust.szdAdjustX;
        solution.shiftE = job.adjust.szdAdjustY;
        solution.fourShiftN = job.four.szdCx1;
        solution.fourShiftE = job.four.szdCy1;
        solution.fourRotation = job.four.szdCa1;
        solution.fourScale = job.four.szdCk1;
    }
    if (solution.heightMode == kHeightNone) {
        solution.heightMode = remembered.heightMode;
        solution.shiftH = job.adjust.szdAdjustH;
        solution.heightFit = job.heightFit.szdNiheA;
        solution.heightX0 = job.heightFit.szdNiheX0;
        solution.heightY0 = job.heightFit.szdNiheY0;
    }
}
