#pragma once
// 15249 "时区设置": hours added to the receiver's UTC times.
#include "platform/base/WinTypes.h"

namespace timezonedlg {
inline constexpr UINT IDD = 15249;
enum : UINT { kZone = 1187 };
}  // namespace timezonedlg
