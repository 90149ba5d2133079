#include <gtest/gtest.h>

#include "foundation/screens/DrawingRoutines.h"

namespace {

int DarkPixels(const Framebuffer& fb) {
    int n = 0;
    for (uint32_t p : fb.pixels()) n += p != 0xFFFFFF;
    return n;
}

}  // namespace

TEST(DrawCircleTest, SegmentCountIsCapped) {
    EXPECT_EQ(CircleSegmentCount(0), 0);
    EXPECT_EQ(CircleSegmentCount(-3), 0);
    EXPECT_EQ(CircleSegmentCount(1), 6);
    EXPECT_EQ(CircleSegmentCount(57), 358);
    EXPECT_EQ(CircleSegmentCount(58), 360);
    EXPECT_EQ(CircleSegmentCount(2000000000), 360);
}

TEST(DrawCircleTest, DrawsAroundTheCentreAndSkipsCirclesOutsideTheClip) {
    Framebuffer fb(240, 320);
    CDC dc(fb);
    DrawCircle(dc, 100, 100, 0);
    EXPECT_EQ(DarkPixels(fb), 0);
    DrawCircle(dc, 100, 100, 8);
    EXPECT_EQ(fb.colorAt(108, 100), RGB(0, 0, 0));
    EXPECT_EQ(fb.colorAt(92, 100), RGB(0, 0, 0));
    EXPECT_EQ(fb.colorAt(100, 100), RGB(255, 255, 255));

    // A huge circle whose top passes through the screen: drawn as chords cut to the screen.
    DrawCircle(dc, 120, 100160, 100000);
    EXPECT_EQ(fb.colorAt(120, 160), RGB(0, 0, 0));
    EXPECT_EQ(fb.colorAt(120, 150), RGB(255, 255, 255));

    Framebuffer clean(240, 320);
    CDC other(clean);
    DrawCircle(other, -5000, 100, 4000);
    DrawCircle(other, 120, 160, 2000000000);
    DrawCircle(other, 2000000000, -2000000000, 2000000000);
    EXPECT_EQ(DarkPixels(clean), 0);
}

TEST(DrawCircleTest, DrawingInvertedTwiceRestoresTheScreen) {
    Framebuffer fb(240, 320);
    CDC dc(fb);
    dc.Rectangle(90, 90, 130, 130);
    const Framebuffer before = fb;
    dc.SetROP2(R2_NOT);
    for (int r : {1, 2, 8, 60, 200}) {
        DrawCircle(dc, 110, 110, r);
        EXPECT_NE(fb, before) << r;
        DrawCircle(dc, 110, 110, r);
        EXPECT_EQ(fb, before) << r;
    }
}

TEST(CreateFontObjectTest, LongFaceNameIsCutToFit) {
    CFont font;
    CreateFontObject(font, 14, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                     L"A face name that is far longer than thirty-two characters");
    LOGFONT lf;
    font.GetLogFont(&lf);
    EXPECT_EQ(lf.lfHeight, 14);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(std::wstring(lf.lfFaceName),
              std::wstring(L"A face name that is far longer ").substr(0, LF_FACESIZE - 1));
    EXPECT_EQ(lf.lfFaceName[LF_FACESIZE - 1], L'\0');
}
