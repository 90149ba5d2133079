#pragma once
// 15163 "坐标查看": the stored points of the job's point file, newest first.
#include "platform/base/WinTypes.h"

namespace coordview {
inline constexpr UINT IDD = 15163;
enum : UINT {
    kList = 1000,
    kX = 1019,
    kY = 1020,
    kH = 1021,
    kDelete = 1040,
    kName = 1045,
    kEdit = 1060,
};
// Headings from the string table: name, north, east, height, code, feature, antenna height.
enum : UINT {
    kNameHeading = 61585,
    kNorthHeading = 61586,
    kEastHeading = 61587,
    kHeightHeading = 61588,
    kCodeHeading = 61589,
    kFeatureHeading = 61592,
    kAntennaHeading = 61598,
};
inline constexpr UINT kDeleteQuestion = 61255;  // "确实要删除该项吗?"
}  // namespace coordview

// The rows' image strip, of our own drawing: five images of 16 x 16, images 2, 3 and 4 the marks
// of a fixed, a float and any other solution.
class CImage;
CImage CoordViewRowImages();
