#include <gtest/gtest.h>

#include <cmath>

#include "receiver/CGpsParser.h"
#include "tests/receiver/SentenceHelpers.h"

namespace {

class BoardLogs : public ::testing::Test {
protected:
    int Parse(const CString& line) { return parser.Parse(line, state, type); }
    // A position log with the given type, extended status and GPS seconds of the week.
    CString BestPos(const std::string& positionType, const std::string& extStatus = "",
                    const std::string& seconds = "407590.000") {
        return BoardLine(
            "BESTPOSA,COM1,0,5.5,FINESTEERING,2180," + seconds + ",02400020,cdba,32768;SOL_COMPUTED," +
            positionType +
            ",51.15044625442,-114.03068674478,1098.5042,-17.0000,WGS84,1.9497,1.2176,3.6853,\"\","
            "3.500,0.000,24,18,18,0,00," +
            extStatus + ",11,11");
    }
    void SetL1Option(char eighthSerialCharacter) {
        std::string serial = "QZ812038";
        serial[7] = eighthSerialCharacter;
        parser.ParseVersion(Nmea("GPXXX," + serial + "2345678,V,B,A,OEM-V,GPRS,RADIO,0,ROVER,ZH,3,,,,END"),
                            state);
    }

    CGpsParser parser{{.boardType = kBoardOemV}};
    CGpsState state;
    int type = -1;
};

}  // namespace

TEST_F(BoardLogs, Crc32OfTheLogs) {
    EXPECT_EQ(CGpsParser::Crc32(3, L"abc"), 0xCA6598D0u);
    EXPECT_EQ(CGpsParser::Crc32(0, L""), 0u);
}

TEST_F(BoardLogs, PositionLogFillsTheState) {
    ASSERT_EQ(Parse(BestPos("SINGLE")), 1);
    EXPECT_EQ(type, kLineBestPos);
    EXPECT_EQ(state.solutionCode, kSolSingle);
    EXPECT_EQ(state.solutionText, L"SINGLE");
    EXPECT_DOUBLE_EQ(state.latitude, 51.15044625442);
    EXPECT_DOUBLE_EQ(state.longitude, -114.03068674478);
    EXPECT_NEAR(state.height, 1081.5042, 1e-9);
    EXPECT_DOUBLE_EQ(state.geoidSeparation, -17.0);
    EXPECT_DOUBLE_EQ(state.rmsH, 1.9497);
    EXPECT_DOUBLE_EQ(state.rmsV, 3.6853);
    EXPECT_EQ(state.diffAge, 3);
    // 407590 s of week 2180 is 17:13:10 GPS time, 17:12:52 UTC (GPS time runs 18 s ahead since 2017);
    // zone 8 wraps past midnight.
    EXPECT_EQ(state.hour, 1);
    EXPECT_EQ(state.minute, 12);
    EXPECT_EQ(state.second, 52);
}

TEST_F(BoardLogs, NegativeZonesWrapThePositionTimeBackOverMidnight) {
    // 9018 s of the week: Sunday 02:30:18 GPS time, 02:30:00 UTC.
    const struct {
        int zone;
        int hour;
    } cases[] = {{-5, 21}, {-3, 23}, {-2, 0}, {14, 16}};
    for (const auto& c : cases) {
        parser.UseSettings({.boardType = kBoardOemV, .timeZone = c.zone});
        ASSERT_EQ(Parse(BestPos("SINGLE", "", "9018.000")), 1);
        EXPECT_EQ(state.hour, c.hour) << c.zone;
        EXPECT_EQ(state.minute, 30) << c.zone;
    }
}

TEST_F(BoardLogs, ACorruptLogChangesNothing) {
    CString line = BestPos("SINGLE");
    line.Replace(L"51.150", L"51.160");
    EXPECT_EQ(Parse(line), 0);
    EXPECT_EQ(state.latitude, 0.0);
    EXPECT_EQ(Parse(L"BESTPOSA,no hash*12345678"), 0);
    EXPECT_EQ(Parse(L"#BESTPOSA,1,2*1"), 0);
}

TEST_F(BoardLogs, CheckTextWithALeadingZeroIsAccepted) {
    // Among real logs: "...*04e05542" formats as "4e05542".
    for (int i = 0; i < 2000; ++i) {
        const CString line = BestPos("SINGLE", "00", std::to_string(400000 + i) + ".000");
        if (line[line.Find(L'*') + 1] != L'0') continue;
        EXPECT_EQ(Parse(line), 1);
        return;
    }
    FAIL() << "no check text with a leading zero found";
}

TEST_F(BoardLogs, NarrowIntIsVerifiedByExtendedStatusOnNewFirmware) {
    Parse(FirmwareLog("3.3"));
    Parse(BestPos("NARROW_INT", "00"));
    EXPECT_EQ(state.solutionCode, kSolWideInt);
    EXPECT_EQ(state.solutionText, L"FLOAT");
    Parse(BestPos("NARROW_INT", "01"));
    EXPECT_EQ(state.solutionCode, kSolFixed);
    EXPECT_EQ(state.solutionText, L"FIXED");
    // The status persists from a log that carried one.
    Parse(BestPos("NARROW_INT", "00"));
    Parse(BestPos("NARROW_INT", ""));
    EXPECT_EQ(state.solutionCode, kSolWideInt);
    Parse(FirmwareLog("3.1"));
    Parse(BestPos("NARROW_INT", "00"));
    EXPECT_EQ(state.solutionCode, kSolFixed);
    // The rule starts at exactly 3.2.
    Parse(FirmwareLog("3.2"));
    Parse(BestPos("NARROW_INT", "00"));
    EXPECT_EQ(state.solutionCode, kSolWideInt);
    Parse(FirmwareLog("3.1999"));
    Parse(BestPos("NARROW_INT", "00"));
    EXPECT_EQ(state.solutionCode, kSolFixed);
    Parse(FirmwareLog("3.3"));
    parser.UseSettings({.boardType = kBoardOemV, .fixLevel = 1});
    Parse(BestPos("NARROW_INT", "00"));
    EXPECT_EQ(state.solutionCode, kSolFixed);
}

