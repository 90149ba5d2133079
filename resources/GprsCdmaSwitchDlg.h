#pragma once
// 259 "GPRS&CDMA模式切换": switches the network module between CDMA and GPRS.
#include "platform/base/WinTypes.h"

namespace gprscdmaswitch {
inline constexpr UINT IDD = 259;
enum : UINT { kText = 1004, kToGprs = 1015, kToCdma = 1279, kMode = 1280 };
}  // namespace gprscdmaswitch
