#pragma once
// 15257: the line stake-out screen, full screen without caption: the plot, the readouts below it and
// the buttons along the bottom.
#include "platform/base/WinTypes.h"

namespace linestake {
inline constexpr UINT IDD = 15257;
enum : UINT {
    kPlot = 1001,
    kSolution = 1004,
    kRmsH = 1052,
    kRmsV = 1053,
    kDx = 1054,
    kDy = 1055,
    kLineName = 1076,
    kOffset = 1077,
    kStartDistance = 1078,
    kEndDistance = 1079,
    kMileage = 1081,
    kZoomIn = 1018,
    kZoomOut = 1019,
    kFollow = 1020,
    kFitAll = 1021,
    kStore = 1022,
    kInfo = 1024,
    kCoordView = 1025,
    kClose = 1027,
    kLibrary = 1064,
    kSettings = 1065,
};
enum : UINT {
    kKeyHelp = 61614,
    kAllText = 61347,  // "全部"
};
}  // namespace linestake
