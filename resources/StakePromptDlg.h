#pragma once
// 15266 "点放样提示": the point the screen moves to next, for confirmation.
#include "platform/base/WinTypes.h"

namespace stakeprompt {
inline constexpr UINT IDD = 15266;
enum : UINT {
    kName = 1018,
    kCode = 1019,
    kX = 1025,
    kY = 1026,
    kH = 1027,
    kMessage = 1077,
};
}  // namespace stakeprompt
