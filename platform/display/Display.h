#pragma once
// The screen behind the window layer: a 240 x 320 framebuffer that the layer paints into, and a
// backend that shows what changed (headless: nothing; X11: a window). Input comes back through
// the desktop (platform/ui/Desktop.h).
#include <string>

#include "platform/gdi/Framebuffer.h"
#include "platform/gdi/Geometry.h"

constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 320;

class IDisplay {
public:
    virtual ~IDisplay() = default;
    virtual Framebuffer& Screen() = 0;
    // The rectangle of the screen that painting has just changed.
    virtual void Present(const CRect& dirty) = 0;
    // The main window's title, where the backend shows one (the X11 window's title bar).
    virtual void SetTitle(const std::wstring& /*title*/) {}
};
