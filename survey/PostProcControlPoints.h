#pragma once
// The control-point mode of post-processing: the working parameters take their plane and height
// parts from a control-point file (*.cot), solved as the job's calibration solves them. The
// working shifts are cleared first, so the job's own are only added when the user asks; a one-point
// plane shift switches the four parameters off and a height shift the height surface, while a
// part no point is marked for keeps the job's.
#include "foundation/CoordSysParams.h"
#include "platform/text/CString.h"

// False (working untouched) when the file cannot be read.
bool ReadControlPoints(const CString& path, CoordSysParams& working, int planeFitIndex, int surfaceFitIndex);
