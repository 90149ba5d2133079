// The map's list: points read from the point file in front of those stored since, the display rule's
// first index, letting go of the front, and points read back from their lines.
#include "shell/frame/DisplayPoints.h"

#include "tests/platform/files/DeviceRootFixture.h"

namespace {

using DisplayPointsTest = DeviceRootTest;

std::vector<std::wstring> NamesIn(const DisplayPoints& points, const GridBox& box, size_t from) {
    std::vector<std::wstring> names;
    points.ForEachIn(box, from, [&](size_t i, double n, double e) {
        EXPECT_EQ(n, points.North(i));
        EXPECT_EQ(e, points.East(i));
        names.push_back(points[i].name.c_str());
    });
    return names;
}

TEST_F(DisplayPointsTest, FilePointsGoInFrontOfStoredOnesAndAreReadFromTheirLines) {
    WriteHostFile("d/j.xyh", "F1,10,10,1.5,a\r\nF2,20,20,2.5,b\r\n");
    DisplayPoints points;
    points.Append({L"S1", 30.0, 30.0, 3.0, L"s", 0});
    points.Append({L"S2", 40.0, 40.0, 4.0, L"s", 1});  // deleted
    const uint64_t before = points.Generation();
    FilePoints read;
    ASSERT_TRUE(read.Read(L"\\d\\j.xyh", {}));
    points.TakeFilePoints(std::move(read));
    EXPECT_NE(points.Generation(), before);
    ASSERT_EQ(points.size(), 4u);
    EXPECT_EQ(points[1].name, L"F2");
    EXPECT_EQ(points[1].h, 2.5);
    EXPECT_EQ(points[1].code, L"b");
    EXPECT_EQ(points.Name(1), L"F2");
    EXPECT_EQ(points[2].name, L"S1");
    EXPECT_EQ(points.Name(2), L"S1");
    EXPECT_FALSE(points.Deleted(1));
    EXPECT_TRUE(points.Deleted(3));
    EXPECT_EQ(NamesIn(points, {0.0, 0.0, 100.0, 100.0}, 0),
              (std::vector<std::wstring>{L"F1", L"F2", L"S1", L"S2"}));
    EXPECT_EQ(NamesIn(points, {15.0, 15.0, 35.0, 35.0}, 0), (std::vector<std::wstring>{L"F2", L"S1"}));
    EXPECT_EQ(NamesIn(points, {0.0, 0.0, 100.0, 100.0}, 2), (std::vector<std::wstring>{L"S1", L"S2"}));

    // A file rewritten under the list: a line that now holds another point gives no name.
    WriteHostFile("d/j.xyh", "F2,20,20,2.5,b\r\nF1,10,10,1.5,a\r\n");
    points.Clear();
    FilePoints again;
    ASSERT_TRUE(again.Read(L"\\d\\j.xyh", {}));
    points.TakeFilePoints(std::move(again));
    WriteHostFile("d/j.xyh", "F9,90,90,9.5,z\r\nF1,10,10,1.5,a\r\n");
    EXPECT_EQ(points[0].name, L"");
    EXPECT_EQ(points.Name(0), L"");
    EXPECT_EQ(points[0].x, 20.0);
    EXPECT_EQ(points[1].name, L"F1");
}

// The rule's first index counts the undeleted points and applies the count to the whole list, as
// the map always has; letting go of the front keeps every index's point.
TEST_F(DisplayPointsTest, TheRuleCountsUndeletedPointsAndTheFrontIsLetGo) {
    DisplayPoints points;
    for (int i = 0; i < 6; ++i) {
        CString name;
        name.Format(L"P%d", i);
        points.Append({name, 1.0 * i, 1.0 * i, 0.0, L"", i == 1 ? 1 : 0});
    }
    struct Case {
        int rule;
        size_t first;
    } cases[] = {{-1, 0}, {0, 5}, {2, 3}, {5, 0}, {9, 0}, {-3, 8}};
    for (const Case& c : cases) EXPECT_EQ(points.FirstShown(c.rule), c.first) << c.rule;

    points.DropBefore(3);
    EXPECT_EQ(points.Front(), 3u);
    EXPECT_EQ(points.size(), 6u);
    EXPECT_EQ(points[4].name, L"P4");
    points.DropBefore(2);  // the front never moves back
    EXPECT_EQ(points.Front(), 3u);
    EXPECT_EQ(NamesIn(points, {0.0, 0.0, 10.0, 10.0}, 0), (std::vector<std::wstring>{L"P3", L"P4", L"P5"}));
    points.Append({L"P6", 6.0, 6.0, 0.0, L"", 0});
    EXPECT_EQ(points.FirstShown(2), 4u);
    EXPECT_EQ(points[6].name, L"P6");
    points.DropBefore(99);
    EXPECT_EQ(points.Front(), 7u);
    EXPECT_TRUE(NamesIn(points, {0.0, 0.0, 10.0, 10.0}, 0).empty());
}

// Stores let go while the file was read lay beyond the rule; so did every point of the file.
TEST_F(DisplayPointsTest, AFileReadAfterStoresWereLetGoStaysBehindTheFront) {
    WriteHostFile("d/j.xyh", "F1,10,10,1,a\r\n");
    DisplayPoints points;
    points.Append({L"S1", 1.0, 1.0, 0.0, L"", 0});
    points.Append({L"S2", 2.0, 2.0, 0.0, L"", 0});
    points.DropBefore(1);
    FilePoints read;
    ASSERT_TRUE(read.Read(L"\\d\\j.xyh", {}));
    points.TakeFilePoints(std::move(read));
    EXPECT_EQ(points.size(), 3u);
    EXPECT_EQ(points.Front(), 2u);
    EXPECT_EQ(points[2].name, L"S2");
}

}  // namespace
