#pragma once
// 15265 "数据后处理--参数选择": where post-processing takes its parameters from.
#include "platform/base/WinTypes.h"

namespace postproc {
inline constexpr UINT IDD = 15265;
enum : UINT {
    kControlPoints = 1055,  // first of the group: a control-point file 0, the job's parameters 1
    kJobParams = 1056,
};
inline constexpr UINT kShiftsQuestion = 61600;
inline constexpr UINT kShiftsCaption = 61599;  // "特别提示"
}  // namespace postproc
