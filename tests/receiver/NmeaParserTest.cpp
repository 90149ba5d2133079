#include <gtest/gtest.h>

#include "receiver/CGpsParser.h"
#include "tests/receiver/SentenceHelpers.h"

namespace {

class NmeaParser : public ::testing::Test {
protected:
    int Parse(const CString& line) { return parser.Parse(line, state, type); }

    CGpsParser parser{{.boardType = kBoardOemD}};
    CGpsState state;
    int type = -1;
};

const std::string kGga = "GPGGA,235959.50,3014.5000,N,12010.3000,E,4,09,1.2,10.000,M,5.000,M,2.7,0012";

}  // namespace

TEST_F(NmeaParser, ClassifiesByTheFirstNameInTableOrder) {
    EXPECT_EQ(Parse(L"#BESTPOSA,$GPGGA,junk*00"), 0);
    EXPECT_EQ(type, kLineBestPos);
    Parse(L"$GPRMC,1,2,3*00");
    EXPECT_EQ(type, kLineRmc);
    EXPECT_EQ(Parse(Nmea("GNGST,1,2,3,4,5,6,7,8")), 1);
    EXPECT_EQ(type, kLineGst);
    EXPECT_EQ(Parse(L"hello"), 0);
    EXPECT_EQ(type, kLineNone);
    parser.UseSettings({.boardType = kBoardOemT});
    Parse(Nmea("GLGSV,1,1,01,65,10,20,30"));
    EXPECT_EQ(type, kLineGsv);
}

TEST_F(NmeaParser, GgaFixWithTimeZoneAndCheck) {
    ASSERT_EQ(Parse(Nmea(kGga)), 1);
    EXPECT_EQ(type, kLineGga);
    EXPECT_EQ(state.solutionText, L"FIXED");
    EXPECT_EQ(state.solutionCode, kSolFixed);
    EXPECT_EQ(state.hour, 7);
    EXPECT_EQ(state.minute, 59);
    EXPECT_EQ(state.second, 59);
    EXPECT_NEAR(state.latitude, 30.2416666667, 1e-9);
    EXPECT_NEAR(state.longitude, 120.1716666667, 1e-9);
    EXPECT_DOUBLE_EQ(state.height, 15.0);
    EXPECT_DOUBLE_EQ(state.geoidSeparation, 5.0);
    EXPECT_EQ(state.diffAge, 2);
    EXPECT_EQ(state.baseId, L"0012");

    parser.UseSettings({.boardType = kBoardOemD, .timeZone = 0});
    Parse(Nmea(kGga));
    EXPECT_EQ(state.hour, 23);

    CGpsState before = state;
    CString bad = Nmea(kGga);
    bad.SetAt(bad.GetLength() - 1, bad[bad.GetLength() - 1] == L'0' ? L'1' : L'0');
    EXPECT_EQ(Parse(bad), 0);
    EXPECT_EQ(state.latitude, before.latitude);
    EXPECT_EQ(Parse(L"GPGGA,no dollar*00"), 0);
    EXPECT_EQ(Parse(L"$GPGGA,no star"), 0);
}

TEST_F(NmeaParser, GgaSouthWestAndANegativeZone) {
    parser.UseSettings({.boardType = kBoardOemD, .timeZone = -5});
    Parse(Nmea("GPGGA,023000.00,3352.1000,S,15112.6000,W,1,07,0.9,10.0,M,0.0,M,,"));
    EXPECT_NEAR(state.latitude, -33.8683333333, 1e-9);
    EXPECT_NEAR(state.longitude, -151.21, 1e-9);
    EXPECT_EQ(state.hour, 21);
}

TEST_F(NmeaParser, GgaQualityZeroKeepsThePosition) {
    Parse(Nmea(kGga));
    state.gpsUsedCount = 5;
    ASSERT_EQ(Parse(Nmea("GPGGA,010203.00,1111.0,N,02222.0,E,0,03,9.9,1.0,M,1.0,M,7,0099")), 1);
    EXPECT_EQ(state.solutionText, L"SINGLE");
    EXPECT_EQ(state.solutionCode, kSolNone);
    EXPECT_NEAR(state.latitude, 30.2416666667, 1e-9);
    EXPECT_EQ(state.hour, 9);
    EXPECT_EQ(state.diffAge, 7);
    EXPECT_EQ(state.baseId, L"0099");
    state.gpsUsedCount = 4;
    Parse(Nmea("GPGGA,010203.00,,,,,0,00,,,,,,,"));
    EXPECT_EQ(state.solutionText, L"NONE");
}

