#include <gtest/gtest.h>

#include <optional>

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

// Names 30 pixels wide, 5 from their points, placed one after another on a 240 x 190 plot whose
// top-left corner (60 x 20) is kept free.
TEST(LabelLayout, NamesTakeTheFirstFreeSideOrAreLeftOut) {
    LabelLayout labels;
    labels.Reset({0, 0, 240, 190});
    labels.Reserve({0, 0, 60, 20});
    struct Case {
        PixelPoint at;
        std::optional<PixelRect> box;
    } cases[] = {
        {{100, 100}, PixelRect{105, 95, 135, 105}},   // free: to the right
        {{100, 100}, PixelRect{65, 95, 95, 105}},     // the same point again: to the left
        {{100, 100}, std::nullopt},                   // and a third time: left out
        {{110, 109}, std::nullopt},                   // a row into both names
        {{110, 110}, PixelRect{115, 105, 145, 115}},  // just below them
        {{131, 100}, PixelRect{136, 95, 166, 105}},   // just right of the first, just above the last
        {{20, 24}, std::nullopt},                     // a row into the corner, no room on the left
        {{20, 25}, PixelRect{25, 20, 55, 30}},        // just below the corner
        {{236, 150}, PixelRect{201, 145, 231, 155}},  // at the right edge: to the left
        {{236, 150}, std::nullopt},                   // and the right has no room for a second
    };
    for (const Case& c : cases) EXPECT_EQ(labels.Place(c.at, 5, 30, 35), c.box) << c.at.x << "," << c.at.y;
}

// The layout keeps a bit for each pixel, 64 to a word: boxes that end at, start at or fill a word's
// boundary see exactly the pixels they cover. The plot starts at (10, 20), so word boundaries fall on
// x = 74 and x = 138.
TEST(LabelLayout, BoxesMeetAtTheBitmapsWordBoundaries) {
    LabelLayout labels;
    labels.Reset({10, 20, 250, 120});
    labels.Reserve({74, 50, 75, 51});                                           // the first pixel of a word
    EXPECT_EQ(labels.Place({40, 50}, 5, 30, 35), std::nullopt);                 // 45..75 covers it
    EXPECT_EQ(labels.Place({39, 50}, 5, 30, 35), (PixelRect{44, 45, 74, 55}));  // 44..74 ends before it
    labels.Reserve({74, 70, 138, 71});                                          // one whole word
    EXPECT_EQ(labels.Place({100, 70}, 5, 30, 35), std::nullopt);                // inside it on both sides
    EXPECT_EQ(labels.Place({133, 70}, 5, 30, 35), (PixelRect{138, 65, 168, 75}));  // starts after it
    EXPECT_EQ(labels.Place({74, 90}, 5, 30, 35), (PixelRect{79, 85, 109, 95}));    // a row clear of both
}

// A name finds room only where a name one pixel wide would: however the plot has filled, HasRoom
// answers as placing the narrowest name, and where it answers no, no name of any width is placed.
TEST(LabelLayout, RoomForANameIsRoomForTheNarrowest) {
    LabelLayout labels;
    labels.Reset({0, 0, 240, 190});
    labels.Reserve({0, 0, 60, 20});
    uint32_t seed = 7;
    const auto next = [&seed](uint32_t range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int32_t>((seed >> 8) % range);
    };
    int without = 0;
    for (int i = 0; i < 3000; ++i) {
        const PixelPoint at{next(240), next(190)};
        const bool room = labels.HasRoom(at, 5);
        for (const int32_t width : {1, 12}) {
            LabelLayout narrow = labels;
            EXPECT_EQ(labels.HasRoom(at, 5, width), narrow.Place(at, 5, width, 35).has_value())
                << at.x << "," << at.y << " " << width;
        }
        for (const int32_t width : {4, 30, 60}) {
            LabelLayout wider = labels;
            if (!room) {
                EXPECT_EQ(wider.Place(at, 5, width, 35), std::nullopt) << at.x << "," << at.y;
            }
        }
        without += room ? 0 : 1;
        labels.Place(at, 5, 5 + i % 30, 35);
    }
    // The plot fills: most of the later points find no room.
    EXPECT_GT(without, 1500);
}
