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
    kZoomIn = 1018,
    kZoomOut = 1019,
    kFollow = 1020,
    kFitAll = 1021,
    kStorePoint = 1022,
    kStoreSettings = 1023,
    kReceiverInfo = 1024,
    kExit = 1027,
    kPdop = 1028,
    kHrms = 1029,
    kVrms = 1030,
    kGridX = 1031,
    kGridY = 1032,
    kGridH = 1033,
    kConnect = 1094,
    kParamView = 1096,
};
}  // namespace mainview
