#include <gtest/gtest.h>

#include "platform/gdi/CDC.h"
#include "platform/gdi/Framebuffer.h"
#include "platform/ui/ImageList.h"

TEST(ImageList, BitmapResourceIsCutIntoImagesWithTheMaskColourTransparent) {
    CImage strip(40, 16);
    strip.Fill(RGB(255, 255, 255));
    strip.SetPixel(3, 3, RGB(0, 0, 255));
    strip.SetPixel(19, 5, RGB(0, 160, 0));
    RegisterBitmapResource(7131, strip);

    CImageList images;
    ASSERT_TRUE(images.Create(7131, 16, 1, RGB(255, 255, 255)));
    // Two whole images fit in 40 pixels; the rest is dropped.
    EXPECT_EQ(images.GetImageCount(), 2);
    EXPECT_EQ(images.GetImageSize(), CSize(16, 16));
    EXPECT_TRUE(images.Image(0)->IsTransparent(0, 0));
    EXPECT_EQ(images.Image(0)->GetPixel(3, 3), RGB(0, 0, 255));
    EXPECT_EQ(images.Image(1)->GetPixel(3, 5), RGB(0, 160, 0));
    EXPECT_EQ(images.Image(2), nullptr);

    CImageList missing;
    EXPECT_FALSE(missing.Create(7999, 16, 1, RGB(255, 255, 255)));
    EXPECT_EQ(missing.GetSafeHandle(), nullptr);
    EXPECT_EQ(missing.Add(strip), -1);
}

TEST(ImageList, DrawingPutsOnlyOpaquePixels) {
    CImage strip(16, 16);
    strip.SetPixel(2, 2, RGB(200, 0, 0));
    CImageList images;
    images.Create(16, 16, ILC_MASK, 0, 1);
    EXPECT_EQ(images.Add(strip), 0);
    Framebuffer fb(32, 32, RGB(1, 2, 3));
    CDC dc(fb);
    EXPECT_TRUE(images.Draw(&dc, 0, CPoint(10, 10)));
    EXPECT_EQ(fb.colorAt(12, 12), RGB(200, 0, 0));
    EXPECT_EQ(fb.colorAt(11, 11), RGB(1, 2, 3));
    EXPECT_FALSE(images.Draw(&dc, 1, CPoint(0, 0)));
}
