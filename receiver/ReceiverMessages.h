#pragma once
// Window messages of the receiver link.
#include "platform/messages/Messages.h"

// wParam: the reader thread's byte buffer (valid during the call only), lParam: byte count (1 to 256).
constexpr UINT WM_SERIAL_DATA = WM_USER + 999;
// Posted to the port's owner once when its device goes away (unplugged, link dropped); wParam: the
// port number, lParam 0. The port then reads as closed until it is opened again.
constexpr UINT WM_SERIAL_HANGUP = WM_USER + 998;
// wParam: a ModuleReply valid during the call only, lParam 0.
constexpr UINT WM_MODULE_REPLY = WM_USER + 886;
// wParam: the live CGpsState; lParam: the ForwardedFix (receiver/ReceiverProtocol.h).
constexpr UINT WM_GPS_POSITION = 1912;
constexpr UINT WM_GPS_POSITION_STORE = 1749;
constexpr UINT WM_GPS_POSITION_VERIFY = 1750;
