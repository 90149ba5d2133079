// Every numeric field the parser uses, in a line with a valid check, replaced in turn by text that is
// no number (and by a number out of its range): the line is refused whole and the state stays as it
// was, a refused GSA's satellites and DOPs too. Each template itself is taken, so a refusal is the
// field's doing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text/Format.h"
#include "receiver/CGpsParser.h"
#include "receiver/ReceiverProtocol.h"
#include "tests/receiver/SentenceHelpers.h"

namespace {

enum class Framing { kNmea, kBoardLog };

struct HostileField {
    int board;
    Framing framing;
    const char* body;  // fields split at ',' as the parser splits them
    size_t field;
    bool emptyAllowed;       // the protocol leaves this field empty when it has no value
    const char* prefix;      // kept before the value ("EHT")
    const char* outOfRange;  // a number no receiver reports here; null when every number fits
    // A version ("3.000A19") is read from its leading number: only text that starts with none is hostile.
    bool leadingNumber = false;
};

constexpr const char* kGga = "GPGGA,235959.50,4807.0380,N,01131.0000,E,4,09,1.2,592.3,M,46.9,M,2.7,0012";
constexpr const char* kGsa = "GPGSA,A,3,02,05,,,,,,,,,,,1.6,0.9,1.3";
constexpr const char* kGsv = "GPGSV,3,1,09,05,41,130,45,06,22,210,40";
constexpr const char* kGst = "GPGST,080000.00,1.680,1.440,1.200,35.0,1.250,1.080,2.160";
constexpr const char* kZda = "GPZDA,123456.00,08,03,2004,00,00";
constexpr const char* kBestPos =
    "BESTPOSA,COM1,0,5.5,FINESTEERING,2180,407590.000,02400020,cdba,32768;SOL_COMPUTED,SINGLE,51.15,"
    "-114.03068674478,1098.5042,-17.0000,WGS84,1.9497,1.2176,3.6853,\"\",3.500,0.000,24,18,18,0,00,,11,11";
constexpr const char* kRefStation =
    "REFSTATIONA,COM1,0,5.5,FINE,2180,1.0,0,3681,32768;0,-2327589.193,5387652.126,2489549.000,0,RTCM,"
    "\"0001\"";
constexpr const char* kVersionLog =
    "VERSIONA,COM1,0,5.5,FINE,2180,1.0,0,3681,32768;1,GPSCARD,\"M\",\"S\",\"HW\",3.300";
constexpr const char* kJrtk = "JRTK,17,30.5,120.5,10.0";
constexpr const char* kBpq = "PSBPQ,0,0,0,3330.0000,S,07030.0000,W,EHT10.0,0";

constexpr int kNmeaBoard = kBoardOemD;
constexpr int kLogBoard = kBoardOemV;

const HostileField kFields[] = {
    {kNmeaBoard, Framing::kNmea, kGga, 1, true, "", "240000.00"},
    {kNmeaBoard, Framing::kNmea, kGga, 2, false, "", "9100.0000"},
    {kNmeaBoard, Framing::kNmea, kGga, 4, false, "", "18100.0000"},
    {kNmeaBoard, Framing::kNmea, kGga, 6, false, "", "9"},
    {kNmeaBoard, Framing::kNmea, kGga, 8, true, "", "-1.2"},
    {kNmeaBoard, Framing::kNmea, kGga, 9, false, "", "100000"},
    {kNmeaBoard, Framing::kNmea, kGga, 11, true, "", "100000"},
    {kNmeaBoard, Framing::kNmea, kGga, 13, true, "", "-1"},
    {kNmeaBoard, Framing::kNmea, kGsa, 2, false, "", "4"},
    {kNmeaBoard, Framing::kNmea, kGsa, 3, true, "", "1000"},
    {kNmeaBoard, Framing::kNmea, kGsa, 4, true, "", "-1"},  // not the mark of an empty field
    {kNmeaBoard, Framing::kNmea, kGsa, 15, false, "", "0"},
    {kNmeaBoard, Framing::kNmea, kGsa, 16, false, "", "-0.9"},
    {kNmeaBoard, Framing::kNmea, kGsa, 17, false, "", "0.0"},
    {kNmeaBoard, Framing::kNmea, kGsv, 2, false, "", "0"},
    {kNmeaBoard, Framing::kNmea, kGsv, 3, false, "", "100"},
    {kNmeaBoard, Framing::kNmea, kGsv, 4, true, "", "1000"},
    {kNmeaBoard, Framing::kNmea, kGsv, 5, true, "", "91"},
    {kNmeaBoard, Framing::kNmea, kGsv, 6, true, "", "361"},
    {kNmeaBoard, Framing::kNmea, kGsv, 11, true, "", "100"},
    {kBoardOemT, Framing::kNmea, kGsv, 2, false, "", "0"},
    {kBoardOemT, Framing::kNmea, kGsv, 8, true, "", "-1"},
    {kBoardOemT, Framing::kNmea, kGsv, 10, true, "", "-1"},
    {kNmeaBoard, Framing::kNmea, kGst, 6, false, "", "-0.001"},
    {kNmeaBoard, Framing::kNmea, kGst, 8, false, "", "-2.16"},
    {kNmeaBoard, Framing::kNmea, kZda, 1, false, "", "240000.00"},
    {kNmeaBoard, Framing::kNmea, kZda, 2, false, "", "32"},
    {kNmeaBoard, Framing::kNmea, kZda, 3, false, "", "13"},
    {kNmeaBoard, Framing::kNmea, kZda, 4, false, "", "1979"},
    {kLogBoard, Framing::kBoardLog, kBestPos, 6, false, "", "604800"},
    {kLogBoard, Framing::kBoardLog, kBestPos, 11, false, "", "90.5"},
    {kLogBoard, Framing::kBoardLog, kBestPos, 12, false, "", "-180.5"},
    {kLogBoard, Framing::kBoardLog, kBestPos, 13, false, "", "100100"},
    {kLogBoard, Framing::kBoardLog, kBestPos, 14, false, "", "-100000"},
    {kLogBoard, Framing::kBoardLog, kBestPos, 16, false, "", "-1.9"},
    {kLogBoard, Framing::kBoardLog, kBestPos, 18, false, "", "-3.6"},
    {kLogBoard, Framing::kBoardLog, kBestPos, 20, false, "", "-3.5"},
    {kLogBoard, Framing::kBoardLog, kRefStation, 10, false, "", "-9999999"},
    {kLogBoard, Framing::kBoardLog, kRefStation, 11, false, "", "9999999"},
    {kLogBoard, Framing::kBoardLog, kRefStation, 12, false, "", "9999999"},
    {kLogBoard, Framing::kBoardLog, kVersionLog, 14, false, "", nullptr, true},
    {kBoardEclipse, Framing::kNmea, kJrtk, 2, false, "", "90.5"},
    {kBoardEclipse, Framing::kNmea, kJrtk, 3, false, "", "180.5"},
    {kBoardEclipse, Framing::kNmea, kJrtk, 4, false, "", "10000.5"},
    {kBoardEclipse, Framing::kNmea, kBpq, 4, false, "", "3360.0000"},
    {kBoardEclipse, Framing::kNmea, kBpq, 6, false, "", "18060.0000"},
    {kBoardEclipse, Framing::kNmea, kBpq, 8, false, "EHT", "-1000.5"},
};

// Text that is no number, each of which the device's own reading takes as 0 or as its leading digits.
const std::vector<std::string> kNotNumbers = {"abc", "nan", "NaN", "inf", "-inf", "1e999", "12abc", "0x1A",
                                              " 5",  "5 ",  "+",   ".",   "-",    "1e",    "--1"};

std::string WithField(const std::string& body, size_t index, const std::string& value) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t comma; (comma = body.find(',', start)) != std::string::npos; start = comma + 1)
        fields.push_back(body.substr(start, comma - start));
    fields.push_back(body.substr(start));
    fields.at(index) = value;
    std::string out = fields[0];
    for (size_t i = 1; i < fields.size(); ++i) out += "," + fields[i];
    return out;
}

