// The received line read as its bytes: the one pass that checks a sentence or log and cuts its fields,
// the number readers on byte fields (against the platform's checked readers), and the line screening
// and naming of Parse, which must treat the bytes exactly as the wide text of the same line.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "platform/text/Numbers.h"
#include "receiver/CGpsParser.h"
#include "receiver/ReceiverProtocol.h"
#include "receiver/SentenceFields.h"

namespace {

// "$<body>*hh" with the right check.
std::string Framed(const std::string& body) {
    unsigned sum = 0;
    for (const char c : body) sum ^= static_cast<unsigned char>(c);
    char check[4];
    std::snprintf(check, sizeof check, "%02X", sum);
    return "$" + body + "*" + check;
}

std::string BoardLog(const std::string& body) {
    char check[12];
    std::snprintf(check, sizeof check, "%08x", CGpsParser::Crc32(body));
    return "#" + body + "*" + check;
}

// The kept fields joined with "|".
std::string Joined(const FieldViews& f) {
    std::string text;
    for (size_t i = 0; i < f.UpTo(FieldViews::kKept); ++i) text += (i ? "|" : "") + std::string(f[i]);
    return text;
}

CString Wide(const std::string& bytes) {
    std::wstring text;
    for (const char c : bytes) text += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return CString(text);
}

}  // namespace

TEST(LineBytes, ASentenceIsCheckedAndCutAtEveryComma) {
    const std::string forty = Framed("GPGSV" + std::string(39, ','));
    const struct {
        std::string line;
        bool taken;
        std::string fields;
        size_t count;
    } cases[] = {
        {Framed("GPGSA,A,3,,,"), true, "$GPGSA|A|3|||", 6},
        {Framed(""), true, "$", 1},
        {"junk" + Framed("GPZDA,1"), true, "$GPZDA|1", 2},   // from the first "$"
        {Framed("A$B,1"), true, "$A$B|1", 2},                // a later "$" is part of the sum
        {"$GPZDA,9*5d", true, "$GPZDA|9", 2},                // lower-case check digits
        {forty, true, "$GPGSV" + std::string(31, '|'), 40},  // counted past the kept fields
        {Framed("GPZDA,1") + "\r", false, "", 0},            // something after the check
        {Framed("GPZDA,1").substr(0, 10), false, "", 0},     // one check digit
        {"$GPZDA,9*5X", false, "", 0},
        {"$GPZDA,9*5C", false, "", 0},        // the wrong sum
        {"$GPZDA,9", false, "", 0},           // no "*"
        {"GPZDA,9*5D", false, "", 0},         // no "$"
        {Framed("GPZDA,1*2"), false, "", 0},  // a second "*" leaves more than two characters
    };
    for (const auto& c : cases) {
        FieldViews f;
        ASSERT_EQ(f.CutNmeaSentence(c.line), c.taken) << c.line;
        if (!c.taken) continue;
        EXPECT_EQ(Joined(f), c.fields) << c.line;
        EXPECT_EQ(f.Count(), c.count) << c.line;
    }
}

TEST(LineBytes, ABoardLogIsCheckedByItsCrcAndCutBeforeTheStar) {
    const std::string log = BoardLog("BESTPOSA,COM1,,\"A,B\"");
    const std::string upper = "#X*" + [] {
        char check[12];
        std::snprintf(check, sizeof check, "%08X", CGpsParser::Crc32(std::string_view("X")));
        return std::string(check);
    }();
    const struct {
        std::string line;
        bool taken;
        std::string fields;
    } cases[] = {
        {log, true, "#BESTPOSA|COM1||\"A|B\""},
        {"$" + log, true, "#BESTPOSA|COM1||\"A|B\""},
        {upper, true, "#X"},
        {log.substr(0, log.size() - 1), false, ""},  // seven check digits
        {log + "0", false, ""},
        {BoardLog("BESTPOSA,COM2").replace(1, 1, "C"), false, ""},
        {"BESTPOSA*00000000", false, ""},
    };
    for (const auto& c : cases) {
        FieldViews f;
        ASSERT_EQ(f.CutBoardLog(c.line), c.taken) << c.line;
        if (c.taken) {
            EXPECT_EQ(Joined(f), c.fields) << c.line;
        }
    }
    EXPECT_EQ(CGpsParser::Crc32(std::string_view("VERSIONA,COM1")), CGpsParser::Crc32(13, L"VERSIONA,COM1"));
}

