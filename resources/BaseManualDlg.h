#pragma once
// 166 "使用手工输入坐标设置基准站": a base station on entered coordinates.
#include "platform/base/WinTypes.h"

namespace basemanual {
inline constexpr UINT IDD = 166;
enum : UINT {
    kLabelH = 1004,
    kLabelB = 1009,
    kLabelL = 1010,
    kB = 1086,
    kL = 1087,
    kH = 1088,
    kSinglePoint = 1014,
    kGeodetic = 1079,  // first of the coordinate-type group: geodetic 0, plane 1
    kPlane = 1078,
    kInterval = 1081,
    kFormat = 1091,
    kMask = 1067,
    kPdop = 1066,
    kRepeat = 1068,
    kAntHeight = 1069,
    kVertical = 1073,  // first of the height-type group: vertical 0, slant 1, pole 2
    kSlant = 1074,
    kPole = 1075,
};
}  // namespace basemanual
