#pragma once
// The handheld's keys as the screens' logical keys: A store, B view, 2/8 next and previous target,
// 5 redraw, 132 re-acquire, 133 verification, and the rest the screens name.
#include "platform/base/WinTypes.h"

constexpr UINT WM_SYSKEYDOWN = 0x0104;

// Neither a key nor a logical key of any screen.
constexpr int kNoLogicalKey = 0;

// WM_KEYDOWN and WM_CHAR map by the key table; WM_SYSKEYDOWN maps only A to D to themselves.
int MapHardwareKey(UINT message, UINT key);