TEST_F(BoardLogs, PositionTypesAndTheirDisplayTexts) {
    Parse(BestPos("WIDE_INT"));
    EXPECT_EQ(state.solutionCode, kSolWideInt);
    parser.UseSettings({.boardType = kBoardOemV, .fixLevel = 2});
    Parse(BestPos("WIDE_INT"));
    EXPECT_EQ(state.solutionCode, kSolFixed);

    Parse(BestPos("PSRDIFF"));
    EXPECT_EQ(state.solutionText, L"DGPS");
    Parse(BestPos("WAAS"));
    EXPECT_EQ(state.solutionCode, kSolWaas);
    Parse(BestPos("PPP"));
    EXPECT_EQ(state.solutionCode, kSolNfix);
    EXPECT_EQ(state.solutionText, L"NFIX");
    Parse(BestPos("FIXEDPOS"));
    EXPECT_EQ(state.solutionCode, kSolFixedPos);
    EXPECT_EQ(parser.SolutionStateText(state.solutionText), L"基站状态");
    EXPECT_EQ(parser.SolutionStateText(L"FIXEDHEIGHT"), L"固定解");
    EXPECT_EQ(parser.SolutionStateText(L"NFIX"), L"无效解");
    EXPECT_EQ(parser.SolutionStateText(L"DGPS"), L"差分解");
    EXPECT_EQ(parser.SolutionStateText(L"SINGLE"), L"单点解");
    EXPECT_EQ(parser.SolutionStateText(L"FLOAT"), L"浮点解");
    EXPECT_EQ(parser.SolutionStateText(L"WHATEVER"), L"");

    SetL1Option('6');
    Parse(BestPos("L1_INT"));
    EXPECT_EQ(state.solutionCode, kSolL1Int);
    EXPECT_EQ(parser.SolutionStateText(state.solutionText), L"单频固定解");
    Parse(BestPos("L1_FLOAT"));
    EXPECT_EQ(parser.SolutionStateText(state.solutionText), L"单频浮点解");
    SetL1Option('8');
    Parse(BestPos("L1_INT"));
    EXPECT_EQ(state.solutionCode, kSolFloat);
    EXPECT_EQ(parser.SolutionStateText(state.solutionText), L"浮点解");
}

TEST_F(BoardLogs, ReferenceStationLog) {
    ASSERT_EQ(
        Parse(BoardLine("REFSTATIONA,COM1,0,80.0,FINESTEERING,1364,496137.000,00100000,4e46,2310;00000000,"
                        "-1634532.443,-3664608.907,4942482.166,0,RTCAOBS2,\"AAAA\"")),
        1);
    EXPECT_EQ(type, kLineRefStation);
    EXPECT_DOUBLE_EQ(state.baseX, -1634532.443);
    EXPECT_DOUBLE_EQ(state.baseZ, 4942482.166);
    EXPECT_EQ(state.baseType, L"RTCAOBS2");
    EXPECT_EQ(state.baseId, L"AAAA");
    EXPECT_EQ(Parse(L"#REFSTATIONA,1,2,3*00000000"), 0);
}

TEST_F(BoardLogs, FirmwareVersionFieldIsReadWithoutItsQuotes) {
    ASSERT_EQ(Parse(BoardLine("VERSIONA,COM1,0,5.5,FINE,2180,1.0,0,3681,32768;1,GPSCARD,\"M\",\"S\",\"HW\","
                              "\"3.000A19\",\"x\"")),
              1);
    EXPECT_EQ(type, kLineVersionLog);
    EXPECT_DOUBLE_EQ(parser.FirmwareVersion(), 3.0);
}

TEST_F(BoardLogs, BasePositionReplies) {
    EXPECT_EQ(Parse(Nmea("JRTK,18,30.5,120.5,10.0")), 0);
    EXPECT_EQ(Parse(Nmea("JRTK,17,FAILED,120.5,10.0")), 0);
    EXPECT_EQ(Parse(Nmea("JRTK,9,30.5,120.5,10.0")), 0);
    // The reply is WGS-84, whatever the job's ellipsoid (which the parser never sees).
    ASSERT_EQ(Parse(Nmea("JRTK,17,30.5,120.5,10.0")), 1);
    double x, y, z;
    sim::GeodeticToCartesian(30.5, 120.5, 10.0, &x, &y, &z);
    EXPECT_NEAR(state.baseX, x, 1e-6);
    EXPECT_NEAR(state.baseZ, z, 1e-6);
    EXPECT_EQ(state.latitude, 0.0);

    state.baseX = 0;
    EXPECT_EQ(Parse(Nmea("PSBPQ,0,0,0,0000.0000,N,12030.0000,E,EHT10.0,0")), 0);
    EXPECT_EQ(state.baseX, 0.0);
    ASSERT_EQ(Parse(Nmea("PSBPQ,0,0,0,3330.0000,S,07030.0000,W,EHT12.5,0")), 1);
    EXPECT_EQ(type, kLineBpq);
    sim::GeodeticToCartesian(-33.5, -70.5, 12.5, &x, &y, &z);
    EXPECT_NEAR(state.baseX, x, 1e-6);
    EXPECT_NEAR(state.baseZ, z, 1e-6);
}