CString Framed(Framing framing, const std::string& body) {
    return framing == Framing::kNmea ? Nmea(body) : BoardLine(body);
}

CString Snapshot(const CGpsState& s) {
    return Format(
        L"%.9f %.9f %.6f %.6f %d:%d:%d %d-%d-%d %.3f %.3f %.3f %.3f %.3f %d %d %d %d %.3f %.3f %.3f %s "
        L"%s %d %d %d %d",
        s.latitude, s.longitude, s.height, s.geoidSeparation, s.hour, s.minute, s.second, s.year, s.month,
        s.day, s.pdop, s.hdop, s.vdop, s.rmsH, s.rmsV, s.gpsInView, s.gloInView, s.diffAge, s.solutionCode,
        s.baseX, s.baseY, s.baseZ, s.solutionText, s.baseId, s.gpsUsedCount, s.gpsSatellites[0].number,
        s.gpsSatellites[0].elevation, s.gpsSatellites[1].signal);
}

}  // namespace

TEST(HostileNumbers, EveryNumericFieldRefusesTextEmptinessAndValuesOutOfRange) {
    int tried = 0;
    int refused = 0;
    for (const HostileField& h : kFields) {
        CGpsParser parser({.boardType = h.board, .baseFlag = 0, .timeZone = 0});
        CGpsState state;
        int type = 0;
        SCOPED_TRACE(std::string(h.body) + " field " + std::to_string(h.field));
        ASSERT_EQ(parser.Parse(Framed(h.framing, h.body), state, type), 1);
        const double version = parser.FirmwareVersion();

        std::vector<std::string> hostile;
        for (const std::string& value : kNotNumbers)
            if (!h.leadingNumber || !(value[0] >= '0' && value[0] <= '9')) hostile.push_back(value);
        if (!h.emptyAllowed) hostile.push_back("");
        if (h.outOfRange) hostile.push_back(h.outOfRange);
        for (const std::string& value : hostile) {
            const CString line = Framed(h.framing, WithField(h.body, h.field, h.prefix + value));
            const CGpsState before = state;
            ++tried;
            const int result = parser.Parse(line, state, type);
            refused += result == 0 ? 1 : 0;
            EXPECT_EQ(result, 0) << line.str().c_str();
            EXPECT_EQ(Snapshot(state), Snapshot(before)) << line.str().c_str();
            EXPECT_EQ(parser.FirmwareVersion(), version) << line.str().c_str();
        }
    }
    EXPECT_EQ(refused, tried);
    ::testing::Test::RecordProperty("hostile_refused", refused);
    ::testing::Test::RecordProperty("hostile_tried", tried);
}

