#pragma once
// The default display: the screen lives in memory only; screenshots go to PNG files.
#include <string>

#include "platform/display/Display.h"

class CHeadlessDisplay final : public IDisplay {
public:
    CHeadlessDisplay() : screen_(kScreenWidth, kScreenHeight) {}
    Framebuffer& Screen() override { return screen_; }
    void Present(const CRect& dirty) override;
    bool SaveScreenshot(const std::string& path) const;
    // How many times painting reached the screen.
    int PresentCount() const { return presents_; }

private:
    Framebuffer screen_;
    int presents_ = 0;
};
