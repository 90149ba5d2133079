#pragma once
// The readout texts under the stake-out plots, worked out without any window. Direction words name
// where the target (or the line's foot) lies as seen from the position. Every distance and mileage
// keeps to the ten characters its field holds at 240 pixels.
#include "foundation/CGpsState.h"
#include "foundation/GeneralSettingsBlock.h"
#include "foundation/PointRecord.h"
#include "platform/text/CString.h"
#include "stakeout/LineGuidance.h"
#include "stakeout/PointGuidance.h"

// No stake-out guides anyone over this many metres (RTK corrections reach a few tens of
// kilometres); a distance as long, such as one to a line or point entered in another grid, reads
// kFarText after its direction word instead of a number too long for its field.
constexpr double kFarthestStake = 100000.0;
inline constexpr const wchar_t* kFarText = L">100km";

// "%d+%d" of the GPS and GLONASS satellites used with 1 to 11 GLONASS satellites, else the GPS count.
CString SatelliteText(const CGpsState& fix);
// The solution is drawn red for a fixed solution outside the job's precision limits.
bool SolutionOverLimits(const CGpsState& fix, const GeneralSettingsBlock& settings);

struct PointReadouts {
    CString name;
    CString azimuth;
    CString distance;
    CString dx;
    CString dy;
    CString dh;
    CString solution;
    CString rmsH;
    CString rmsV;
    CString satellites;
};

// `guidance` is null without a target. "南" for a positive dN (the target lies south), else "北".
PointReadouts FormatPointReadouts(const PointRecord* target, const PointGuidance* guidance,
                                  const CGpsState& fix);
// A fix without a position: only its solution text.
PointReadouts EmptyPointReadouts(const CGpsState& fix);

struct LineReadouts {
    CString name;
    CString dx;
    CString dy;
    CString offset;
    CString startDistance;
    CString endDistance;
    CString solution;
    CString satellites;
    CString rmsH;
    CString rmsV;
    CString mileage;

    // "(satellites)solution".
    CString Status() const;
};

// Dx and Dy keep their texts while the foot is off the segment. The mileage reads kFarText when
// the position is kFarthestStake or more off the line or beyond an end, else with as many of its
// three decimals as its field holds. A line that computes nothing (none selected, or shorter than
// a millimetre) still shows its name.
void FormatLineReadouts(const LineSegRec* line, const LineGuidance& g, int32_t showPlumb,
                        const CGpsState& fix, LineReadouts& r);
