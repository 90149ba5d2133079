// Values no receiver sends are refused on both kinds of board (the NMEA sentences' and the board's own
// logs'), and the times of both come out on one scale: UTC plus the zone, with each line's own UTC time
// beside it for the fix's age.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "receiver/CGpsParser.h"
#include "tests/receiver/SentenceHelpers.h"

namespace {

constexpr int kBoards[] = {kBoardOemD, kBoardOemV};

std::string Gsa(const std::string& dops) {
    return "GPGSA,A,3,02,05,,,,,,,,,,," + dops;
}

std::string BestPos(int week, const std::string& seconds) {
    return "BESTPOSA,COM1,0,5.5,FINESTEERING," + std::to_string(week) + "," + seconds +
           ",02400020,cdba,32768;SOL_COMPUTED,NARROW_INT,51.15044625442,-114.03068674478,1098.5042,-17.0000,"
           "WGS84,1.9497,1.2176,3.6853,\"\",3.500,0.000,24,18,18,0,00,01,11,11";
}

}  // namespace

// A GSA whose DOPs no DOP field holds, or whose field count or system is not one the receivers send,
// is refused on both boards: the DOPs stay as they were.
TEST(ReceiverValues, GsaDopsAndSystemsBeyondWhatReceiversSendAreRefused) {
    const struct {
        std::string body;
        bool taken;
        double pdop;  // once taken
    } rows[] = {
        {Gsa("99.99,0.9,1.3"), true, 99.99},  // two digits before the point: the most a DOP holds
        {Gsa("100,0.9,1.3"), false, 0},
        {Gsa("1e308,0.9,1.3"), false, 0},
        {Gsa("1.6,100.0,1.3"), false, 0},
        {Gsa("1.6,0.9,1e3"), false, 0},
        {Gsa("1.6,0.9,1.3,1"), true, 1.6},  // NMEA 4.1's system: one hex digit, 1 (GPS) to F
        {Gsa("1.6,0.9,1.3,F"), true, 1.6},
        {Gsa("1.6,0.9,1.3,0"), false, 0},
        {Gsa("1.6,0.9,1.3,G"), false, 0},
        {Gsa("1.6,0.9,1.3,10"), false, 0},
        {Gsa("1.6,0.9,1.3,"), false, 0},
        {Gsa("9.9,1.6,0.9,1.3"), false, 0},  // a field inserted before the PDOP: the system reads "1.3"
        {Gsa("1.6,0.9,1.3,1,1"), false, 0},  // 20 fields
    };
    for (const int board : kBoards) {
        for (const auto& row : rows) {
            SCOPED_TRACE("board " + std::to_string(board) + ": " + row.body);
            CGpsParser parser({.boardType = board});
            CGpsState state;
            state.pdop = 7.0;
            int type = 0;
            EXPECT_EQ(parser.Parse(Nmea(row.body), state, type), row.taken ? 1 : 0);
            EXPECT_DOUBLE_EQ(state.pdop, row.taken ? row.pdop : 7.0);
        }
    }
}

TEST(ReceiverValues, AGgaHdopBeyondTwoDigitsIsRefused) {
    const std::string head = "GPGGA,030000.00,3014.5000,N,12010.3000,E,4,09,";
    CGpsParser parser({.boardType = kBoardOemD});
    CGpsState state;
    int type = 0;
    EXPECT_EQ(parser.Parse(Nmea(head + "99.99,10.000,M,5.000,M,2.7,0012"), state, type), 1);
    EXPECT_EQ(parser.Parse(Nmea(head + "100.0,10.000,M,5.000,M,2.7,0012"), state, type), 0);
}

// The log's GPS time runs ahead of UTC by the leap seconds of its date (none in 1980, 18 since 2017):
// it comes out as the sentences' times do, on both boards.
TEST(ReceiverValues, ThePositionLogsGpsTimeComesOutAsUtcPlusTheZone) {
    const struct {
        int week;
        const char* seconds;
        int hour, minute, second;  // UTC plus 8 hours
        uint32_t utcMs;
    } rows[] = {
        {0, "3600.000", 9, 0, 0, 3600000},          // 1980
        {1850, "3616.000", 9, 0, 0, 3600000},       // 2015: 16 s
        {1930, "3618.250", 9, 0, 0, 3600250},       // 2017: 18 s
        {2180, "3618.000", 9, 0, 0, 3600000},       // 2021
        {2180, "17.999", 7, 59, 59, 86399999},      // the day before in UTC
        {2180, "604799.000", 7, 59, 41, 86381000},  // the week's last second
    };
    for (const int board : kBoards) {
        for (const auto& row : rows) {
            SCOPED_TRACE("board " + std::to_string(board) + ", week " + std::to_string(row.week) + " " +
                         row.seconds);
            CGpsParser parser({.boardType = board});
            CGpsState state;
            int type = 0;
            ASSERT_EQ(parser.Parse(BoardLine(BestPos(row.week, row.seconds)), state, type), 1);
            EXPECT_EQ(state.hour, row.hour);
            EXPECT_EQ(state.minute, row.minute);
            EXPECT_EQ(state.second, row.second);
            EXPECT_EQ(parser.LineUtcMs(), row.utcMs);
        }
    }
}

// Each line that carries the receiver's time hands it over as a UTC time of day in ms; the others none.
TEST(ReceiverValues, EachLineGivesItsOwnUtcTime) {
    const std::string gga = "GPGGA,235959.50,3014.5000,N,12010.3000,E,4,09,1.2,10.000,M,5.000,M,2.7,0012";
    CGpsParser nmea({.boardType = kBoardOemD});
    CGpsParser logs({.boardType = kBoardOemV});
    CGpsState state;
    int type = 0;
    ASSERT_EQ(nmea.Parse(Nmea(gga), state, type), 1);
    EXPECT_EQ(nmea.LineUtcMs(), 86399500u);
    // The board of the position log takes the GGA unread: it gives no time.
    ASSERT_EQ(logs.Parse(Nmea(gga), state, type), 1);
    EXPECT_EQ(logs.LineUtcMs(), std::nullopt);
    for (CGpsParser* parser : {&nmea, &logs}) {
        ASSERT_EQ(parser->Parse(Nmea("GPZDA,000000.01,08,03,2004,00,00"), state, type), 1);
        EXPECT_EQ(parser->LineUtcMs(), 10u);
        ASSERT_EQ(parser->Parse(Nmea(Gsa("1.6,0.9,1.3")), state, type), 1);
        EXPECT_EQ(parser->LineUtcMs(), std::nullopt);
    }
}
