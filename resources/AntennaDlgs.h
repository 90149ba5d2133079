#pragma once
// 139 "移动站天线高设置" (the rover's antenna height) and 242 "天线高计算工具" (vertical height
// calculator).
#include "platform/base/WinTypes.h"

namespace roverantenna {
inline constexpr UINT IDD = 139;
enum : UINT {
    kHeight = 1018,
    kVertical = 1073,  // first of the height-type group: vertical 0, slant 1, pole 2
    kSlant = 1074,
    kPole = 1075,
    kShowGround = 1036,
};
}  // namespace roverantenna

namespace antennatool {
inline constexpr UINT IDD = 242;
enum : UINT {
    kSlant = 1074,  // first of the type group: slant 0, pole 1
    kPole = 1075,
    kInput = 1226,
    kVertical = 1094,
    kAntennaType = 1019,
    kReceiverType = 1018,
    kCalculate = 3,
    kExit = 2,
};
}  // namespace antennatool
