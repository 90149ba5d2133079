#pragma once
// 15292 "仪器设置": what to set on the receiver.
#include "platform/base/WinTypes.h"

namespace instrumentset {
inline constexpr UINT IDD = 15292;
// The radio group, in its order: working mode 0, static parameters 1, data link 2.
enum : UINT { kWorkMode = 1067, kStatic = 1066, kDataLink = 1068 };
}  // namespace instrumentset
