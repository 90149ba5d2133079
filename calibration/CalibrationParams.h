#pragma once
// What an accepted calibration result does to the job's coordinate parameters.
#include "calibration/CalibrationMemory.h"
#include "foundation/CoordSysParams.h"
#include "geodesy/ControlPointSolve.h"

// The control-point solve accepted with 应用: the file becomes the job's control-point file; the
// plane result sets the four parameters or the plane shifts (the other reset), the height result
// the height surface or the height shift (the other reset). Mode 0 resets both of its kind.
void ApplyControlPointSolution(CoordSysParams& params, const CString& controlPointFile,
                               const ControlPointSolution& solution);

// A solve without a usable plane pair (or height point) keeps the kind the frame remembers for that
// part, with the job's values of that kind, so that accepting it leaves that part as the job has it.
void KeepRememberedModes(ControlPointSolution& solution, const CalibrationMemory& remembered,
                         const CoordSysParams& job);
