#pragma once
// 15271 "过滤设置": which point types the coordinate library lists, one check box per type 0-4.
#include "platform/base/WinTypes.h"

namespace filterset {
inline constexpr UINT IDD = 15271;
enum : UINT {
    kTypedIn = 1002,
    kValid = 1006,
    kReference = 1007,
    kSideStake = 1008,
    kTerrain = 1009,
};
// The check boxes in point-type order.
inline constexpr UINT kTypeChecks[] = {kTypedIn, kValid, kReference, kSideStake, kTerrain};
}  // namespace filterset
