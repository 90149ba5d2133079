#pragma once
// 15165 "参数查看": the job's coordinate-system parameters on four tab pages, each with a 设置
// button that opens the group's editor.
#include "platform/base/WinTypes.h"

namespace paramview {
inline constexpr UINT IDD = 15165;
enum : UINT { kTab = 1026, kSet = 1009 };
// Tab titles in the string table, in tab order.
enum : UINT { kTitleProjection = 61450, kTitleFour = 61451, kTitleFit = 61452, kTitleSeven = 61453 };
}  // namespace paramview

// 15164: ellipsoid and projection.
namespace projpage {
inline constexpr UINT IDD = 15164;
enum : UINT {
    kDatum = 1033,
    kSemiMajor = 1034,
    kInvFlattening = 1035,
    kCentralMeridian = 1038,
    kFalseNorthing = 1039,
    kFalseEasting = 1040,
    kScale = 1041,
    kHeight = 1042,
    kBaseLatitude = 1043,
    kProjection = 1044,
};
}  // namespace projpage

// 15166: four parameters and calibration shifts.
namespace fourpage {
inline constexpr UINT IDD = 15166;
enum : UINT {
    kAdjustX = 1043,
    kAdjustY = 1044,
    kAdjustH = 1045,
    kInUse = 1046,
    kShiftX = 1047,
    kShiftY = 1048,
    kRotation = 1049,
    kScale = 1050,
};
}  // namespace fourpage

// 15167: height fitting (A0 to A5 are six consecutive ids).
namespace fitpage {
inline constexpr UINT IDD = 15167;
enum : UINT { kInUse = 1059, kA0 = 1060 };
}  // namespace fitpage

// 15168: seven parameters.
namespace sevenpage {
inline constexpr UINT IDD = 15168;
enum : UINT {
    kInUse = 1051,
    kDx = 1052,
    kDy = 1053,
    kDz = 1054,
    kRx = 1055,
    kRy = 1056,
    kRz = 1057,
    kPpm = 1058
};
}  // namespace sevenpage