TEST(HostileNumbers, EmptyFieldsThatMeanNoValueAreTaken) {
    const struct {
        int board;
        const char* body;
    } taken[] = {
        {kNmeaBoard, "GPGGA,,,,,,0,00,,,M,,M,,"},
        {kNmeaBoard, "GPGGA,112257.00,3844.24011,N,00908.43828,W,1,05,10.5,120.0,M,,M,,"},
        {kNmeaBoard, "GNGSA,A,1,,,,,,,,,,,,,,,"},
        {kNmeaBoard, "GPGSA,A,2,10,13,23,,,,,,,,,,10.5,10.5,"},
        {kNmeaBoard, "GPGSV,3,3,09,25,,,"},
        {kBoardOemT, "GPGSV,3,3,09,25,,,"},
    };
    for (const auto& t : taken) {
        CGpsParser parser({.boardType = t.board});
        CGpsState state;
        int type = 0;
        EXPECT_EQ(parser.Parse(Nmea(t.body), state, type), 1) << t.body;
    }
}

TEST(HostileNumbers, AVersionReplyWithDimensionsThatAreNoNumbersIsRefused) {
    const std::string head = "GPXXX,QZ8120382345678,V,B,A,OEM-D,GPRS,RADIO,0,BASE,ZH,3,";
    for (const char* dimensions :
         {"1200,100,abc", "nan,100,880", "1200,,880", "1200,100,-5", "1200,100,1e9"}) {
        CGpsParser parser;
        CGpsState state;
        EXPECT_FALSE(parser.ParseVersion(Nmea(head + dimensions + ",END"), state)) << dimensions;
        EXPECT_TRUE(state.ident.text[0].IsEmpty()) << dimensions;
    }
    CGpsParser parser;
    CGpsState state;
    EXPECT_TRUE(parser.ParseVersion(Nmea(head + "1200,100,880,END"), state));
}