TEST(LineBytes, ByteFieldsReadAsThePlatformsCheckedReadersReadThem) {
    const char* texts[] = {"0",
                           "2147483647",
                           "2147483648",
                           "-2147483648",
                           "-2147483649",
                           "+5",
                           "-",
                           "",
                           "1.",
                           ".5",
                           ".",
                           "-0.0",
                           "007",
                           "999999999999999",
                           "1234567890123456",
                           "0.1234567890123456789",
                           "1e308",
                           "1e309",
                           "1e-400",
                           "2E+3",
                           "1e",
                           "0x1A",
                           "nan",
                           "inf",
                           " 1",
                           "1 ",
                           "12abc",
                           "1.2.3",
                           "--1",
                           "+-1"};
    for (const char* text : texts) {
        const std::string bytes = text;
        const std::wstring wide(bytes.begin(), bytes.end());
        int wholeValue = 0;
        const bool whole = ReadWholeInt(wide, wholeValue);
        const std::optional<int> checked = CheckedInt(std::string_view(bytes));
        ASSERT_EQ(checked.has_value(), whole) << text;
        if (whole) {
            EXPECT_EQ(*checked, wholeValue) << text;
        }
        EXPECT_EQ(FieldInt(std::string_view(bytes)), ToInt(wide.c_str())) << text;
        double number = 0.0;
        const bool finite = ReadFiniteNumber(wide, number);
        const double read = FieldDouble(std::string_view(bytes));
        ASSERT_EQ(std::isnan(read), !finite) << text;
        if (finite) {
            EXPECT_EQ(read, number) << text;
            EXPECT_EQ(std::signbit(read), std::signbit(number)) << text;
        }
    }
}

TEST(LineBytes, BytesAndTheirWideTextAreScreenedAndNamedAlike) {
    const std::string zda = Framed("GPZDA,123456.00,08,03,2004,00,00");
    const std::string padded = std::string(kMaxLineChars - zda.size(), ' ') + zda;
    const struct {
        std::string line;
        int taken;
        int type;
    } cases[] = {
        {zda, 1, kLineZda},
        {padded, 1, kLineZda},         // the longest line taken
        {" " + padded, 0, kLineNone},  // one byte too long
        {zda + std::string(1, '\0'), 0, kLineNone},
        {"\x7F" + zda, 0, kLineNone},
        {"\x80" + zda, 0, kLineNone},  // a byte beyond ASCII: never printable text
        {"\xFF" + zda, 0, kLineNone},
        {Framed("GPZDA,123456.00,08,03,2004,00,GPGGA"), 0, kLineGga},  // the first name in order wins
        {Framed("GPZDA,123456.00,08,03,2004,00,GPGG"), 1, kLineZda},   // a name cut short is none
        {Framed("GPZDAX,123456.00,08,03,2004,00,00"), 1, kLineZda},
        {Framed("XGPZD,123456.00,08,03,2004,00,GPZDA"), 0, kLineZda},  // not in the first field
        {"GPZDA", 0, kLineZda},
        {"BPQ", 0, kLineBpq},  // the shortest name, at the line's end
        {"", 0, kLineNone},
    };
    for (const auto& c : cases) {
        CGpsParser bytesParser;
        CGpsParser wideParser;
        CGpsState bytesState;
        CGpsState wideState;
        int bytesType = -1;
        int wideType = -1;
        EXPECT_EQ(bytesParser.Parse(std::string_view(c.line), bytesState, bytesType), c.taken) << c.line;
        EXPECT_EQ(bytesType, c.type) << c.line;
        EXPECT_EQ(wideParser.Parse(Wide(c.line), wideState, wideType), c.taken) << c.line;
        EXPECT_EQ(wideType, c.type) << c.line;
    }
}

TEST(LineBytes, OnlyALineWithTheMarkAmongItsCharactersIsTheVersionReply) {
    EXPECT_TRUE(VersionReplyText("$GPXXX,QZ8123456789012,,*00").has_value());
    EXPECT_EQ(*VersionReplyText("x GPXXX"), L"x GPXXX");
    EXPECT_FALSE(VersionReplyText("$GPGGA,GPXX,X").has_value());
    // A lead byte takes the "G" into a two-byte character.
    EXPECT_FALSE(VersionReplyText("\x81GPXXX").has_value());
}

TEST(LineBytes, AnAngleIsCheckedAndReadInOneReadingAsTheThreeWideStepsDoIt) {
    const struct {
        const char* field;
        int degreeDigits;
        const char* hemisphere;
    } cases[] = {
        {"4807.0380", 2, "N"}, {"4807.0380", 2, "S"}, {"01131.0000", 3, "W"}, {"4859.9999", 2, "N"},
        {"4860.0000", 2, "N"}, {"4807", 2, "N"},      {"4807.", 2, ""},       {"807.038", 2, "N"},
        {"48070380", 2, "N"},  {"48a7.0380", 2, "N"}, {"", 2, "N"},           {"00000.0000", 3, "E"},
        {"4807.-380", 2, "N"}, {"9000.0000", 2, "S"},
    };
    for (const auto& c : cases) {
        const std::string bytes = c.field;
        const std::wstring wide(bytes.begin(), bytes.end());
        const std::string h = c.hemisphere;
        const std::wstring wideHemisphere(h.begin(), h.end());
        const bool taken = IsFixedNumber(std::wstring_view(wide), c.degreeDigits + 2) &&
                           IsNmeaMinutes(std::wstring_view(wide), c.degreeDigits);
        double degrees = 0.0;
        ASSERT_EQ(ReadNmeaAngle(bytes, c.degreeDigits, h, &degrees), taken) << c.field;
        if (!taken) continue;
        const double expected = NmeaAngle(std::wstring_view(wide), c.degreeDigits, wideHemisphere);
        if (std::isnan(expected)) {
            EXPECT_TRUE(std::isnan(degrees)) << c.field;
        } else {
            EXPECT_EQ(degrees, expected) << c.field;
        }
    }
}
