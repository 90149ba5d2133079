#pragma once
// 15198 "基准站设置": how to start the base station.
#include "platform/base/WinTypes.h"

namespace basesetup {
inline constexpr UINT IDD = 15198;
enum : UINT { kAutoStart = 1071, kManual = 1072 };
}  // namespace basesetup
