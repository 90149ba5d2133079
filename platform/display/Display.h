#pragma once
// The screen's size, and the backend that shows what the window layer painted (headless: nothing;
// X11: a window). The layer's desktop keeps the 240 x 320 screen and hands it over with each change;
// input comes back through the desktop (platform/ui/Desktop.h).
#include <string>

#include "platform/gdi/Framebuffer.h"
#include "platform/gdi/Geometry.h"

constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 320;

class IDisplay {
public:
    virtual ~IDisplay() = default;
    // Painting has just changed the rectangle `dirty` of `screen`. The screen outlives the display.
    virtual void Present(const Framebuffer& screen, const CRect& dirty) = 0;
    // The main window's title, where the backend shows one (the X11 window's title bar).
    virtual void SetTitle(const std::wstring& /*title*/) {}
};