TEST_F(NmeaParser, GgaIsIgnoredOnBoardsThatSendThePositionLog) {
    for (int board : {0, 1, 3}) {
        parser.UseSettings({.boardType = board});
        state.latitude = 0;
        EXPECT_EQ(Parse(Nmea(kGga)), 1);
        EXPECT_EQ(state.latitude, 0.0);
    }
    parser.UseSettings({.boardType = kBoardEclipse, .baseFlag = 1});
    Parse(Nmea(kGga));
    EXPECT_EQ(state.latitude, 0.0);
    parser.UseSettings({.boardType = kBoardEclipse, .baseFlag = 0});
    Parse(Nmea(kGga));
    EXPECT_NE(state.latitude, 0.0);
}

TEST_F(NmeaParser, GsaFillsTheUsedListAndDops) {
    state.gpsUsedList.fill(77);
    ASSERT_EQ(Parse(Nmea("GPGSA,A,3,02,05,,12,15,,19,,,,,,1.6,0.9,1.3")), 1);
    EXPECT_EQ(state.gpsUsedCount, 5);
    EXPECT_EQ(state.gpsUsedList[0], 2);
    EXPECT_EQ(state.gpsUsedList[2], 0);
    EXPECT_EQ(state.gpsUsedList[6], 19);
    EXPECT_EQ(state.gpsUsedList[11], 0);
    EXPECT_EQ(state.gpsUsedList[12], 77);
    EXPECT_DOUBLE_EQ(state.pdop, 1.6);
    EXPECT_DOUBLE_EQ(state.hdop, 0.9);
    EXPECT_DOUBLE_EQ(state.vdop, 1.3);
}

TEST_F(NmeaParser, CombinedGsaPicksTheConstellationByItsFirstSatellite) {
    Parse(Nmea("GNGSA,A,3,65,66,72,,,,,,,,,,2.0,1.0,1.7"));
    EXPECT_EQ(state.gloUsedCount, 3);
    EXPECT_EQ(state.gloUsedList[2], 72);
    Parse(Nmea("GNGSA,A,3,02,05,,,,,,,,,,,2.0,1.0,1.7"));
    EXPECT_EQ(state.gpsUsedCount, 2);
    EXPECT_EQ(state.gloUsedCount, 3);
    // An empty first field counts as GLONASS and keeps the earlier entries.
    Parse(Nmea("GNGSA,A,3,,81,,,,,,,,,,,2.0,1.0,1.7"));
    EXPECT_EQ(state.gloUsedCount, 1);
    EXPECT_EQ(state.gloUsedList[0], 65);
    EXPECT_EQ(state.gloUsedList[1], 81);
    EXPECT_EQ(state.gloUsedList[2], 72);
}

TEST_F(NmeaParser, GsvFillsItsMessagesEntries) {
    Parse(Nmea("GPGSA,A,3,05,12,,,,,,,,,,,1.6,0.9,1.3"));
    ASSERT_EQ(Parse(Nmea("GPGSV,3,2,09,05,41,130,45,06,22,210,60,12,55,300,47,15,12,080,")), 1);
    EXPECT_EQ(state.gpsInView, 9);
    const auto& s = state.gpsSatellites;
    EXPECT_EQ(s[4].number, 5);
    EXPECT_EQ(s[4].used, 1);
    EXPECT_EQ(s[5].signal, 51);
    EXPECT_EQ(s[5].used, 0);
    EXPECT_EQ(s[6].azimuth, 300);
    EXPECT_EQ(s[7].number, 15);
    EXPECT_EQ(s[7].signal, 0);
    Parse(Nmea("GPGSV,3,3,09,25,48,340,46"));
    EXPECT_EQ(s[8].number, 25);
    EXPECT_EQ(s[9].number, 0);
    EXPECT_EQ(Parse(Nmea("GPGSV,3,4,09,26,48,340,46")), 0);
}

