#pragma once
// Computing parameters from common points: the four-parameter list (15170) and its pair entry
// (15171), the seven-parameter list (15172) and its pair entry (15173).
#include "platform/base/WinTypes.h"

// Both list dialogs; only the open button's id differs.
namespace pairlist {
inline constexpr UINT IDD_FOUR = 15170;
inline constexpr UINT IDD_SEVEN = 15172;
enum : UINT {
    kList = 1000,
    kAdd = 1003,
    kDelete = 1004,
    kEdit = 1006,
    kClear = 1009,
    kOpenFour = 3,
    kOpenSeven = 1008,
    kPath = 1041,
};
// List headings in the string table.
inline constexpr UINT kHeadingNumber = 61267;      // "序号", "点  名", then the four coordinates
inline constexpr UINT kHeadingSevenFirst = 61273;  // "大地坐标B" to "高程H"
}  // namespace pairlist

namespace fourpair {
inline constexpr UINT IDD = 15171;
enum : UINT {
    kName = 1012,
    kSourceN = 1010,
    kSourceE = 1011,
    kTargetN = 1013,
    kTargetE = 1014,
    kPickSource = 1050,
    kPickTarget = 1055
};
}  // namespace fourpair

namespace sevenpair {
inline constexpr UINT IDD = 15173;
enum : UINT {
    kName = 1038,
    kB = 1037,
    kL = 1035,
    kH = 1033,
    kX = 1010,
    kY = 1011,
    kLocalH = 1012,
    kPickGeodetic = 1050,
    kPickPlane = 1055
};
}  // namespace sevenpair

namespace paramcomputetext {
enum : UINT {
    kConfirmDelete = 61255,  // "确实要删除该项吗?"
    kConfirmClear = 61256,   // "确实要清除所有数据吗?"
    kTooFewSeven = 61279,    // "至少一个公共点方可计算七参数!"
    kTooFewFour = 61557,     // "至少两个公共点方可计算四参数!"
    kSaveChanges = 61558,    // "保存修改过的文件吗?"
};
}  // namespace paramcomputetext
