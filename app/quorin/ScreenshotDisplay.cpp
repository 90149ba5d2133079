#include "app/quorin/ScreenshotDisplay.h"

#include <cstdio>

#include "platform/gdi/Png.h"

namespace {
constexpr std::chrono::milliseconds kMinInterval{100};
}

void CScreenshotDisplay::Present(const CRect& dirty) {
    inner_.Present(dirty);
    changed_ = true;
    SaveIfDue();
}

void CScreenshotDisplay::SaveIfDue() {
    if (std::chrono::steady_clock::now() - lastSave_ >= kMinInterval) SaveIfChanged();
}

void CScreenshotDisplay::SaveIfChanged() {
    if (!changed_ || (showing_ && !showing_())) return;
    changed_ = false;
    lastSave_ = std::chrono::steady_clock::now();
    const std::string temporary = path_ + ".tmp";
    if (WritePng(inner_.Screen(), temporary)) std::rename(temporary.c_str(), path_.c_str());
}
