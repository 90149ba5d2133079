#pragma once
// The coordinate tools' dialogs. They share one shape of point-entry row: a label, the point's
// name, a button that takes a point of the coordinate library, an optional height, then north (X)
// and east (Y). A row's controls are numbered from its first id.
#include "platform/base/WinTypes.h"

namespace cogo {
inline constexpr UINT kRowA = 1100, kRowB = 1110, kRowC = 1120, kRowD = 1130;
// Added to a row's first id.
inline constexpr UINT kName = 0, kNorth = 1, kEast = 2, kHeight = 3;
// The library button of row n (0 for A) is kPickA + n.
inline constexpr UINT kPickA = 1190, kPickB = 1191, kPickC = 1192, kPickD = 1193;
inline constexpr UINT kResult = 1200, kCompute = 1201;
constexpr UINT RowOfPick(UINT pick) {
    return kRowA + (pick - kPickA) * 10;
}
}  // namespace cogo

namespace forwardcalc {
inline constexpr UINT IDD = 15181;
enum : UINT { kAzimuth = 1300, kDistance = 1301 };
}  // namespace forwardcalc

namespace inversecalc {
inline constexpr UINT IDD = 15185;
}

namespace offsetangle {
inline constexpr UINT IDD = 15182;
}

namespace offsetpoint {
inline constexpr UINT IDD = 15183;
enum : UINT { kAlong = 1300, kOffset = 1301 };
}  // namespace offsetpoint

namespace distresection {
inline constexpr UINT IDD = 15235;
enum : UINT { kDistanceA = 1300, kDistanceB = 1301, kLeft = 1302, kRight = 1303 };
}  // namespace distresection

namespace intersection {
inline constexpr UINT IDD = 15184;
enum : UINT { kAzimuthA = 1300, kAzimuthB = 1301 };
}  // namespace intersection

namespace intersectangle {
inline constexpr UINT IDD = 174;
}

namespace linemidpoint {
inline constexpr UINT IDD = 15255;
}

namespace anglecalc {
inline constexpr UINT IDD = 15251;
}

namespace spacedistance {
inline constexpr UINT IDD = 209;
}

namespace areacalc {
inline constexpr UINT IDD = 143;
enum : UINT { kAdd = 1300, kRemove = 1301, kClear = 1302, kCorners = 1303 };
}  // namespace areacalc

namespace coordconvert {
inline constexpr UINT IDD = 140;
enum : UINT { kLatitude = 1300, kLongitude = 1301, kEllipsoidHeight = 1302, kToGrid = 1303, kToWgs84 = 1304 };
}  // namespace coordconvert

namespace mapconvert {
inline constexpr UINT IDD = 15245;
enum : UINT { kFromMeridian = 1300, kFromEasting = 1301, kToMeridian = 1302, kToEasting = 1303 };
}  // namespace mapconvert