TEST_F(NmeaParser, GsvMessageNumbersOutsideTheArraysAreRefusedOrDropped) {
    const CGpsState before = state;
    EXPECT_EQ(Parse(Nmea("GPGSV,3,0,09,05,41,130,45")), 0);
    EXPECT_EQ(Parse(Nmea("GPGSV,3,-3,09,05,41,130,45")), 0);
    EXPECT_EQ(state.gpsSatellites[0].number, before.gpsSatellites[0].number);
    // 30 in view: message 6 addresses entries 20 to 23, beyond the 20 that exist.
    EXPECT_EQ(Parse(Nmea("GPGSV,8,6,30,05,41,130,45,06,22,210,40")), 1);
    EXPECT_EQ(Parse(Nmea("GLGSV,8,6,30,65,41,130,45")), 1);
    EXPECT_EQ(Parse(Nmea("GLGSV,9,2147483647,2147483647,-2147483648,41,130,45")), 0);
    EXPECT_EQ(Parse(Nmea("GLGSV,9,2,8,-2147483648,41,130,45")), 0);  // no satellite has that number
    parser.UseSettings({.boardType = kBoardOemT});
    EXPECT_EQ(Parse(Nmea("GPGSV,9,2147483647,36,05,41,130,45")), 0);
}

TEST_F(NmeaParser, GlonassGsvStoresNumbersLessTwentySeven) {
    Parse(Nmea("GNGSA,A,3,65,,,,,,,,,,,,2.0,1.0,1.7"));
    ASSERT_EQ(Parse(Nmea("GLGSV,2,1,06,65,52,100,44,66,28,160,40,72,61,240,46,73,15,300,35")), 1);
    EXPECT_EQ(state.gloInView, 6);
    EXPECT_EQ(state.gloSatellites[0].number, 38);
    EXPECT_EQ(state.gloSatellites[0].used, 1);
    EXPECT_EQ(state.gloSatellites[1].used, 0);
}

TEST_F(NmeaParser, BoardTypeFiveStagesBothConstellations) {
    parser.UseSettings({.boardType = kBoardOemT});
    Parse(Nmea("GPGSV,2,1,05,02,67,045,48,05,41,130,45,70,22,210,60,12,55,300,47"));
    Parse(Nmea("GLGSV,1,2,05,66,28,160,40"));
    EXPECT_EQ(state.gpsInView, 3);
    EXPECT_EQ(state.gloInView, 2);
    EXPECT_EQ(state.gloSatellites[0].number, 43);
    EXPECT_EQ(state.gloSatellites[0].signal, 51);
    EXPECT_EQ(state.gloSatellites[1].number, 39);
    EXPECT_EQ(state.gpsSatellites[2].number, 12);
    EXPECT_EQ(Parse(Nmea("GPGSV,8,8,32,02,67,045,48")), 0);
    EXPECT_EQ(Parse(Nmea("GPGSV,8,0,32,02,67,045,48")), 0);
    EXPECT_EQ(Parse(Nmea("GPGSV,7,7,28,31,67,045,48")), 1);
    EXPECT_EQ(state.gpsInView, 4);
    // Number 32 is the last GPS one, 33 the first GLONASS one.
    ASSERT_EQ(Parse(Nmea("GPGSV,7,7,28,32,10,100,40,33,20,200,30")), 1);
    EXPECT_EQ(state.gpsInView, 4);
    EXPECT_EQ(state.gpsSatellites[3].number, 32);
    EXPECT_EQ(state.gloInView, 3);
    EXPECT_EQ(state.gloSatellites[2].number, 6);
}

TEST_F(NmeaParser, GstTakesRmsAndInBaseModeTheTime) {
    ASSERT_EQ(Parse(Nmea("GPGST,080000.00,1.680,1.440,1.200,35.0,1.250,1.080,2.160")), 1);
    EXPECT_DOUBLE_EQ(state.rmsH, 1.25);
    EXPECT_DOUBLE_EQ(state.rmsV, 2.16);
    EXPECT_EQ(state.hour, 0);
    parser.UseSettings({.boardType = kBoardOemD, .timeZone = -9});
    parser.ParseVersion(Nmea("GPXXX,QZ8120382345678,V,B,A,OEM-V,GPRS,RADIO,0,BASE,ZH,3,,,,END"), state);
    Parse(Nmea("GPGST,080000.00,1.680,1.440,1.200,35.0,1.250,1.080,2.160"));
    EXPECT_EQ(state.hour, 23);
}

TEST_F(NmeaParser, ZdaReadsDateAndUtcTime) {
    ASSERT_EQ(Parse(Nmea("GPZDA,123456.00,08,03,2004,00,00")), 1);
    EXPECT_EQ(state.hour, 12);
    EXPECT_EQ(state.minute, 34);
    EXPECT_EQ(state.second, 56);
    EXPECT_EQ(state.year, 2004);
    EXPECT_EQ(state.month, 3);
    EXPECT_EQ(state.day, 8);
}
