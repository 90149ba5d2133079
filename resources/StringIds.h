#pragma once
// String-table ids that code loads by name (resources/StringTable.cpp holds their texts).
#include "platform/base/WinTypes.h"

namespace strings {
enum : UINT {
    kPairPointName = 61268,        // "点  名": the columns of the parameter-solving pair lists
    kPairNorthBefore = 61269,      // "转换前北坐标"
    kPairEastBefore = 61270,       // "转换前东坐标"
    kPairNorthAfter = 61271,       // "转换后北坐标"
    kPairEastAfter = 61272,        // "转换后东坐标"
    kPairLatitude = 61273,         // "大地坐标B"
    kPairLongitude = 61274,        // "大地坐标L"
    kPairEllipsoidHeight = 61275,  // "大地高H"
    kPairPlaneX = 61276,           // "平面坐标x"
    kPairPlaneY = 61277,           // "平面坐标y"
    kPairHeight = 61278,           // "高程H"
    kInfoCaption = 61297,          // "信息提示"
    kAppName = 61299,              // "衡川"
    kDesktopFolder = 61300,        // "桌面"
    kOwnShortcut = 61301,          // "衡川2.0.lnk"
    kPcLinkShortcut = 61302,       // "连接PC机.lnk"
    kProgramsFolder = 61303,       // "程序"
    kCommunicationFolder = 61304,  // "通信"
    kObexShortcut = 61311,         // "Obex 工具.lnk"
    kJobExists = 61312,            // "作业文件已存在，是否覆盖?"
    kTitlePrefix = 61313,          // "衡川 <"
    kCurrentBaseId = 61344,        // "当前基站号:"
    kPreviousBaseId = 61345,       // "上次基站号:"
    kBaseDistance = 61346,         // "新旧基站距离:"
    kReceiverInfoFailed = 61569,   // "获取GPS主机相关信息失败"
    kStoreKeysHelp = 61582,        // "\n按'A'键存储点\n按'B'键两次查看存储的坐标"
    kTerrainMode = 61583,          // "当前模式:存储地形点"
    kDataFileName = 61596,         // "数据文件名:"
    kBoardMismatch = 61604,        // "GPS主机类型不匹配!"
    kMaskAngleRefused = 61612,     // "卫星截止角必须在0~89度之间"
    kNoDataToStore = 61628,        // "当前没有接收到数据,不能存储数据"
};
}  // namespace strings
