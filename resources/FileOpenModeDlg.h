#pragma once
// 15188 "文件打开方式": append to or overwrite a point library with a file's points.
#include "platform/base/WinTypes.h"

namespace openmode {
inline constexpr UINT IDD = 15188;
enum : UINT {
    kAppend = 1039,
    kOverwrite = 1043,
};
}  // namespace openmode
