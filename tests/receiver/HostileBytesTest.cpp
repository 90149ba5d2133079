// Lines a damaged link or a faulty receiver can deliver: each is refused whole, and a refused line
// leaves the receiver state, the version values and the board type as they were.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "platform/text/Format.h"
#include "receiver/CGpsParser.h"
#include "receiver/ReceiverProtocol.h"
#include "receiver/SentenceFields.h"
#include "tests/receiver/SentenceHelpers.h"

namespace {

// The fields a parser writes, as one comparable text.
CString Snapshot(const CGpsState& s) {
    return Format(L"%.9f %.9f %.6f %.6f %d:%d:%d %d-%d-%d %.3f %.3f %.3f %d %d %d %d %.3f %.3f %.3f %s %s",
                  s.latitude, s.longitude, s.height, s.geoidSeparation, s.hour, s.minute, s.second, s.year,
                  s.month, s.day, s.pdop, s.rmsH, s.rmsV, s.gpsInView, s.gloInView, s.diffAge, s.solutionCode,
                  s.baseX, s.baseY, s.baseZ, s.solutionText, s.baseId);
}

CString WithNulAt(const CString& line, size_t at) {
    std::wstring text = line.str();
    text.insert(at, 1, L'\0');
    return CString(text);
}

std::string BestPos(const std::string& seconds, const std::string& latitude) {
    return "BESTPOSA,COM1,0,5.5,FINESTEERING,2180," + seconds + ",02400020,cdba,32768;SOL_COMPUTED,SINGLE," +
           latitude +
           ",-114.03068674478,1098.5042,-17.0000,WGS84,1.9497,1.2176,3.6853,\"\",3.500,0.000,24,18,18,0,00,,"
           "11,11";
}

class HostileBytes : public ::testing::Test {
protected:
    int Parse(const CString& line) { return parser.Parse(line, state, type); }

    CGpsParser parser{{.boardType = kBoardOemD}};
    CGpsState state;
    int type = -1;
};

const std::string kGga = "GPGGA,235959.50,4807.0380,N,01131.0000,E,4,09,1.2,592.3,M,46.9,M,2.7,0012";

}  // namespace

