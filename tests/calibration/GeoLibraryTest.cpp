// The latitude/longitude library file, the import of raw records and the search by name.
#include <gtest/gtest.h>

#include <vector>

#include "calibration/GeoLibrary.h"
#include "tests/platform/files/DeviceRootFixture.h"

namespace {
using GeoLibraryTest = DeviceRootTest;

GeoRow Named(const wchar_t* name) {
    GeoRow row;
    row.name = name;
    return row;
}
}  // namespace

TEST_F(GeoLibraryTest, LibraryBesideTheJobFileLoadsAndSavesBackByteForByte) {
    EXPECT_EQ(GeoLibraryPath(L"\\Jobs\\site\\", L"site.qzs"), L"\\Jobs\\site\\site.WGS");
    const std::string bytes = "P1,23.07591234,113.2,12.5,00000000,\r\n\xbf\xd8,23.1,113.3,7,\xd6\xc6,\r\n";
    WriteHostFile("Jobs/site/site.WGS", bytes + "\r\nP3,1,2,3,4,");
    std::vector<GeoRow> rows;
    ASSERT_TRUE(ReadGeoLibrary(L"\\Jobs\\site\\site.WGS", rows));
    ASSERT_EQ(rows.size(), 3u);  // the empty line is skipped, the unterminated last line kept
    EXPECT_EQ(rows[1], (GeoRow{L"控", L"23.1", L"113.3", L"7", L"制"}));
    rows.pop_back();
    ASSERT_TRUE(WriteGeoLibrary(L"\\Jobs\\site\\site.WGS", rows));
    EXPECT_EQ(ReadHostFile("Jobs/site/site.WGS"), bytes);
}

TEST_F(GeoLibraryTest, ImportTakesGroundHeightsAndSkipsRemarkLines) {
    WriteHostFile("Jobs/site/data/p.blh",
                  "Rem this line is a header\r\n"
                  "K1,23.0759123400,113.2000000000,15.500,00000000,1.500,x,y\r\n"
                  "Rem2,1,2,3,c\r\n"
                  "P1,23.07591234,113.2,12.5,00000000,\r\n");
    std::vector<GeoRow> rows = {Named(L"old")};
    ASSERT_TRUE(ImportGeoPoints(L"\\Jobs\\site\\data\\p.blh", rows));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1], (GeoRow{L"K1", L"23.0759123400", L"113.2000000000", L"14.000", L"00000000"}));
    EXPECT_EQ(rows[2].name, L"Rem2");  // "Rem" without its blank is a point
    EXPECT_EQ(rows[3].h, L"12.500");
    EXPECT_FALSE(ImportGeoPoints(L"\\Jobs\\site\\data\\missing.blh", rows));
    EXPECT_EQ(rows.size(), 4u);
}

TEST(FindGeoRows, ByFirstPositionOfTheTextThenRowOrder) {
    const std::vector<GeoRow> rows = {Named(L"A2"), Named(L"2B"), Named(L"K7"), Named(L"a22"), Named(L"22")};
    const struct {
        const wchar_t* text;
        std::vector<int> found;
    } cases[] = {{L"2", {1, 4, 0, 3}}, {L"", {0, 1, 2, 3, 4}}, {L"a", {3}}, {L"Z", {}}};
    for (const auto& c : cases) EXPECT_EQ(FindGeoRows(rows, c.text), c.found) << c.text;
}
