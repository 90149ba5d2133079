#include "app/quorin/ScreenshotDisplay.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>

#include "platform/gdi/Png.h"

namespace {
constexpr std::chrono::milliseconds kMinInterval{100};
}

void CScreenshotDisplay::Present(const Framebuffer& screen, const CRect& dirty) {
    inner_.Present(screen, dirty);
    screen_ = &screen;
    changed_ = true;
    SaveIfDue();
}

void CScreenshotDisplay::SaveIfDue() {
    if (std::chrono::steady_clock::now() - lastSave_ >= kMinInterval) SaveIfChanged();
}

void CScreenshotDisplay::SaveIfChanged() {
    if (!screen_ || !changed_ || (showing_ && !showing_())) return;
    changed_ = false;
    lastSave_ = std::chrono::steady_clock::now();
    // A temporary of a name nobody could plant a link at, beside the target, renamed over it whole.
    std::string temporary = path_ + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return;
    FILE* file = ::fdopen(fd, "wb");
    if (!file) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return;
    }
    const bool written = WritePng(*screen_, file);
    if (std::fclose(file) != 0 || !written || std::rename(temporary.c_str(), path_.c_str()) != 0)
        ::unlink(temporary.c_str());
}
