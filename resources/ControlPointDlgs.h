#pragma once
// The control-point dialog (102 "求转换参数") and its small dialogs: the over-limit prompt (15242),
// a pair's use flags (15120) and the height-fit minimum counts (15241).
#include "platform/base/WinTypes.h"

namespace ctrlpoint {
inline constexpr UINT IDD = 102;
enum : UINT {
    kList = 1000,
    kAdd = 1003,
    kDelete = 1004,
    kEdit = 1006,
    kToggleUse = 1007,
    kOpen = 1008,
    kSave = 1010,
    kSettings = 1011,
};
// List headings in the string table, columns 0 to 10.
inline constexpr UINT kHeadingName = 61281;  // then 61282 to 61291 in column order
}  // namespace ctrlpoint

namespace overlimit {
inline constexpr UINT IDD = 15242;
enum : UINT { kText = 1146 };
}  // namespace overlimit

namespace pointattr {
inline constexpr UINT IDD = 15120;
enum : UINT { kName = 1045, kUsePlane = 1013, kUseHeight = 1014 };
}  // namespace pointattr

namespace solvesettings {
inline constexpr UINT IDD = 15241;
enum : UINT { kPlaneCount = 1141, kSurfaceCount = 1142 };
}  // namespace solvesettings

// String-table texts of the control-point screens.
namespace ctrlpointtext {
enum : UINT {
    kConfirmDelete = 61255,    // "确实要删除该项吗?"
    kUnsavedChanges = 61316,   // "当前数据进行了修改,请先保存数据"
    kNoControlPoints = 61317,  // "控制点个数为0,确定吗?"
    kSaved = 61320,            // "保存成功"
    kZeroLatLon = 61314,       // "纬度或经度为零,确定吗?"
    kZeroXyz = 61315,          // "坐标为零,确定吗?"
};
}  // namespace ctrlpointtext
