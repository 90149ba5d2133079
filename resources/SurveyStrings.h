#pragma once
// String-table ids of the point-store screens.
#include "platform/base/WinTypes.h"

namespace surveystr {
enum : UINT {
    kInfoCaption = 61297,        // "信息提示"
    kAllPoints = 61347,          // "全部"
    kNotFixed = 61348,           // "解算状态:非固定解状态"
    kFixed = 61349,              // "解算状态:固定解状态"
    kSmoothing = 61350,          // "正在平滑处理"
    kSmoothDone = 61351,         // "平滑处理完成"
    kNoSmoothData = 61352,       // "没有合格数据,不能平滑存储"
    kEmptyName = 61580,          // "中点点名为空,请输入点名后再存储"
    kNoData = 61628,             // "当前没有接收到数据,不能存储数据"
    kPrecisionExceeded = 61629,  // "精度因子(RMSH和RMSV)超限,确定要存储吗?否则请选择退出."
};
}  // namespace surveystr
