#pragma once
// Dialog 100 "关于": the program's version and the connected receiver's serial number and date.
#include "platform/base/WinTypes.h"

namespace about {
inline constexpr UINT IDD = 100;
enum : UINT {
    kSoftwareVersion = 1042,
    kReceiverSerial = 1047,
    kReceiverDate = 1048,
};
}  // namespace about
