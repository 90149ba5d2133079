#pragma once
// 158 "移动站设置": differential format, fix level, RMS and PDOP limits of the rover.
#include "platform/base/WinTypes.h"

namespace roversettings {
inline constexpr UINT IDD = 158;
enum : UINT {
    kPdopLimit = 1018,
    kFixLevel = 1020,
    kRadioFormat = 1021,
    kUsePdop = 1130,
    kRmshLimit = 1151,
    kRmsvLimit = 1152,
};
}  // namespace roversettings
