#pragma once
// The texts of the receiver information dialog's position, base and free-text pages, formatted from
// a copy of the receiver state.
#include <array>

#include "foundation/CGpsState.h"

class IReceiverHost;

struct PositionTexts {
    CString latitude, longitude, height, x, y, h, pdop, solution, satellites, rmsV, rmsH, time;
};
PositionTexts FormatPositionTexts(const CGpsState& state);
// "9+4" while the GLONASS used count is 1 to 12, else the GPS used count alone.
CString SatelliteCountText(int gpsUsed, int glonassUsed);

// The opener's text cut at each line feed into at most fifteen lines (missing ones empty).
std::array<CString, 15> TextPageLines(const CString& text);

// The reference point the job keeps, and whether its distance is shown.
struct RefPoint {
    int show = 0;
    double north = 0.0;
    double east = 0.0;
};

struct RefPointTexts {
    CString latitude, longitude, height, x, y, h, spatialDistance, planeDistance, azimuth;
    CString knownX, knownY, knownH, format, refDistance, refAzimuth;
};

// Refreshes the texts in the page's order. The reference texts always change; the base texts only
// when a base position is known (false when none is: they keep what they showed). The base goes to
// the grid through the frame's first transformer; the spatial distance is taken on WGS-84 through the
// frame's own Cartesian conversion.
bool RefreshRefPointTexts(IReceiverHost& frame, const CGpsState& state, const RefPoint& ref,
                          RefPointTexts& texts);
