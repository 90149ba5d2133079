#pragma once
// 15137 "参数设置向导": a new job's coordinate system on five pages. The pages use the ids of the
// single-group editors (ProjectionParamDlg.h, FourParamDlg.h, SevenParamDlg.h, HeightFitParamDlg.h).
#include "platform/base/WinTypes.h"

namespace paramwizard {
inline constexpr UINT IDD = 15137;
enum : UINT { kPrev = 1000, kNext = 1001 };
// Pages in step order.
enum : UINT {
    kEllipsoidPage = 15132,
    kProjectionPage = 15135,
    kFourPage = 15133,
    kSevenPage = 15136,
    kFitPage = 15134,
};
// The seven-parameter page's check box "使用".
inline constexpr UINT kSevenEnable = 1105;
}  // namespace paramwizard
