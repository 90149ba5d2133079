#pragma once
// 147 "设置四参数": the four-parameter plane similarity and the calibration shifts. The wizard's
// four-parameter page uses the same ids.
#include "platform/base/WinTypes.h"

namespace fourparam {
inline constexpr UINT IDD = 147;
enum : UINT {
    kShiftX = 1006,
    kShiftY = 1007,
    kAdjustX = 1008,
    kAdjustY = 1009,
    kAdjustH = 1010,
    kRotation = 1012,
    kScale = 1013,
    kEnable = 1105,
};
}  // namespace fourparam
