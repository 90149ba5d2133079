#pragma once
// The stake-out screens' button icons (28 x 28): the main view's where they do the same, and two of
// their own, the stake library (211) and the coordinate view (214).
#include "platform/base/WinTypes.h"
#include "platform/gdi/CImage.h"

namespace stakeicons {
inline constexpr UINT kFollow = 206;
inline constexpr UINT kZoomIn = 207;
inline constexpr UINT kZoomOut = 208;
inline constexpr UINT kFitAll = 209;
inline constexpr UINT kReceiverInfo = 210;
inline constexpr UINT kLibrary = 211;
inline constexpr UINT kClose = 212;
inline constexpr UINT kStore = 213;
inline constexpr UINT kCoordView = 214;
inline constexpr UINT kSettings = 215;
}  // namespace stakeicons

// A null image for an id that is none of these.
CImage StakeButtonIcon(UINT id);
