#pragma once
// 15283 "数据编辑": one stored point's editable fields, laid out by its kind and survey format.
#include "platform/base/WinTypes.h"

namespace dataedit {
inline constexpr UINT IDD = 15283;
enum : UINT {
    kWidth = 1018,           // 杆型|物宽 as a number; shares its place with kPoleType
    kMeasuredHeight = 1019,  // shares the 地物 place with kCrossing and kTerrain
    kRemark = 1020,
    kTerrain = 1022,
    kSubType = 1023,
    kName = 1045,
    kFeatureLabel = 1085,  // "地  物:", or "量  高:" for a 思维 point
    kLength = 1095,
    kDataType = 1097,
    kFirstLabel = 1115,  // "量  高:" for 道亨, "编  码:" otherwise
    kFirstValue = 1116,
    kPoleLabel = 1117,
    kLengthLabel = 1118,
    kSubTypeLabel = 1119,
    kAntennaHeight = 1122,
    kPoleType = 1125,
    kCrossing = 1126,
    kRemarkLabel = 1154,
};
}  // namespace dataedit
