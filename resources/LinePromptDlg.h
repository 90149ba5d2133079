#pragma once
// 15193 "线放样提示": the line the screen moves to next, for confirmation.
#include "platform/base/WinTypes.h"

namespace lineprompt {
inline constexpr UINT IDD = 15193;
enum : UINT {
    kStartName = 1049,
    kStartMileage = 1052,
    kEndName = 1054,
    kMessage = 1077,
    kStartX = 1087,
    kStartY = 1088,
    kEndX = 1089,
    kEndY = 1090,
    kStartH = 1108,
    kStartCode = 1109,
    kEndH = 1113,
    kEndCode = 1114,
};
}  // namespace lineprompt
