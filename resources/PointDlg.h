#pragma once
// 15128 "增加点" and 130 "编辑点": one layout of a point's texts; only the add dialog has the
// button that takes a point of the latitude/longitude library.
#include "platform/base/WinTypes.h"

namespace point {
inline constexpr UINT IDD_ADD = 15128;
inline constexpr UINT IDD_EDIT = 130;
enum : UINT {
    kNorth = 1010,
    kEast = 1011,
    kHeight = 1012,
    kName = 1045,
    kCode = 1046,
    kPickFromLibrary = 1050,
    kPickGeodetic = 1052,
};
}  // namespace point
