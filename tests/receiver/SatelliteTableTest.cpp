#include "receiver/SatelliteTable.h"

#include <gtest/gtest.h>

namespace {
CGpsState Sky(int gps, int glonass) {
    CGpsState s;
    s.gpsInView = gps;
    s.gloInView = glonass;
    for (int i = 0; i < CGpsState::kMaxSatellites; ++i) {
        s.gpsSatellites[static_cast<size_t>(i)] = {i + 1, 10 + i, 100 + i, 40, 1};
        s.gloSatellites[static_cast<size_t>(i)] = {i + 38, 20 + i, 7 + i, 35, 0};
    }
    return s;
}
}  // namespace

TEST(SatelliteTable, RebuiltOnlyWhenOneOfTheFirstTwelveChanges) {
    CSatelliteTable table;
    CGpsState s = Sky(14, 6);
    EXPECT_TRUE(table.Refresh(s));
    EXPECT_FALSE(table.Refresh(s));
    s.gpsSatellites[12].azimuth = 200;  // the thirteenth
    s.gpsSatellites[11].used = 0;       // not compared
    EXPECT_FALSE(table.Refresh(s));
    s.gloSatellites[11].signal = 20;
    EXPECT_TRUE(table.Refresh(s));
    EXPECT_FALSE(table.Refresh(s));
    s.gpsSatellites[0].number = 31;
    EXPECT_TRUE(table.Refresh(s));
    EXPECT_FALSE(CSatelliteTable{}.Refresh(CGpsState{}));
}

TEST(SatelliteTable, RowsListGpsThenGlonassUpToTwentyEach) {
    CGpsState s = Sky(2, 1);
    s.gpsSatellites[1] = {5, 7, 9, 3, 1};
    const std::vector<SatelliteRow> rows = CSatelliteTable::Rows(s);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].number, L"05");
    EXPECT_EQ(rows[1].elevation, L"07");
    EXPECT_EQ(rows[1].azimuth, L"009");
    EXPECT_EQ(rows[1].signal, L"03");
    EXPECT_EQ(rows[1].type, L"GPS");
    EXPECT_EQ(rows[2].number, L"38");
    EXPECT_EQ(rows[2].type, L"GLONASS");
    EXPECT_EQ(rows[2].image, 1);
    EXPECT_EQ(CSatelliteTable::Rows(Sky(25, 40)).size(), 40u);
    EXPECT_TRUE(CSatelliteTable::Rows(Sky(-1, 0)).empty());
}
