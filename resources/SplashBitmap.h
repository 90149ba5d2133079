#pragma once
// Bitmap 130: the picture shown while the main window comes up (our own: a receiver under the sky
// with its signal arcs).
#include "platform/base/WinTypes.h"
#include "platform/gdi/CImage.h"

inline constexpr UINT IDB_SPLASH = 130;

CImage SplashBitmap();
