#pragma once
// 15149 "设置": the line stake-out screen's prompts, display and view mode.
#include "platform/base/WinTypes.h"

namespace linesettings {
inline constexpr UINT IDD = 15149;
enum : UINT {
    kMin = 1020,
    kMax = 1021,
    kSound = 1022,
    kShowAllLines = 1028,
    kShowMeasured = 1029,
    kPlumb = 1034,
    kCount = 1045,
    kViewMode = 1093,
    kMileagePrompt = 1147,
    kInterval = 1148,
};
}  // namespace linesettings
