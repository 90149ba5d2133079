#pragma once
// The default display: the screen lives in the desktop's memory only, and is shown nowhere.
#include "platform/display/Display.h"

class CHeadlessDisplay final : public IDisplay {
public:
    void Present(const Framebuffer& screen, const CRect& dirty) override;
    // How many times painting reached the screen.
    int PresentCount() const { return presents_; }

private:
    int presents_ = 0;
};
