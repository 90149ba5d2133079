// Areas of figures whose sizes are known by hand; 1 亩 = 10000/15 m², so 100 m x 100 m is 15 亩.
#include <gtest/gtest.h>

#include "cogo/PolygonArea.h"
#include "platform/text/Format.h"

TEST(PolygonArea, FiguresOfKnownSize) {
    struct Case {
        const char* name;
        std::vector<PlanePoint> corners;
        double area, perimeter;
    };
    const Case cases[] = {
        {"unit square", {{0, 0}, {0, 1}, {1, 1}, {1, 0}}, 1.0, 4.0},
        {"L shape, counter-clockwise", {{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}}, 3.0, 8.0},
        {"3-4-5 triangle", {{0, 0}, {4, 0}, {4, 3}}, 6.0, 12.0},
        {"100 m square at grid magnitudes",
         {{3000000, 500000}, {3000100, 500000}, {3000100, 500100}, {3000000, 500100}},
         10000.0,
         400.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PolygonMeasure m;
        ASSERT_EQ(MeasurePolygon(c.corners, m), CogoStatus::kOk);
        EXPECT_NEAR(m.area, c.area, 1e-6);
        EXPECT_NEAR(m.perimeter, c.perimeter, 1e-6);
    }
    PolygonMeasure m;
    ASSERT_EQ(MeasurePolygon(cases[3].corners, m), CogoStatus::kOk);
    EXPECT_EQ(Format(L"%.3f", m.area / kSquareMetresPerMu), L"15.000");
}

TEST(PolygonArea, RefusedBoundaries) {
    struct Case {
        const char* name;
        std::vector<PlanePoint> corners;
        CogoStatus status;
    };
    const Case cases[] = {
        {"two corners", {{0, 0}, {0, 1}}, CogoStatus::kTooFewPoints},
        {"bow tie", {{0, 0}, {1, 1}, {1, 0}, {0, 1}}, CogoStatus::kSelfCrossing},
        {"collinear", {{0, 0}, {1, 0}, {2, 0}}, CogoStatus::kSelfCrossing},
        {"corner on a far edge", {{0, 0}, {2, 0}, {2, 2}, {1, 0}, {0, 2}}, CogoStatus::kSelfCrossing},
        {"spike back along an edge", {{0, 0}, {2, 0}, {1, 0}, {1, 1}}, CogoStatus::kSelfCrossing},
        {"repeated corner", {{0, 0}, {0, 1}, {0, 1}, {1, 1}}, CogoStatus::kCoincidentPoints},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PolygonMeasure m;
        EXPECT_EQ(MeasurePolygon(c.corners, m), c.status);
    }
}
