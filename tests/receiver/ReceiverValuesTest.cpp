// Values no receiver sends are refused on both kinds of board (the NMEA sentences' and the board's own
// logs'), and the times of both come out on one scale: UTC plus the zone, with each line's own UTC time
// beside it for the fix's age.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>

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

// A GSA is refused only in a form no receiver sends: DOPs no DOP field holds (a sign, an exponent,
// four digits before the point), a field count or a system the receivers never send, or a system after
// DOPs of a three-dimensional fix that do not fit each other (PDOP^2 = HDOP^2 + VDOP^2), as when a field
// inserted before them shifts them. Geometry worse than 100 is real and taken. A refused GSA changes
// nothing: the last good satellites and DOPs stand. On both boards, for both talkers.
TEST(ReceiverValues, AGsaIsRefusedOnlyInAFormNoReceiverSendsAndThenLeavesTheLastGeometry) {
    const struct {
        std::string dops;  // the fields from the PDOP on
        bool taken;
        double pdop;  // once taken
    } rows[] = {
        {"99.99,0.9,1.3", true, 99.99},
        {"120.0,0.9,1.3", true, 120.0},  // real geometry that bad: the quality step bounds it
        {"999.99,0.9,1.3", true, 999.99},
        {"1000,0.9,1.3", false, 0},
        {"1e308,0.9,1.3", false, 0},
        {"1e2,0.9,1.3", false, 0},  // an exponent, though its value is one a DOP holds
        {"+1.6,0.9,1.3", false, 0},
        {"1.6,100.0,1.3", true, 1.6},  // without a system the DOPs are not compared
        {"1.6,0.9,1.3,1", true, 1.6},  // NMEA 4.1's system: one hex digit, 1 (GPS) to F
        {"1.6,0.9,1.3,F", true, 1.6},
        {"1.6,0.9,1.3,0", false, 0},
        {"1.6,0.9,1.3,G", false, 0},
        {"1.6,0.9,1.3,10", false, 0},
        {"1.6,0.9,1.3,", false, 0},
        {"9.9,1.6,0.9,1.3", false, 0},  // a field inserted before the PDOP: the system reads "1.3"
        {"1.6,0.9,1.3,1,1", false, 0},  // 20 fields
        // A field inserted before the PDOP whose VDOP reads as a system: the DOPs do not fit.
        {"9.9,1.6,0.9,1", false, 0},
        {"1.0,1.6,0.9,1", false, 0},
        {"1.05,0.64,0.83,1", true, 1.05},  // as a receiver writes them, rounded
        {"4.98,4.87,1.00,2", true, 4.98},
        {"2,1,2,3", true, 2.0},                // whole numbers: off by up to 1
        {"120.0,80.0,90.0,1", true, 120.0},    // 120.4
        {"99.99,60.00,99.99,1", true, 99.99},  // a PDOP capped below the root sum of squares
    };
    const std::string heads[] = {"GPGSA,A,3,02,05,,,,,,,,,,,", "GNGSA,A,3,65,70,,,,,,,,,,,"};
    for (const int board : kBoards) {
        for (const std::string& head : heads) {
            for (const auto& row : rows) {
                SCOPED_TRACE("board " + std::to_string(board) + ": " + head + row.dops);
                CGpsParser parser({.boardType = board});
                CGpsState state;
                int type = 0;
                ASSERT_EQ(parser.Parse(Nmea("GPGSA,A,3,02,05,07,,,,,,,,,,1.6,0.9,1.3"), state, type), 1);
                ASSERT_EQ(parser.Parse(Nmea("GNGSA,A,3,65,70,,,,,,,,,,,1.6,0.9,1.3"), state, type), 1);
                EXPECT_EQ(parser.Parse(Nmea(head + row.dops), state, type), row.taken ? 1 : 0);
                EXPECT_DOUBLE_EQ(state.pdop, row.taken ? row.pdop : 1.6);
                EXPECT_EQ(state.gpsUsedCount, row.taken && head[1] == 'P' ? 2 : 3);
                EXPECT_EQ(state.gloUsedCount, 2);
                if (!row.taken) {
                    EXPECT_EQ(std::make_pair(state.hdop, state.vdop), std::make_pair(0.9, 1.3));
                }
            }
        }
    }
}

// Three-dimensional fixes' DOPs as real receivers wrote them, with and without a system, all fit.
TEST(ReceiverValues, TheDopsOfEveryCapturedGsaFit) {
    const std::filesystem::path folder = std::filesystem::path(QZ_SOURCE_DIR) / "../shared/testdata/nmea";
    if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no captures at " << folder;
    int taken = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".log") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.rfind("$GPGSA,A,3,", 0) != 0 && line.rfind("$GNGSA,A,3,", 0) != 0) continue;
            CGpsParser parser({.boardType = kBoardOemD});
            CGpsState state;
            int type = 0;
            EXPECT_EQ(parser.Parse(line, state, type), 1) << entry.path().filename() << ": " << line;
            ++taken;
        }
    }
    EXPECT_GT(taken, 100);
}

// A GGA's HDOP is a DOP field as the GSA's are: geometry worse than 100 is taken, forms no receiver
// sends are refused with the whole line.
TEST(ReceiverValues, AGgaHdopIsReadAsTheGsaDopsAre) {
    const std::string head = "GPGGA,030000.00,3014.5000,N,12010.3000,E,4,09,";
    const struct {
        const char* hdop;
        bool taken;
    } rows[] = {
        {"99.99", true}, {"120.0", true}, {"999.99", true}, {"1000.0", false}, {"1e2", false},
    };
    for (const auto& row : rows) {
        CGpsParser parser({.boardType = kBoardOemD});
        CGpsState state;
        int type = 0;
        EXPECT_EQ(parser.Parse(Nmea(head + row.hdop + ",10.000,M,5.000,M,2.7,0012"), state, type),
                  row.taken ? 1 : 0)
            << row.hdop;
    }
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
