#pragma once
// 142 "点存储类型设置": how points are stored and shown.
#include "platform/base/WinTypes.h"

namespace storetype {
inline constexpr UINT IDD = 142;
enum : UINT {
    kNormal = 1078,  // first of the store-mode group: normal 0, offset 1, smoothing 2, automatic 3
    kOffset = 1090,
    kSmooth = 1063,
    kAuto = 1006,
    kSmoothSeconds = 1013,
    kCondition = 1072,
    kByTime = 1008,  // first of the automatic-mode group: by time 0, by distance 1
    kByDistance = 1007,
    kInterval = 1028,
    kDistance = 1107,
    kLabelName = 1149,  // first of the map-label group: name 0, code 1
    kLabelCode = 1150,
    kPointCount = 1045,
    kCodeKeep = 1157,  // first of the code group: kept 0, the point's name 1
    kCodeName = 1158,
};
}  // namespace storetype
