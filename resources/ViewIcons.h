#pragma once
// The ten 28 x 28 icons of the main view's buttons, drawn here.
#include "platform/base/WinTypes.h"
#include "platform/gdi/CImage.h"

namespace viewicons {
inline constexpr UINT kConnect = 165;
inline constexpr UINT kFollow = 206;
inline constexpr UINT kZoomIn = 207;
inline constexpr UINT kZoomOut = 208;
inline constexpr UINT kFitAll = 209;
inline constexpr UINT kReceiverInfo = 210;
inline constexpr UINT kExit = 212;
inline constexpr UINT kStorePoint = 213;
inline constexpr UINT kStoreSettings = 215;
inline constexpr UINT kParamView = 226;
}  // namespace viewicons

// A null image for an id that is none of these.
CImage ViewButtonIcon(UINT id);
