#pragma once
// 151 "设置": the point stake-out screen's close-up radii, sound, display and view mode.
#include "platform/base/WinTypes.h"

namespace stakesettings {
inline constexpr UINT IDD = 151;
enum : UINT {
    kShowAll = 1018,
    kShowMeasured = 1019,
    kMin = 1020,
    kMax = 1021,
    kSound = 1022,
    kCount = 1045,
    kViewMode = 1093,
};
enum : UINT {
    kNegative = 61357,  // "最大值和最小值不能小于0!"
    kMaxBelowMin = 61358,
};
}  // namespace stakesettings