TEST_F(HostileBytes, RefusedLinesChangeNothing) {
    // A "*hh" sentence whose characters XOR to 0, to show non-hex check characters do not read as 0.
    const std::string zeroSum = "$GPZDA,123456.00,08,03,2004,4X,00";
    const CString refused[] = {
        WithNulAt(Nmea(kGga), 30),  // a NUL leaves the XOR alone
        Nmea(kGga) + L"\x01",
        L"\x7F" + Nmea(kGga),
        Nmea(kGga) + L"00",
        Wide(zeroSum + "*0Z"),
        Wide(zeroSum + "*Z0"),
        Wide(zeroSum + "*0"),
        L"$GPGST,080000.00,1.680,1.440,1.200,35.0,1.250,1.080,2.160*00",
        L"GPGST,080000.00,1.680,1.440,1.200,35.0,1.250,1.080,2.160",
        L"@@GPZDA,1e999,99,99,-99999",
        L"$JRTK,17,30.5,120.5,10.0",
        BoardLine("VERSIONA,COM1,0,5.5,FINE,2180,1.0,0,3681,32768;1,GPSCARD,\"M\",\"S\",\"HW\",\"3.2\"") +
            L"0",
        L"#VERSIONA,COM1,0,5.5,FINE,2180,1.0,0,3681,32768;1,GPSCARD,\"M\",\"S\",\"HW\",\"3.2\"*0",
        // Numbers beyond the double range.
        Nmea("GPGGA,120000.00,481e999,N,01131.0000,E,4,09,1.2,592.3,M,46.9,M,2.7,0012"),
        Nmea("GPGGA,120000.00,4807.0380,N,01131.0000,E,4,09,1.2,1e999,M,46.9,M,2.7,0012"),
        Nmea("GPGGA,120000.00,,,,,0,00,,,M,,M,1e999,0012"),
        Nmea("GPGSA,A,3,02,05,,,,,,,,,,,1e999,0.9,1.3"),
        Nmea("GNGSA,A,3,65,,,,,,,,,,,,1.6,-1e400,1.3"),
        Nmea("GPGST,080000.00,1.680,1.440,1.200,35.0,1e999,1.080,2.160"),
        Nmea("GPZDA,1e999,08,03,2004,00,00"),
        BoardLine(BestPos("407590.000", "1e999")),
        BoardLine("VERSIONA,COM1,0,5.5,FINE,2180,1.0,0,3681,32768;1,GPSCARD,\"M\",\"S\",\"HW\",\"1e999\""),
        BoardLine("REFSTATIONA,COM1,0,5.5,FINE,2180,1.0,0,3681,32768;0,1e999,2.0,3.0,0,RTCM,\"0001\""),
        Nmea("JRTK,17,30.5,1e999,10.0"),
        Nmea("PSBPQ,0,0,0,3330.0000,S,07030.0000,W,EHT1e999,0"),
        // Times and dates out of range.
        Nmea("GPGGA,240000.00,4807.0380,N,01131.0000,E,4,09,1.2,592.3,M,46.9,M,2.7,0012"),
        Nmea("GPGGA,236000.00,4807.0380,N,01131.0000,E,4,09,1.2,592.3,M,46.9,M,2.7,0012"),
        Nmea("GPGGA,235960.00,4807.0380,N,01131.0000,E,4,09,1.2,592.3,M,46.9,M,2.7,0012"),
        Nmea("GPGGA,-10000.00,4807.0380,N,01131.0000,E,4,09,1.2,592.3,M,46.9,M,2.7,0012"),
        Nmea("GPZDA,240000.00,08,03,2004,00,00"),
        Nmea("GPZDA,123456.00,00,03,2004,00,00"),
        Nmea("GPZDA,123456.00,32,03,2004,00,00"),
        Nmea("GPZDA,123456.00,08,00,2004,00,00"),
        Nmea("GPZDA,123456.00,08,13,2004,00,00"),
        Nmea("GPZDA,-99999,08,03,2004,00,00"),
        BoardLine(BestPos("-1.000", "51.15")),
        BoardLine(BestPos("604800.000", "51.15")),
        // Two dropped or doubled commas leave the XOR as it was; the field count or the name does not.
        Nmea("GPGGA,235959.50,4807.0380,N,01131.0000,E,4,09,1.2,592.3,M,46.9,M,2.70012"),
        Nmea("GPGGA,235959.50,4807.0380,N,01131.0000,E,4,09,1.2,592.3,M,46.9,M,2.7,0012,"),
        Nmea("GPGSA,A,3,02,05,,,,,,,,,,1.6,0.9,1.3"),
        Nmea("GPGSA,A,3,02,05,,,,,,,,,,,,,1.6,0.9,1.3"),
        Nmea("GPGSV,3,3,09,25,48,34046"),
        Nmea("GPGSV,3,3,09,25,48,340,46,,,"),
        Nmea("GLGSV3,2,10,73,06,174,74,05,132,,81,64,223,35,82,13,214,33,1"),
        Nmea("GPZDA,123456.00,08,03,2004,00"),
        Nmea("GPGST,080000.00,1.680,1.440,1.200,35.0,1.250,1.080,2.160,"),
        // Satellites in view below 0 or beyond two digits.
        Nmea("GPGSV,1,1,-5,05,41,130,45"),
        Nmea("GLGSV,1,1,100,65,41,130,45"),
    };
    state.gpsInView = 7;
    parser.UseSettings({.boardType = kBoardOemD, .timeZone = 3});
    parser.ParseVersion(Nmea("GPXXX,QZ8120382345678,V,B,A,OEM-D,GPRS,RADIO,0,BASE,ZH,3,,,,END"), state);
    const CGpsState before = state;
    Parse(FirmwareLog("3.3"));
    for (const CString& line : refused) {
        EXPECT_EQ(Parse(line), 0) << line.str().c_str();
        EXPECT_EQ(Snapshot(state), Snapshot(before)) << line.str().c_str();
        EXPECT_EQ(parser.FirmwareVersion(), 3.3);
    }
    EXPECT_EQ(Parse(Wide(zeroSum + "*00")), 1);
}

