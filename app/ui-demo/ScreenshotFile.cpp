#include "app/ui-demo/ScreenshotFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/gdi/Png.h"

CScreenshotFile::CScreenshotFile(IDisplay& shown, std::string path) : shown_(shown), path_(std::move(path)) {}

void CScreenshotFile::Present(const Framebuffer& screen, const CRect& dirty) {
    presented_ = true;
    screen_ = &screen;
    shown_.Present(screen, dirty);
}

bool CScreenshotFile::WriteIfChanged(std::string* error) {
    if (!presented_ || !screen_) return true;
    presented_ = false;
    const Framebuffer& screen = *screen_;
    std::vector<uint32_t> pixels;
    pixels.reserve(static_cast<size_t>(screen.width()) * static_cast<size_t>(screen.height()));
    for (int y = 0; y < screen.height(); ++y)
        pixels.insert(pixels.end(), screen.row(y), screen.row(y) + screen.width());
    if (pixels == written_) return true;
    errno = 0;
    if (!WritePng(screen, path_)) {
        *error = "cannot write " + path_ + ": " + (errno ? std::strerror(errno) : "write failed");
        return false;
    }
    written_ = std::move(pixels);
    return true;
}

bool CanWriteFile(const std::string& path, std::string* error) {
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (!file) {
        *error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    std::fclose(file);
    return true;
}
