#pragma once
// A 32-bit screen image that every device context draws into. Pixels are 0x00RRGGBB, one
// uint32_t each, rows top to bottom without padding (what a 24-bit X11 visual takes as is).
#include <cstdint>
#include <vector>

#include "platform/gdi/Color.h"

class Framebuffer {
public:
    Framebuffer(int width, int height, COLORREF fill = RGB(255, 255, 255));

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    uint32_t* row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
    const uint32_t* row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
    const std::vector<uint32_t>& pixels() const { return pixels_; }

    // The colour at (x, y); the caller keeps (x, y) inside.
    COLORREF colorAt(int x, int y) const { return ToColor(row(y)[x]); }
    void fill(COLORREF color);

    static constexpr uint32_t ToPixel(COLORREF c) {
        return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
    }
    static constexpr COLORREF ToColor(uint32_t p) {
        return ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16);
    }

    friend bool operator==(const Framebuffer&, const Framebuffer&) = default;

private:
    int width_;
    int height_;
    std::vector<uint32_t> pixels_;
};
