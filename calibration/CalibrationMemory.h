#pragma once
// What the frame remembers of calibration from one screen to the next.
#include "geodesy/ControlPointSolve.h"

struct CalibrationMemory {
    // The kinds of the last control-point solve's results: a solve without a usable plane pair (or
    // height point) keeps the kind it found here for that part.
    int planeMode = kPlaneNone;
    int heightMode = kHeightNone;
    // The base-station wizard has run to its end.
    bool wizardDone = false;
};
