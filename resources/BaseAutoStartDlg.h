#pragma once
// 15199 "基站自动启动参数设置": transmit parameters of a base that starts on its own single-point fix.
#include "platform/base/WinTypes.h"

namespace baseautostart {
inline constexpr UINT IDD = 15199;
enum : UINT { kInterval = 1081, kPdop = 1066, kFormat = 1091, kMask = 1067 };
}  // namespace baseautostart
