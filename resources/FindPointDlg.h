#pragma once
// 207 "查找": search a list's points by name and show the chosen one's coordinates and code.
#include "platform/base/WinTypes.h"

namespace findpoint {
inline constexpr UINT IDD = 207;
enum : UINT {
    kHeight = 1032,
    kEast = 1034,
    kNorth = 1036,
    kSearchText = 1045,
    kCode = 1046,
    kSearch = 1051,
    kNames = 1060,
};
}  // namespace findpoint
