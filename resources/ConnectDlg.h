#pragma once
// 134 "连接仪器": how the handheld reaches the receiver, with the built-in Bluetooth module's scan.
#include "platform/base/WinTypes.h"

namespace connectdlg {
inline constexpr UINT IDD = 134;
enum : UINT {
    kByMethod = 1110,  // first of the choice group: by connection method 0, by typed port 1
    kByPort = 1111,
    kMethod = 1006,
    kPort = 1018,
    kBaud = 1022,
    kStatus = 1004,
    kProgress = 1102,
    kDevices = 1103,
    kScan = 1104,
    kStop = 1105,
};
}  // namespace connectdlg
