#pragma once
// Single-point calibration: with the base on a known point or on an unknown point, the live fix
// at one or two marks whose local coordinates the wizard stored in the calibration slots gives
// the plane and height shifts that every later fix gets (two marks and no four parameters yet:
// first four parameters from them), or, with the three-parameter choice, a translations-only
// datum shift. Slot 0 is the base (its surveyed values come from the base's broadcast position),
// slots 1 and 2 the rover marks. With height fitting on, every slot's surveyed height is taken at
// its own known position off the fitted surface.
#include <optional>

#include "calibration/KnownBaseList.h"
#include "foundation/CGpsState.h"
#include "foundation/CoordSysParams.h"
#include "geodesy/CoordTransform.h"
#include "geodesy/GeometryStrength.h"

// What a calibration takes from the fix: its grid position before the four parameters, height fit
// and shifts, and its WGS-84 position.
struct CalibrationFix {
    double x = 0.0;
    double y = 0.0;
    double h = 0.0;
    double latDeg = 0.0;
    double lonDeg = 0.0;
    double height = 0.0;
    int solutionCode = 0;
};
CalibrationFix CaptureFix(const CGpsState& state);

// The calibration log's line (without CR LF): "adjust,B,L,H,00000000", B and L packed
// degrees-minutes-seconds to ten decimals.
CString AdjustLogLine(const CalibrationFix& fix, const CCoordTransform& angles);

struct CalibrationChoice {
    bool knownBase = true;
    int count = 1;                // slots in use: 1 to 3
    bool threeParameter = false;  // the datum-shift form
};

struct CalibrationResult {
    CoordSysParams params;
    // The unknown base's derived known point, for row 0 of the known-base list.
    std::optional<KnownBaseRow> derivedBase;
    // Two marks that coincide: no four parameters were solved, the shifts serve alone.
    bool fourParamsRefused = false;
    // How firmly the two marks hold the four parameters solved from them (0 when none were).
    GeometryEstimate geometry;
};

// Runs the calibration on a copy of `params`; `converter` is the calibration converter, loaded
// with the job's parameters (it is not changed). The fix goes into its slot first (not in the
// three-parameter form).
CalibrationResult Calibrate(const CoordSysParams& params, const CalibrationChoice& choice,
                            const CalibrationFix& fix, const CCoordTransform& converter);
