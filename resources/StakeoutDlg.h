#pragma once
// 15256: the point stake-out screen, full screen without caption: the plot, the readouts below it
// and the buttons along the bottom.
#include "platform/base/WinTypes.h"

namespace pointstake {
inline constexpr UINT IDD = 15256;
enum : UINT {
    kPlot = 1001,
    kPointName = 1002,
    kSatellites = 1003,
    kSolution = 1004,
    kRmsH = 1052,
    kRmsV = 1053,
    kDx = 1054,
    kDy = 1055,
    kDh = 1056,
    kDistance = 1057,
    kAzimuth = 1058,
    kZoomIn = 1018,
    kZoomOut = 1019,
    kFollow = 1020,
    kFitAll = 1021,
    kStore = 1022,
    kInfo = 1024,
    kCoordView = 1025,
    kClose = 1027,
    kLibrary = 1046,
    kSettings = 1047,
};
// String-table texts of the screen.
enum : UINT {
    kModeText = 61608,      // "当前模式:点放样"
    kDataFileText = 61596,  // "数据文件名:"
    kKeyHelp = 61609,
    kAllText = 61347,  // "全部"
};
}  // namespace pointstake
