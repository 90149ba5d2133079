#pragma once
// The data verification dialog's texts: the live position, and the differences of the coordinates
// taken after and before the receiver re-solved its RTK solution, computed from the shown texts (so
// they are differences of millimetre values; an empty or unreadable text counts as 0).
#include <array>

#include "foundation/CGpsState.h"

struct VerifyLiveTexts {
    CString x, y, h, time, status, pdop, rmsH, rmsV;
};
VerifyLiveTexts FormatVerifyLiveTexts(const CGpsState& state);

// "%.3f" of the grid x, y and h.
std::array<CString, 3> TakenCoordinates(const CGpsState& state);
std::array<CString, 3> CoordinateDifferences(const std::array<CString, 3>& first,
                                             const std::array<CString, 3>& second);
