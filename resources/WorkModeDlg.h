#pragma once
// 15196 "工作模式设置": the receiver's working mode.
#include "platform/base/WinTypes.h"

namespace workmode {
inline constexpr UINT IDD = 15196;
// The radio group, in its order: kinematic 0, base 1, rover 2, static 3.
enum : UINT { kKinematic = 1067, kBase = 1068, kRover = 1069, kStatic = 1066 };
}  // namespace workmode
