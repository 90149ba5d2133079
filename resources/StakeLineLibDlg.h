#pragma once
// 15145 "放样线坐标库": the lines of one *.lnb file; 15146 "增加线" and 15147 "编辑线": one line's two
// end points (typed or picked from the coordinate library) and its start mileage.
#include "platform/base/WinTypes.h"

namespace linelib {
inline constexpr UINT IDD = 15145;
enum : UINT {
    kList = 1000,
    kAdd = 1003,
    kDelete = 1004,
    kEdit = 1006,
    kOpen = 1008,
    kClear = 1009,
    kInsert = 1017,
    kFileName = 1020,
    kSave = 1021,
};
enum : UINT {
    kNameHeading = 61363,
    kMileageHeading = 61364,
    kLengthHeading = 61365,
    kAskDelete = 61255,
    kAskClear = 61256,
    kAskOverwrite = 61257,
    kOpenCaption = 61258,
    kAskAppend = 61259,
    kAskNoChoice = 61366,
};
}  // namespace linelib

namespace lineedit {
inline constexpr UINT IDD_ADD = 15146;
inline constexpr UINT IDD_EDIT = 15147;
enum : UINT {
    kStartX = 1010,
    kStartY = 1011,
    kStartH = 1012,
    kEndX = 1013,
    kEndY = 1014,
    kEndH = 1015,
    kStartName = 1045,
    kStartCode = 1046,
    kPickStart = 1050,
    kStartMileage = 1052,
    kEndName = 1054,
    kPickEnd = 1055,
    kEndCode = 1114,
};
}  // namespace lineedit
