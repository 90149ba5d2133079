#include <gtest/gtest.h>

#include <utility>
#include <vector>

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

// A dashed pen keeps its pattern around the circle: one figure, not a restart at every segment.
TEST(DrawCircleTest, DashedPenLeavesGapsAroundTheCircle) {
    const auto inkOf = [](int style, int r) {
        Framebuffer fb(240, 320);
        CDC dc(fb);
        CPen pen(style, 1, RGB(255, 0, 0));
        dc.SelectObject(&pen);
        DrawCircle(dc, 120, 160, r);
        return DarkPixels(fb);
    };
    for (int r : {10, 30, 60}) {
        const int solid = inkOf(PS_SOLID, r), dashed = inkOf(PS_DASH, r);
        // 18 of every 24 pixels drawn, give or take a dash at the seam.
        EXPECT_LT(dashed, solid * 21 / 24) << r;
        EXPECT_GT(dashed, solid * 15 / 24) << r;
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

TEST(DrawDashedLineTest, DashesOfThreeAlongEachDirectionAndInvertedTwiceRestores) {
    struct Case {
        int x1, y1, x2, y2;
        std::vector<std::pair<int, int>> dark, light;
    } cases[] = {
        {10, 10, 25, 10, {{10, 10}, {12, 10}, {16, 10}, {22, 10}}, {{13, 10}, {15, 10}, {19, 10}, {25, 10}}},
        {40, 30, 40, 14, {{40, 30}, {40, 28}, {40, 24}}, {{40, 27}, {40, 25}, {40, 14}}},
        {60, 60, 72, 72, {{60, 60}, {62, 62}, {66, 66}}, {{63, 63}, {65, 65}, {72, 72}}},
    };
    for (const Case& c : cases) {
        Framebuffer fb(240, 320);
        CDC dc(fb);
        DrawDashedLine(dc, c.x1, c.y1, c.x2, c.y2);
        for (auto [x, y] : c.dark) EXPECT_EQ(fb.colorAt(x, y), RGB(0, 0, 0)) << x << "," << y;
        for (auto [x, y] : c.light) EXPECT_EQ(fb.colorAt(x, y), RGB(255, 255, 255)) << x << "," << y;
        Framebuffer inverted(240, 320);
        CDC twice(inverted);
        twice.Rectangle(0, 0, 100, 100);
        const Framebuffer before = inverted;
        twice.SetROP2(R2_NOT);
        DrawDashedLine(twice, c.x1, c.y1, c.x2, c.y2);
        EXPECT_NE(inverted, before);
        DrawDashedLine(twice, c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(inverted, before);
    }
    Framebuffer fb(240, 320);
    CDC dc(fb);
    DrawDashedLine(dc, 5, 5, 5, 5);
    EXPECT_EQ(DarkPixels(fb), 0);
}
