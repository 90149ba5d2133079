#pragma once
// 15197 "静态模式参数设置": static recording parameters.
#include "platform/base/WinTypes.h"

namespace staticmode {
inline constexpr UINT IDD = 15197;
enum : UINT { kMask = 1067, kPdop = 1066, kInterval = 1070, kPointName = 1025, kAntHeight = 1122 };
}  // namespace staticmode
