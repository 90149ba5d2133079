#pragma once
// 15254 "点存储": the point about to be stored, and the smoothing of its fix.
#include "platform/base/WinTypes.h"

namespace pointstore {
inline constexpr UINT IDD = 15254;
inline constexpr UINT_PTR kSmoothTimer = 7738;
enum : UINT {
    kStatus = 1009,
    kName = 1018,
    kCode = 1019,
    kAntHeight = 1020,
    kVertical = 1073,  // first of the height-type group: vertical 0, slant 1, pole 2
    kSlant = 1074,
    kPole = 1075,
    kX = 1025,
    kY = 1026,
    kH = 1027,
    kRmsH = 1028,
    kRmsV = 1029,
    kTerrain = 1111,  // first of the point-kind group: terrain 0, reference 1
    kReference = 1034,
    kProgress = 1030,
    kStop = 1038,
};
}  // namespace pointstore
