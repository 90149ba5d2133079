#pragma once
// The five modeless warnings of the two-second tick: central meridian, seven and four parameters,
// base coordinates and base identifier.
#include "platform/base/WinTypes.h"

namespace warning {
inline constexpr UINT kMeridianIdd = 197;
inline constexpr UINT kSevenParamIdd = 15189;
inline constexpr UINT kFourParamIdd = 15190;
inline constexpr UINT kBaseCoordIdd = 15250;
inline constexpr UINT kBaseIdIdd = 15273;
enum : UINT {
    kText = 1000,
    kBaseIdChange = 1224,     // what changed, on the identifier warning
    kBaseCoordChange = 1225,  // what changed, on the coordinates warning
};
}  // namespace warning
