#pragma once
// The handheld's keys as the screens' logical keys: A store, B view, 2/8 next and previous target,
// 5 redraw, the equals key re-acquire, the down arrow verification, and the rest the screens name.
#include "platform/base/WinTypes.h"
#include "survey/PlotKeys.h"

constexpr UINT WM_SYSKEYDOWN = 0x0104;

// The key codes the handheld's keys send besides their letters and digits.
enum DeviceKey : UINT {
    kDevicePageUp = 0x21,
    kDevicePageDown = 0x22,
    kDeviceLeft = 0x25,
    kDeviceUp = 0x26,
    kDeviceRight = 0x27,
    kDeviceDown = 0x28,
    kDeviceInsert = 0x2D,
    kDeviceDelete = 0x2E,
    kDeviceEquals = '=',
    kDeviceF2 = 0x71,
    kDeviceF3 = 0x72,
    kDeviceF5 = 0x74,
    kDeviceF6 = 0x75,
    kDeviceF7 = 0x76,
    kDeviceF8 = 0x77,
    kDeviceF9 = 0x78,
    kDeviceBracket = 0xDD,
};

// The logical keys no plot screen acts on (those are PlotKey), each its own key's code.
enum OtherLogicalKey : int {
    kKeyC = 'C',
    kKeyD = 'D',
    kKeyS = 'S',
    kKey3 = '3',
    kKey6 = '6',
    kKey7 = '7',
    kKey9 = '9',
    kKeyBracket = kDeviceBracket,
};

// Neither a key nor a logical key of any screen.
constexpr int kNoLogicalKey = 0;

// WM_KEYDOWN and WM_CHAR map by the key table; WM_SYSKEYDOWN maps only A to D to themselves.
int MapHardwareKey(UINT message, UINT key);
