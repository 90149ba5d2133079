#pragma once
// 149 "放样点库": the stake point library, a list edited in place and kept in a *.ptb file.
#include "platform/base/WinTypes.h"

namespace stakelib {
inline constexpr UINT IDD = 149;
enum : UINT {
    kList = 1000,
    kOpen = 1003,
    kPath = 1018,
    kSave = 1022,
    kAdd = 1039,
    kInsert = 1042,
    kClear = 1043,
    kEdit = 1060,
    kDelete = 1062,
    kExport = 1066,
};
// String-table texts: the column headings and the questions.
enum : UINT {
    kNameHeading = 61235,
    kCodeHeading = 61236,
    kNorthHeading = 61237,
    kEastHeading = 61238,
    kHeightHeading = 61239,
    kAskDelete = 61255,
    kAskClear = 61256,
    kAskOverwrite = 61257,
    kOpenCaption = 61258,
    kAskAppend = 61259,
    kAskNoChoice = 61260,
    kAskSaveChanges = 61261,
};
}  // namespace stakelib