TEST_F(HostileBytes, BoundaryValuesAreTaken) {
    const struct {
        CString line;
        int hour;
    } taken[] = {
        {Nmea("GPGGA,235959.99,4807.0380,N,01131.0000,E,4,09,1.2,592.3,M,46.9,M,2.7,0012"), 23},
        {Nmea("GPGGA,000000.00,4807.0380,N,01131.0000,E,4,09,1.2,592.3,M,46.9,M,2.7,0012"), 0},
        {Nmea("GPGGA,,,,,,0,00,,,M,,M,,"), -1},
        {Nmea("GPZDA,235959.99,31,12,2004,00,00"), 23},
        {Nmea("GPZDA,000000.00,01,01,2004,00,00"), 0},
        {BoardLine(BestPos("604799.000", "51.15")), 23},
        {BoardLine(BestPos("0.000", "51.15")), 23},  // GPS time 18 s ahead: the day before in UTC
        {Nmea("GPGSV,25,1,99,05,41,130,45"), -1},
        {Nmea("GPGSV,1,1,0,05,41,130,45"), -1},
    };
    parser.UseSettings({.boardType = kBoardOemD, .timeZone = 0});
    for (const auto& c : taken) {
        state.hour = -1;
        EXPECT_EQ(Parse(c.line), 1) << c.line.str().c_str();
        EXPECT_EQ(state.hour, c.hour) << c.line.str().c_str();
    }
    EXPECT_EQ(state.gpsInView, 0);
}

TEST_F(HostileBytes, AnyTimeZoneWrapsWithoutOverflow) {
    // INT_MAX is 7 modulo 24, INT_MIN -8.
    const struct {
        int zone;
        int hour;
    } zones[] = {{INT_MAX, 6}, {INT_MIN, 15}, {-24, 23}, {24, 23}, {1, 0}};
    for (const auto& z : zones) {
        parser.UseSettings({.boardType = kBoardOemD, .timeZone = z.zone});
        ASSERT_EQ(Parse(Nmea(kGga)), 1);
        EXPECT_EQ(state.hour, z.hour) << z.zone;
        ASSERT_EQ(Parse(BoardLine(BestPos("86399.000", "51.15"))), 1);
        EXPECT_EQ(state.hour, z.hour) << z.zone;
    }
    parser.ParseVersion(Nmea("GPXXX,QZ8120382345678,V,B,A,OEM-D,GPRS,RADIO,0,BASE,ZH,3,,,,END"), state);
    parser.UseSettings({.boardType = kBoardOemD, .timeZone = INT_MIN});
    ASSERT_EQ(Parse(Nmea("GPGST,235959.00,1.680,1.440,1.200,35.0,1.250,1.080,2.160")), 1);
    EXPECT_EQ(state.hour, 15);
}

TEST_F(HostileBytes, LinesAreBoundedInLengthAndFields) {
    // The longest line the frame can hand over is taken; one more character is refused.
    std::string body = "GPGGA,235959.50,4807.0380,N,01131.0000,E,4,09,1.2,592.3,M,46.9,M,2.7,";
    body += std::string(kMaxLineChars - 4 - body.size(), '1');
    ASSERT_EQ(Nmea(body).GetLength(), kMaxLineChars);
    EXPECT_EQ(Parse(Nmea(body)), 1);
    EXPECT_EQ(Parse(Nmea(body + "1")), 0);

    // Ten megabytes of commas are refused before any field is split.
    const CString huge = Nmea("GPGSV,1,1,01" + std::string(10'000'000, ','));
    EXPECT_EQ(Parse(huge), 0);
    EXPECT_FALSE(parser.ParseVersion(huge, state));
    // Fields beyond the ones a sentence reads are not even split off.
    EXPECT_EQ(SplitFieldsUpTo(Wide(std::string(1000, ',')), L',', 20).size(), 20u);
}

TEST_F(HostileBytes, DamagedVersionReplyTellsNothing) {
    const CString reply = Nmea("GPXXX,QZ8120382345678,V,B,A,OEM-T,GPRS,RADIO,0,BASE,ZH,3,,,,END");
    CString damaged = reply;
    damaged.Replace(L"OEM-T", L"OEM-D");
    for (const CString& line : {damaged, WithNulAt(reply, 10), CString(L"GPXXX,QZ81203,V,B,A,OEM-T")}) {
        EXPECT_FALSE(parser.ParseVersion(line, state));
        EXPECT_TRUE(state.ident.text[0].IsEmpty());
    }
    const std::optional<VersionReport> told = parser.ParseVersion(reply, state);
    ASSERT_TRUE(told);
    EXPECT_EQ(told->board, kBoardOemT);
    EXPECT_EQ(told->baseFlag, 1);
}

