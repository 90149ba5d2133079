#pragma once
// 148 "设置七参数": the seven-parameter datum shift. The wizard's seven-parameter page uses the
// same ids but its own check box (paramwizard::kSevenEnable).
#include "platform/base/WinTypes.h"

namespace sevenparam {
inline constexpr UINT IDD = 148;
enum : UINT {
    kDx = 1006,
    kDy = 1007,
    kDz = 1008,
    kRx = 1010,
    kRy = 1011,
    kRz = 1012,
    kPpm = 1013,
    kEnable = 1035,
};
}  // namespace sevenparam
