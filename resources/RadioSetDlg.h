#pragma once
// 137 "电台设置": reads and switches the radio modem's channel and starts or stops its channel search.
#include "platform/base/WinTypes.h"

namespace radioset {
inline constexpr UINT IDD = 137;
enum : UINT {
    kRead = 1036,
    kSwitch = 1037,
    kAutoSearch = 1038,
    kStopSearch = 1039,
    kStatus = 1040,
    kChannel = 1034
};
}  // namespace radioset
