#pragma once
// 15121 "设置高程拟合参数": the height-fitting surface. The wizard's height-fitting page uses the
// same ids and has no origin.
#include "platform/base/WinTypes.h"

namespace heightfit {
inline constexpr UINT IDD = 15121;
enum : UINT {
    kA5 = 1014,
    kY0 = 1015,
    kA0 = 1114,
    kA1 = 1115,
    kA2 = 1116,
    kA3 = 1117,
    kA4 = 1118,
    kX0 = 1119,
    kEnable = 1105,
};
}  // namespace heightfit
