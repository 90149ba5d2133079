#include <gtest/gtest.h>

#include "foundation/LabelPlacement.h"

// A 240 x 190 plot; names 30 pixels wide, drawn at most 35 wide, 5 pixels from the point.
TEST(LabelPlacement, NamesStayInsideThePlot) {
    const PixelRect plot{0, 0, 240, 190};
    struct Case {
        PixelPoint at;
        int32_t textWidth;
        PixelRect box;
    } cases[] = {
        {{100, 100}, 30, {105, 95, 135, 105}},  // right of the point
        {{100, 100}, 60, {105, 95, 140, 105}},  // a long name keeps to the widest
        {{220, 100}, 30, {185, 95, 215, 105}},  // at the right edge: to the left
        {{206, 100}, 30, {171, 95, 201, 105}},
        {{205, 100}, 30, {210, 95, 240, 105}},   // just fits on the right
        {{100, 2}, 30, {105, 0, 135, 10}},       // at the top: moved down
        {{100, 188}, 30, {105, 180, 135, 190}},  // at the bottom: moved up
        {{235, 1}, 30, {200, 0, 230, 10}},       // a corner: both
    };
    for (const Case& c : cases) {
        const PixelRect box = LabelBox(c.at, 5, c.textWidth, 35, plot);
        EXPECT_EQ(box, c.box) << c.at.x << "," << c.at.y;
    }
}
