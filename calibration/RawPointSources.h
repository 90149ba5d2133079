#pragma once
// Where a control point's raw coordinates come from, as numbers: geodetic positions projected with
// the job's projection, earth-centred WGS-84 positions taken to the job's grid, and the vertical
// antenna height that a receiver's raw height is reduced by. All results carry millimetres, as
// the dialogs show them.
#include <optional>

#include "foundation/CGpsState.h"
#include "foundation/CoordSysParams.h"
#include "geodesy/CoordTransform.h"
#include "platform/text/CString.h"

struct RawPoint {
    double x = 0.0;
    double y = 0.0;
    double h = 0.0;
};

// Packed degrees-minutes-seconds latitude and longitude projected on the converter's ellipsoid.
RawPoint ProjectGeodetic(const CCoordTransform& converter, int projectionType, double packedB, double packedL,
                         double h);
// Earth-centred X, Y, Z on WGS-84 to the job's grid (latitude and longitude kept, projected on the
// job's ellipsoid, no datum shift) and the ellipsoidal height. The converter is not changed.
RawPoint ProjectEarthCentred(const CCoordTransform& converter, const CoordSysParams& job, double x, double y,
                             double z);

// The antenna constants a typed height is reduced with: a slant height √(t² − R²) + A, a pole
// height t + B.
struct AntennaConstants {
    double phaseOffset = 0.0;  // A
    double poleOffset = 0.0;   // B
    double radius = 0.0;       // R
};

enum AntennaHeightKind { kVerticalHeight = 0, kSlantHeight = 1, kPoleHeight = 2 };

// The vertical height of a typed one, slant and pole heights to the millimetre; none for a slant
// height not longer than the radius.
std::optional<double> VerticalAntennaHeight(double typed, int kind, const AntennaConstants& antenna);

inline constexpr const wchar_t* kSlantRefusal = L"斜高不能小于天线半径,请重新输入!";

// A fix with a position: never a state without a solution or with a latitude and longitude of 0 (the
// frame's state after a reset). The frame's fix flag is no guide: it drops once a fix was forwarded.
bool FixCanCalibrate(const CGpsState& fix);
inline constexpr const wchar_t* kNoPositionRefusal = L"没有有效的定位数据,不能校正!";

// A number to the millimetre, as "%.3f" shows it.
double Millimetres(double value);
