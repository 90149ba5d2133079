#pragma once
// 144 "电力线勘测" and 145 "塔基断面放样": the two power-line screens. Both show the live status
// block and the same buttons; the survey screen adds the record format, the section screen the
// tower-section label, side-stake number and reference height.
#include "platform/base/WinTypes.h"

namespace powerscreen {
// Controls of both screens.
enum : UINT {
    kLastName = 1002,
    kSatellites = 1003,
    kSolution = 1004,
    kRmsH = 1052,
    kRmsV = 1053,
    kX = 1054,
    kY = 1055,
    kH = 1056,
    kStore = 1022,
    kCoordView = 1025,
    kSettings = 1047,
    kVerify = 1048,
};
}  // namespace powerscreen

namespace powersurvey {
inline constexpr UINT IDD = 144;
enum : UINT { kFormat = 1040 };
}  // namespace powersurvey

namespace towersection {
inline constexpr UINT IDD = 145;
enum : UINT {
    kSection = 1041,
    kStakeNumber = 1042,
    kRefHeight = 1043,
};
}  // namespace towersection
