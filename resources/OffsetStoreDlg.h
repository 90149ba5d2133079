#pragma once
// 235 "偏移存储": the stored point at a distance, azimuth and height difference from the fix.
#include "platform/base/WinTypes.h"

namespace offsetstore {
inline constexpr UINT IDD = 235;
inline constexpr UINT kPickIcon = 176;
enum : UINT {
    kH = 1020,
    kX = 1018,
    kY = 1019,
    kAngle = 1179,
    kDistance = 1178,
    kHeightDiff = 1180,
    kRefName = 1010,
    kPick = 1183,
    kNorth = 1078,  // first of the reference group: north 0, by point 1
    kByPoint = 1051,
    kStatus = 1177,
    kRmsH = 1151,
    kRmsV = 1152,
};
}  // namespace offsetstore
