#pragma once
// 15138 "新建作业": the new job's name, the root of the job folders and how it gets its parameters.
#include "platform/base/WinTypes.h"

namespace newjob {
inline constexpr UINT IDD = 15138;
enum : UINT {
    kWizard = 1016,
    kName = 1017,
    kRootPath = 1018,
    kCopyJob = 1090,
};
}  // namespace newjob
