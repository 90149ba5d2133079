#pragma once
// The base-station set-up wizard: the mode (191), the base on a known point (190) with its second
// step (192), the base on an unknown point (194) with its second step (195), and the prompt before
// calibrating (15206).
#include "platform/base/WinTypes.h"

namespace calibmode {
inline constexpr UINT IDD = 191;
enum : UINT { kKnown = 1062, kUnknown = 1063 };  // radio group: known 0, unknown 1
}  // namespace calibmode

// The point pages share their ids; each has its own calibrate button.
namespace wizpage {
inline constexpr UINT IDD_KNOWN1 = 190;
inline constexpr UINT IDD_KNOWN2 = 192;
inline constexpr UINT IDD_UNKNOWN1 = 194;
inline constexpr UINT IDD_UNKNOWN2 = 195;
enum : UINT {
    kPick = 1038,
    kAntenna = 1047,
    kH = 1032,
    kX = 1036,
    kY = 1034,
    kVertical = 1073,  // first of the height-type group: vertical 0, slant 1, pole 2
    kSlant = 1090,
    kPole = 1075,
    kVerticalUnknown1 = 1074,  // the unknown-base first page's group starts here
    kByNumber = 1160,          // radio group: by receiver number 0, by receiver type 1
    kByType = 1161,
    kReceiverNumber = 1023,
    kReceiverType = 1022,
    kComputeThree = 1281,
    kUseThree = 1193,
    kCalibrateKnown1 = 1065,
    kCalibrateKnown2 = 1066,
    kCalibrateUnknown1 = 1069,
    kCalibrateUnknown2 = 1070,
};
}  // namespace wizpage

namespace calibprompt {
inline constexpr UINT IDD = 15206;
enum : UINT { kMessage = 1074 };
}  // namespace calibprompt

namespace wizardtext {
enum : UINT {
    kInfoCaption = 61297,     // "信息提示"
    kWriteJobFailed = 61307,  // "创建qzs文件错误,请检查错误!"
    kKnownBase = 61340,       // "基准站架设在已知点上"
    kNotFixed = 61341,        // "非固定解状态,确定要校正吗?"
    kUnknownBase = 61342,     // "基准站架设在未知点上"
    kEnterKnown = 61343,      // "请确定已知点坐标的正确输入"
};
}  // namespace wizardtext
