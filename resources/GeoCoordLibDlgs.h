#pragma once
// The latitude/longitude library (15202 "经纬度坐标库"), its add and edit dialogs (15205, 15203:
// one layout) and its search (15204 "查找").
#include "platform/base/WinTypes.h"

namespace geolib {
inline constexpr UINT IDD = 15202;
enum : UINT {
    kList = 1000,
    kAdd = 1003,
    kDelete = 1004,
    kEdit = 1006,
    kOpen = 1008,
    kClear = 1009,
    kFind = 1050
};
// List headings in the string table: name, latitude, longitude, height, attribute.
inline constexpr UINT kHeadings[5] = {61235, 61262, 61263, 61239, 61236};
}  // namespace geolib

namespace geopoint {
inline constexpr UINT IDD_ADD = 15205;
inline constexpr UINT IDD_EDIT = 15203;
enum : UINT { kName = 1045, kB = 1037, kL = 1035, kH = 1033, kAttribute = 1046 };
}  // namespace geopoint

namespace geofind {
inline constexpr UINT IDD = 15204;
enum : UINT { kText = 1045, kSearch = 1051, kNames = 1060, kB = 1036, kL = 1034, kH = 1032, kCode = 1046 };
}  // namespace geofind

namespace geolibtext {
enum : UINT {
    kConfirmDelete = 61255,  // "确实要删除该项吗?"
    kConfirmClear = 61256,   // "确实要清除所有数据吗?"
    kConfirmOverwrite = 61257,
    kOpenCaption = 61258,  // "打开数据文件"
    kConfirmAppend = 61259,
    kNoneSelected = 61260,  // "没有选中任何点，退出请按退出按钮"
    kSaveLibrary = 61261,   // "保存修改过的坐标库吗?"
};
}  // namespace geolibtext
