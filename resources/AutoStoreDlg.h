#pragma once
// 249 "自动存储": starts and stops automatic storing.
#include "platform/base/WinTypes.h"

namespace autostore {
inline constexpr UINT IDD = 249;
enum : UINT {
    kName = 1018,
    kCode = 1243,
    kAntHeight = 1244,
    kVertical = 1073,  // first of the height-type group: vertical 0, slant 1, pole 2
    kSlant = 1074,
    kPole = 1075,
    kCount = 1245,
    kStart = 1048,
    kStop = 1049,
};
}  // namespace autostore
