#pragma once
// 162 "卫星限制": the satellite elevation cut-off.
#include "platform/base/WinTypes.h"

namespace satlimit {
inline constexpr UINT IDD = 162;
enum : UINT { kAngle = 1004 };
}  // namespace satlimit
