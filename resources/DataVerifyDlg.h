#pragma once
// 164 "数据验证": the live position, coordinates taken before and after the receiver re-solves its
// RTK solution, and their differences.
#include "platform/base/WinTypes.h"

namespace dataverify {
inline constexpr UINT IDD = 164;
enum : UINT {
    kFirstX = 1019,
    kFirstY = 1020,
    kFirstH = 1021,
    kSecondX = 1022,
    kSecondY = 1023,
    kSecondH = 1024,
    kDx = 1025,
    kDy = 1026,
    kDh = 1027,
    kLiveX = 1131,
    kLiveY = 1132,
    kLiveH = 1133,
    kLiveStatus = 1134,
    kLiveRmsH = 1135,
    kLiveTime = 1136,
    kLivePdop = 1137,
    kLiveRmsV = 1138,
    kVerify = 1139,
    kTakeFirst = 1140,
    kTakeSecond = 1141,
};
}  // namespace dataverify
