#pragma once
// Form 133: the main map view under the command bar.
#include "platform/base/WinTypes.h"

namespace mainview {
inline constexpr UINT IDD = 133;
enum : UINT {
    kPlot = 1001,
    kPointName = 1002,
    kMarkText = 1003,
    kSolution = 1004,
    kPdop = 1028,
    kHrms = 1029,
    kVrms = 1030,
    kGridX = 1031,
    kGridY = 1032,
    kGridH = 1033,
};
}  // namespace mainview
