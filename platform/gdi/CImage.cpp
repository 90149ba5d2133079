#include "platform/gdi/CImage.h"

#include "platform/gdi/CDC.h"

namespace {
constexpr uint32_t kOpaque = 0xFF000000u;
}

BOOL CImage::Create(int width, int height) {
    if (width <= 0 || height <= 0) return FALSE;
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<size_t>(width) * height, 0);
    return TRUE;
}

void CImage::Destroy() {
    *this = CImage();
}

void CImage::SetPixel(int x, int y, COLORREF color) {
    if (Inside(x, y)) At(x, y) = (color & 0x00FFFFFFu) | kOpaque;
}

void CImage::SetTransparent(int x, int y) {
    if (Inside(x, y)) At(x, y) = 0;
}

bool CImage::IsTransparent(int x, int y) const {
    return !Inside(x, y) || (At(x, y) & kOpaque) == 0;
}

COLORREF CImage::GetPixel(int x, int y) const {
    return IsTransparent(x, y) ? CLR_INVALID : At(x, y) & 0x00FFFFFFu;
}

void CImage::Fill(COLORREF color) {
    for (uint32_t& p : pixels_) p = (color & 0x00FFFFFFu) | kOpaque;
}

void CImage::SetTransparentColor(COLORREF color) {
    const uint32_t masked = (color & 0x00FFFFFFu) | kOpaque;
    for (uint32_t& p : pixels_) {
        if (p == masked) p = 0;
    }
}

CImage CImage::Crop(const CRect& part) const {
    CImage out;
    if (!out.Create(part.Width(), part.Height())) return out;
    for (int y = 0; y < out.height_; ++y)
        for (int x = 0; x < out.width_; ++x) {
            if (Inside(part.left + x, part.top + y)) out.At(x, y) = At(part.left + x, part.top + y);
        }
    return out;
}

BOOL CImage::Draw(CDC* dc, int x, int y, int cx, int cy) const {
    if (!dc || IsNull() || cx <= 0 || cy <= 0) return FALSE;
    Framebuffer* fb = dc->GetFramebuffer();
    if (!fb) return FALSE;
    CRect clip;
    dc->GetClipBox(&clip);
    const CPoint origin = dc->GetDeviceArea().TopLeft();
    CRect target(x, y, x + cx, y + cy);
    CRect visible = target & clip;
    for (int ty = visible.top; ty < visible.bottom; ++ty) {
        const int sy = static_cast<int>(static_cast<int64_t>(ty - target.top) * height_ / cy);
        uint32_t* row = fb->row(ty + origin.y);
        for (int tx = visible.left; tx < visible.right; ++tx) {
            const int sx = static_cast<int>(static_cast<int64_t>(tx - target.left) * width_ / cx);
            const uint32_t p = At(sx, sy);
            if (p & kOpaque) row[tx + origin.x] = Framebuffer::ToPixel(p & 0x00FFFFFFu);
        }
    }
    return TRUE;
}
