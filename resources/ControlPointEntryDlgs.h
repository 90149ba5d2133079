#pragma once
// Adding a control point in three steps (129 known coordinates, 15122 where the raw coordinates
// come from, 15191 the raw point and its antenna), the two typed sources (15192 geodetic, 15252
// earth-centred) and editing a pair (131).
#include "platform/base/WinTypes.h"

namespace knownpoint {
inline constexpr UINT IDD = 129;
enum : UINT { kName = 1045, kX = 1010, kY = 1011, kH = 1012, kPick = 1038 };
}  // namespace knownpoint

namespace rawsource {
inline constexpr UINT IDD = 15122;
enum : UINT { kGeoLibrary = 1038, kCurrent = 1121, kBase = 1122, kTypedBlh = 1123, kTypedXyz = 1124 };
}  // namespace rawsource

namespace rawpoint {
inline constexpr UINT IDD = 15191;
enum : UINT {
    kX = 1046,
    kY = 1048,
    kH = 1049,
    kAntenna = 1047,
    kVertical = 1073,  // first of the height-type group: vertical 0, slant 1, pole 2
    kSlant = 1074,
    kPole = 1075,
};
}  // namespace rawpoint

namespace inputblh {
inline constexpr UINT IDD = 15192;
enum : UINT { kB = 1037, kL = 1035, kH = 1033, kPick = 1153 };
}  // namespace inputblh

namespace inputxyz {
inline constexpr UINT IDD = 15252;
enum : UINT { kX = 1036, kY = 1034, kZ = 1201 };
}  // namespace inputxyz

namespace editctrl {
inline constexpr UINT IDD = 131;
enum : UINT {
    kName = 1045,
    kKnownX = 1010,
    kKnownY = 1011,
    kKnownH = 1012,
    kRawX = 1037,
    kRawY = 1035,
    kRawH = 1033,
    kPick = 1050,
    kPickGeodetic = 1038,
};
}  // namespace editctrl
