#pragma once
// 138 "投影参数设置": the job's ellipsoid and map projection. The wizard's ellipsoid and projection
// pages use the same ids.
#include "platform/base/WinTypes.h"

namespace projparam {
inline constexpr UINT IDD = 138;
enum : UINT {
    kSemiMajor = 1000,
    kInvFlattening = 1001,
    kEllipsoid = 1002,
    kCentralMeridian = 1006,
    kFalseNorthing = 1007,
    kFalseEasting = 1008,
    kScale = 1010,
    kHeight = 1011,
    kBaseLatitude = 1012,
    kProjection = 1022,
};
}  // namespace projparam
