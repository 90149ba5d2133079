#include "foundation/PointGrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

std::vector<uint32_t> Inside(const std::vector<PointPosition>& points, const GridBox& box) {
    std::vector<uint32_t> inside;
    for (uint32_t i = 0; i < points.size(); ++i)
        if (points[i].n >= box.minN && points[i].n <= box.maxN && points[i].e >= box.minE &&
            points[i].e <= box.maxE)
            inside.push_back(i);
    return inside;
}

// Whatever the layout, the points a box holds are among those the grid hands out, and a box that
// covers much of the extent is left to a look at every point.
TEST(PointGridTest, TheCellsOfABoxHoldEveryPointInIt) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> site(0.0, 10000.0);
    std::vector<PointPosition> spread(20000), line(500), spot(300, PointPosition{3456789.123, 512345.678, 0});
    for (PointPosition& p : spread) p = {3400000.0 + site(random), 500000.0 + site(random), 0};
    for (size_t i = 0; i < line.size(); ++i) line[i] = {100.0, 20.0 + static_cast<double>(i), 0};
    spread.push_back({3400000.0 - 50000.0, 400000.0, 0});  // a control point far off the site
    struct Case {
        const char* layout;
        const std::vector<PointPosition>& points;
        GridBox box;
        bool near;
    } cases[] = {
        {"spread", spread, {3405000.0, 505000.0, 3405240.0, 505200.0}, true},
        {"spread, corner", spread, {3409900.0, 509900.0, 3420000.0, 520000.0}, true},
        {"spread, the far point", spread, {3349990.0, 399990.0, 3350010.0, 400010.0}, true},
        {"spread, off the grid", spread, {0.0, 0.0, 10.0, 10.0}, true},
        {"spread, whole", spread, {3390000.0, 390000.0, 3420000.0, 520000.0}, false},
        {"line", line, {90.0, 100.0, 110.0, 120.0}, true},
        {"spot", spot, {3456789.0, 512345.0, 3456790.0, 512346.0}, false},
        {"spot, beside", spot, {3456795.0, 512345.0, 3456796.0, 512346.0}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        PointGrid grid;
        grid.Build(c.points);
        std::vector<uint32_t> near;
        ASSERT_EQ(grid.Near(c.box, near), c.near);
        if (!c.near) {
            EXPECT_TRUE(near.empty());
            continue;
        }
        std::sort(near.begin(), near.end());
        EXPECT_TRUE(std::adjacent_find(near.begin(), near.end()) == near.end());
        const std::vector<uint32_t> inside = Inside(c.points, c.box);
        EXPECT_TRUE(std::includes(near.begin(), near.end(), inside.begin(), inside.end()));
        EXPECT_LE(near.size(), c.points.size() / 4);
    }
}

TEST(PointGridTest, AnEmptyGridHasNothingNear) {
    PointGrid grid;
    grid.Build({});
    std::vector<uint32_t> near;
    EXPECT_TRUE(grid.Near({0.0, 0.0, 1.0, 1.0}, near));
    EXPECT_TRUE(near.empty());
}

}  // namespace
