#pragma once
// 15291 "数据链设置": the receiver's data link.
#include "platform/base/WinTypes.h"

namespace datalink {
inline constexpr UINT IDD = 15291;
// The radio group, in its order: radio 0, module 1, external 2.
enum : UINT { kRadio = 1068, kModule = 1069, kExternal = 1070 };
}  // namespace datalink