// Well-formed lines with valid checks whose values no receiver on earth reports: each is refused
// whole; the neighbour just inside each bound is taken.
TEST_F(HostileBytes, ValuesBeyondTheEarthAreRefusedAndTheirNeighboursTaken) {
    const auto gga = [](const std::string& latitude, const std::string& longitude,
                        const std::string& height) {
        return Nmea("GPGGA,120000.00," + latitude + ",N," + longitude + ",E,4,09,1.2," + height +
                    ",M,46.9,M,2.7,0012");
    };
    const auto bestPos = [](const std::string& latitude, const std::string& longitude,
                            const std::string& height, const std::string& rmsH) {
        return BoardLine(
            "BESTPOSA,COM1,0,5.5,FINESTEERING,2180,407590.000,02400020,cdba,32768;SOL_COMPUTED,"
            "SINGLE," +
            latitude + "," + longitude + "," + height + ",-17.0000,WGS84," + rmsH +
            ",1.2176,3.6853,\"\",3.500,0.000,24,18,18,0,00,,11,11");
    };
    const auto refStation = [](const std::string& x, const std::string& y, const std::string& z) {
        return BoardLine("REFSTATIONA,COM1,0,5.5,FINE,2180,1.0,0,3681,32768;0," + x + "," + y + "," + z +
                         ",0,RTCM,\"0001\"");
    };
    const auto zda = [](const std::string& day, const std::string& month, const std::string& year) {
        return Nmea("GPZDA,123456.00," + day + "," + month + "," + year + ",00,00");
    };
    const struct {
        CString line;
        bool taken;
    } cases[] = {
        {bestPos("1e300", "113.2", "50.0", "1.0"), false},
        {bestPos("90.000001", "113.2", "50.0", "1.0"), false},
        {bestPos("-90", "113.2", "50.0", "1.0"), true},
        {bestPos("51.15", "400", "50.0", "1.0"), false},
        {bestPos("51.15", "-180.0000001", "50.0", "1.0"), false},
        {bestPos("51.15", "180", "50.0", "1.0"), true},
        {bestPos("51.15", "113.2", "100017.0", "1.0"), false},
        {bestPos("51.15", "113.2", "100016.9", "1.0"), true},
        {bestPos("51.15", "113.2", "50.0", "-0.001"), false},
        {bestPos("51.15", "113.2", "50.0", "0"), true},
        {gga("9959.9999", "01131.0000", "592.3"), false},
        {gga("9000.0001", "01131.0000", "592.3"), false},
        {gga("9000.0000", "01131.0000", "592.3"), true},
        {gga("4860.0000", "01131.0000", "592.3"), false},
        {gga("4859.9999", "01131.0000", "592.3"), true},
        {gga("4807.0380", "18000.0001", "592.3"), false},
        {gga("4807.0380", "17959.9999", "592.3"), true},
        {gga("4807.0380", "01160.0000", "592.3"), false},
        {gga("4807.0380", "01131.0000", "99953.0"), true},
        {gga("4807.0380", "01131.0000", "99953.2"), false},
        {refStation("1e300", "1e300", "1e300"), false},
        {refStation("-2327589.193", "5387652.126", "10000000"), false},
        // A base 5,000 km up passes the box; its height does not (-1 km to +10 km of the ellipsoid).
        {refStation("-2327589.193", "5387652.126", "9999999.999"), false},
        {refStation("-2327589.193", "5387652.126", "2489549.000"), true},
        {refStation("-2327589.193", "5387652.126", "-6400000"), false},
        {refStation("-6378137", "0", "0"), true},
        {refStation("-6388137", "0", "0"), true},
        {refStation("-6388138", "0", "0"), false},
        {refStation("-6377137", "0", "0"), true},
        {refStation("-6377136", "0", "0"), false},
        {Nmea("JRTK,17,91.0,120.5,10.0"), false},
        {Nmea("JRTK,17,30.5,-180.5,10.0"), false},
        {Nmea("JRTK,17,30.5,120.5,-1000.001"), false},
        {Nmea("JRTK,17,30.5,120.5,-1000"), true},
        {Nmea("JRTK,17,30.5,120.5,10000"), true},
        {Nmea("JRTK,17,30.5,120.5,10000.001"), false},
        {Nmea("PSBPQ,0,0,0,3330.0000,S,07030.0000,W,EHT10000.1,0"), false},
        {Nmea("PSBPQ,0,0,0,3360.0000,S,07030.0000,W,EHT10.0,0"), false},
        {Nmea("PSBPQ,0,0,0,3330.0000,S,07030.0000,W,EHT10.0,0"), true},
        {zda("31", "02", "2026"), false},
        {zda("29", "02", "2003"), false},
        {zda("29", "02", "1900"), false},
        {zda("29", "02", "2004"), true},
        {zda("29", "02", "2000"), true},
        {zda("31", "04", "2026"), false},
        {zda("30", "04", "2026"), true},
        {zda("01", "01", "1979"), false},
        {Nmea("GPGSA,A,3,02,05,,,,,,,,,,,-1.6,0.9,1.3"), false},
        {Nmea("GPGSA,A,3,02,05,,,,,,,,,,,0.0,0.9,1.3"), false},
        {Nmea("GPGSA,A,3,02,05,,,,,,,,,,,0.1,0.9,1.3"), true},
        {Nmea("GPGST,080000.00,1.680,1.440,1.200,35.0,-0.001,1.080,2.160"), false},
        {Nmea("GPGST,080000.00,1.680,1.440,1.200,35.0,1.250,1.080,-2.160"), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.str().c_str());
        state = CGpsState{};
        state.solutionText = L"before";
        const CGpsState before = state;
        EXPECT_EQ(Parse(c.line), c.taken ? 1 : 0);
        if (!c.taken) {
            EXPECT_EQ(Snapshot(state), Snapshot(before));
        }
    }
}

