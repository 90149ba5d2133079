#include "platform/display/HeadlessDisplay.h"

#include "platform/gdi/Png.h"

void CHeadlessDisplay::Present(const CRect& dirty) {
    if (!dirty.IsRectEmpty()) ++presents_;
}

bool CHeadlessDisplay::SaveScreenshot(const std::string& path) const {
    return WritePng(screen_, path);
}
