#include "platform/display/HeadlessDisplay.h"

void CHeadlessDisplay::Present(const Framebuffer&, const CRect& dirty) {
    if (!dirty.IsRectEmpty()) ++presents_;
}
