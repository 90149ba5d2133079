#include <gtest/gtest.h>

#include "platform/gdi/CDC.h"
#include "platform/gdi/CImage.h"

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 128, 0);
}  // namespace

TEST(GdiImage, MaskColourCropAndPixels) {
    CImage strip(4, 2);
    strip.Fill(kWhite);
    strip.SetPixel(0, 0, kRed);
    strip.SetPixel(3, 1, kGreen);
    strip.SetTransparentColor(kWhite);
    EXPECT_TRUE(strip.IsTransparent(1, 0));
    EXPECT_EQ(strip.GetPixel(1, 0), CLR_INVALID);
    EXPECT_EQ(strip.GetPixel(0, 0), kRed);
    EXPECT_EQ(strip.GetPixel(9, 9), CLR_INVALID);

    const CImage second = strip.Crop(CRect(2, 0, 4, 2));
    EXPECT_EQ(second.GetWidth(), 2);
    EXPECT_EQ(second.GetPixel(1, 1), kGreen);
    EXPECT_TRUE(strip.Crop(CRect(3, 1, 5, 3)).IsTransparent(1, 1));
    EXPECT_TRUE(CImage().IsNull());
}

TEST(GdiImage, DrawsOpaquePixelsScaledAndClipped) {
    CImage icon(2, 2);
    icon.SetPixel(0, 0, kRed);
    icon.SetPixel(1, 1, kGreen);
    Framebuffer fb(20, 20);
    CDC dc(fb, CRect(5, 5, 15, 15));
    EXPECT_TRUE(icon.Draw(&dc, 2, 2, 4, 4));
    EXPECT_EQ(dc.GetPixel(2, 2), kRed);
    EXPECT_EQ(dc.GetPixel(3, 3), kRed);
    EXPECT_EQ(dc.GetPixel(4, 4), kGreen);
    EXPECT_EQ(dc.GetPixel(5, 5), kGreen);
    EXPECT_EQ(dc.GetPixel(4, 2), kWhite);  // transparent

    icon.Draw(&dc, 8, 8, 8, 8);  // runs off the context's edge
    EXPECT_EQ(fb.colorAt(13, 13), kRed);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(fb.colorAt(15, i), kWhite);
        EXPECT_EQ(fb.colorAt(i, 15), kWhite);
    }
}
