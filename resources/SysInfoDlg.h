#pragma once
// 206 "系统信息": program and storage memory, total, free and used, in kilobytes.
#include "platform/base/WinTypes.h"

namespace sysinfo {
inline constexpr UINT IDD = 206;
enum : UINT {
    kStorageFree = 1007,
    kProgramUsed = 1008,
    kProgramTotal = 1025,
    kStorageTotal = 1026,
    kStorageUsed = 1027,
    kProgramFree = 1032,
};
}  // namespace sysinfo