namespace {
// The first `count` comma-separated fields of `body`.
std::string FirstFields(const std::string& body, size_t count) {
    size_t end = 0;
    for (size_t i = 0; i < count && end != std::string::npos; ++i) end = body.find(',', end + (i ? 1 : 0));
    return end == std::string::npos ? body : body.substr(0, end);
}
}  // namespace

// Every sentence and log the parser decodes, cut to one field fewer than it needs (refused), to just
// the fields it needs (taken), and where it has a most, to that many (taken) and one more (refused).
TEST_F(HostileBytes, EachSentenceAtTheEdgesOfItsFieldCount) {
    struct Row {
        const char* name;
        bool boardLog;
        std::string body;  // holds at least `most` fields, or more than `least` when there is no most
        size_t least;
        size_t most;  // 0: no most
    };
    const Row rows[] = {
        {"BESTPOS", true, BestPos("407590.000", "51.15"), 21, 0},
        {"REFSTATION", true,
         "REFSTATIONA,COM1,0,5.5,FINE,2180,1.0,0,3681,32768;0,-2327589.193,5387652.126,2489549.000,0,RTCM,"
         "\"0001\"",
         13, 0},
        {"VERSIONA", true,
         "VERSIONA,COM1,0,5.5,FINE,2180,1.0,0,3681,32768;1,GPSCARD,\"M\",\"S\",\"HW\",\"3.2\",\"B\"", 15, 0},
        {"GPGGA", false, kGga, 15, 15},
        {"GPGSA", false, "GPGSA,A,3,02,05,,,,,,,,,,,1.6,0.9,1.3,1", 18, 19},
        {"GNGSA", false, "GNGSA,A,3,65,,,,,,,,,,,,1.6,0.9,1.3,2", 18, 19},
        {"GPGST", false, "GPGST,080000.00,1.680,1.440,1.200,35.0,1.250,1.080,2.160", 9, 9},
        {"GNGST", false, "GNGST,080000.00,1.680,1.440,1.200,35.0,1.250,1.080,2.160", 9, 9},
        {"GPGSV", false, "GPGSV,3,1,12,05,41,130,45,07,12,300,30,09,60,045,50,13,33,210,40,1", 4, 21},
        {"GLGSV", false, "GLGSV,3,1,10,65,41,130,45,66,12,300,30,73,60,045,50,74,33,210,40,1", 4, 21},
        {"GPZDA", false, "GPZDA,123456.00,08,03,2004,00,00", 7, 7},
        {"JRTK", false, "JRTK,17,30.5,120.5,10.0,1", 5, 0},
        {"BPQ", false, "PSBPQ,0,0,0,3330.0000,S,07030.0000,W,EHT12.5,0", 9, 0},
    };
    parser.ParseVersion(Nmea("GPXXX,QZ8120382345678,V,B,A,OEM-D,GPRS,RADIO,0,BASE,ZH,3,,,,END"), state);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const auto line = [&](const std::string& body) { return r.boardLog ? BoardLine(body) : Nmea(body); };
        EXPECT_EQ(Parse(line(FirstFields(r.body, r.least - 1))), 0);
        EXPECT_EQ(Parse(line(FirstFields(r.body, r.least))), 1);
        if (r.most == 0) {
            EXPECT_EQ(Parse(line(r.body)), 1);
            continue;
        }
        EXPECT_EQ(Parse(line(FirstFields(r.body, r.most))), 1);
        EXPECT_EQ(Parse(line(FirstFields(r.body, r.most) + ",")), 0);
    }
}
