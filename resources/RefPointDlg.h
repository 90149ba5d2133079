#pragma once
// 15143: the information dialog's base page, and 15186 "参考点坐标": the reference point it measures to.
#include "platform/base/WinTypes.h"

namespace refpointpage {
inline constexpr UINT IDD = 15143;
enum : UINT {
    kLongitude = 1027,
    kLatitude = 1028,
    kHeight = 1029,
    kX = 1030,
    kY = 1031,
    kH = 1032,
    kKnownX = 1033,
    kKnownY = 1034,
    kKnownH = 1035,
    kSpatialDistance = 1036,
    kPlaneDistance = 1037,
    kShowRef = 1039,
    kRefAzimuth = 1040,
    kRefDistance = 1041,
    kAzimuth = 1058,
    kFormat = 1087,
};
}  // namespace refpointpage

namespace refpointdlg {
inline constexpr UINT IDD = 15186;
enum : UINT { kNorth = 1010, kEast = 1011, kHeight = 1012, kPick = 1038, kName = 1045 };
// The pick button's icon (the coordinate library's).
inline constexpr UINT kPickIcon = 176;
}  // namespace refpointdlg
