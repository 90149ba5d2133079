#include <gtest/gtest.h>

#include "foundation/screens/IconButtonLayout.h"

TEST(IconButtonLayoutTest, IconPlacesByAlignment) {
    const CRect item(0, 0, 80, 30), client(0, 0, 80, 30);
    const CSize icon(24, 24);
    IconButtonLayout l = LayOutIconButton(item, client, kIconLeft, true, icon, false);
    EXPECT_EQ(l.icon, CRect(3, 3, 27, 27));
    EXPECT_EQ(l.caption, CRect(27, 0, 80, 30));

    l = LayOutIconButton(item, client, kIconAbove, true, CSize(16, 12), false);
    EXPECT_EQ(l.icon, CRect(32, 3, 48, 15));
    EXPECT_EQ(l.caption, CRect(0, 12, 80, 30));

    l = LayOutIconButton(item, client, kIconRight, true, icon, false);
    EXPECT_EQ(l.icon, CRect(53, 3, 77, 27));
    EXPECT_EQ(l.caption, CRect(3, 0, 53, 30));

    // Without a title: centred, except the right alignment, which keeps the icon at the top.
    EXPECT_EQ(LayOutIconButton(item, client, kIconLeft, false, icon, false).icon, CRect(28, 3, 52, 27));
    EXPECT_EQ(LayOutIconButton(item, client, kIconRight, false, icon, false).icon, CRect(28, 0, 52, 24));
    // Pressed: one pixel down and right.
    EXPECT_EQ(LayOutIconButton(item, client, kIconLeft, false, icon, true).icon, CRect(29, 4, 53, 28));
}

TEST(IconButtonLayoutTest, HoverColourSaturatesPerChannel) {
    EXPECT_EQ(LightenPerChannel(RGB(192, 192, 192), 30), RGB(222, 222, 222));
    // A full channel stays full instead of carrying into its neighbour.
    EXPECT_EQ(LightenPerChannel(RGB(250, 10, 255), 30), RGB(255, 40, 255));
}

TEST(IconButtonLayoutTest, GreyedIconIsLightGreyOfEachPixelsBrightness) {
    CImage icon(3, 1);
    icon.SetPixel(0, 0, RGB(0, 0, 0));
    icon.SetPixel(1, 0, RGB(0, 128, 0));
    const CImage grey = GreyedIcon(icon);
    EXPECT_EQ(grey.GetPixel(0, 0), RGB(128, 128, 128));
    EXPECT_EQ(grey.GetPixel(1, 0), RGB(165, 165, 165));  // 128 + 75 / 2
    EXPECT_TRUE(grey.IsTransparent(2, 0));
}
