#pragma once
// An in-memory picture with transparent pixels: icons and bitmaps drawn by the screens. Drawing
// copies the opaque pixels, scaled to the size asked for (nearest pixel).
#include <cstdint>
#include <vector>

#include "platform/base/WinTypes.h"
#include "platform/gdi/Color.h"
#include "platform/gdi/Geometry.h"

class CDC;

class CImage {
public:
    CImage() = default;
    // Every pixel transparent until set.
    CImage(int width, int height) { Create(width, height); }
    BOOL Create(int width, int height);
    void Destroy();
    bool IsNull() const { return width_ == 0 || height_ == 0; }
    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }

    // Outside the image these do nothing, and GetPixel answers CLR_INVALID like a transparent pixel.
    void SetPixel(int x, int y, COLORREF color);
    void SetTransparent(int x, int y);
    bool IsTransparent(int x, int y) const;
    COLORREF GetPixel(int x, int y) const;
    void Fill(COLORREF color);
    // Makes every pixel of that colour transparent, as bitmaps with a mask colour are used.
    void SetTransparentColor(COLORREF color);
    // A copy of part of the image (one image of a strip); parts outside are transparent.
    CImage Crop(const CRect& part) const;

    // At its own size, or scaled to cx x cy.
    BOOL Draw(CDC* dc, int x, int y) const { return Draw(dc, x, y, width_, height_); }
    BOOL Draw(CDC* dc, int x, int y, int cx, int cy) const;

    friend bool operator==(const CImage&, const CImage&) = default;

private:
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    uint32_t& At(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    uint32_t At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;  // COLORREF with 0xFF000000 set where opaque
};
