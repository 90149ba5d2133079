#pragma once
// 15277 "拓瓦GPRS模块设置": the network modem's connection, work mode, server and login.
#include "platform/base/WinTypes.h"

namespace gprsmodule {
inline constexpr UINT IDD = 15277;
enum : UINT {
    kStatus = 1004,
    kConnection = 1008,
    kWorkMode = 1009,
    kUser = 1012,
    kBaseId = 1013,
    kPort = 1015,
    kPassword = 1016,
    kBasePhone = 1017,
    kSetAsBase = 1018,
    kMountPoint = 1021,
    kSet = 1023,
    kAddress = 1027,
    kList = 1031,
    kRead = 1036,
    kConnect = 1094,
    kDisconnect = 1095,
};
}  // namespace gprsmodule
