#pragma once
// 15152 "打开" and 15151 "保存": the program's own file dialogs around a folder tree.
#include "platform/base/WinTypes.h"

namespace openfile {
inline constexpr UINT IDD = 15152;
enum : UINT {
    kPath = 1000,
    kTree = 1001,
};
}  // namespace openfile

namespace savefile {
inline constexpr UINT IDD = 15151;
enum : UINT {
    kTree = 1001,
    kPath = 1004,
    kName = 1041,
};
}  // namespace savefile
