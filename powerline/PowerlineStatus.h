#pragma once
// The live status texts of the power-line screens, worked out without any window.
#include "foundation/CGpsState.h"
#include "foundation/GeneralSettingsBlock.h"
#include "platform/text/CString.h"

struct PowerlineStatusTexts {
    CString solution;
    CString satellites;
    CString x;
    CString y;
    CString h;
    CString rmsH;
    CString rmsV;
};

// Coordinates and precision "%.3f", the height less the rover antenna when the job shows ground
// heights; a fix without a position shows only its solution.
PowerlineStatusTexts FormatPowerlineStatus(const CGpsState& fix, const GeneralSettingsBlock& settings);
