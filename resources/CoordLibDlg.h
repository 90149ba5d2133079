#pragma once
// 15131 "坐标管理库": the job's coordinate library and the program-wide point picker.
#include "platform/base/WinTypes.h"

namespace coordlib {
inline constexpr UINT IDD = 15131;
enum : UINT {
    kList = 1000,
    kAdd = 1003,
    kDelete = 1004,
    kFilter = 1005,
    kEdit = 1006,
    kImport = 1008,
    kClear = 1009,
    kFind = 1050,
    kLoadingText = 1225,
};
// The list's column headings in the string table: number, name, north, east, height, code, type.
enum : UINT {
    kNumberHeading = 61264,
    kNameHeading = 61235,
    kCodeHeading = 61236,
    kNorthHeading = 61237,
    kEastHeading = 61238,
    kHeightHeading = 61239,
    kTypeHeading = 61265,
};
}  // namespace coordlib
