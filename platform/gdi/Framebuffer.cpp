#include "platform/gdi/Framebuffer.h"

#include <algorithm>

Framebuffer::Framebuffer(int width, int height, COLORREF fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * height_, ToPixel(fill)) {}

void Framebuffer::fill(COLORREF color) {
    std::fill(pixels_.begin(), pixels_.end(), ToPixel(color));
}
