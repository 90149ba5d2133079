#include "platform/text/Numbers.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

#include "tests/platform/text/DecimalCommaLocale.h"

TEST(Numbers, ToIntReadsTheLeadingInteger) {
    EXPECT_EQ(ToInt(L"42"), 42);
    EXPECT_EQ(ToInt(L"  -17abc"), -17);
    EXPECT_EQ(ToInt(L"\t+8"), 8);
    EXPECT_EQ(ToInt(L"3.9"), 3);
    EXPECT_EQ(ToInt(L"abc"), 0);
    EXPECT_EQ(ToInt(L"- 5"), 0);
    EXPECT_EQ(ToInt(L""), 0);
    EXPECT_EQ(ToInt(nullptr), 0);
}

TEST(Numbers, ToIntSaturatesOnOverflow) {
    EXPECT_EQ(ToInt(L"2147483647"), 2147483647);
    EXPECT_EQ(ToInt(L"-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ToInt(L"99999999999999999999"), 2147483647);
    EXPECT_EQ(ToInt(L"-99999999999999999999"), -2147483647 - 1);
}

TEST(Numbers, ToDoubleReadsTheLeadingDecimalNumber) {
    EXPECT_DOUBLE_EQ(ToDouble(L"3500000.1234"), 3500000.1234);
    EXPECT_DOUBLE_EQ(ToDouble(L" -12.5m"), -12.5);
    EXPECT_DOUBLE_EQ(ToDouble(L".5"), 0.5);
    EXPECT_DOUBLE_EQ(ToDouble(L"7."), 7.0);
    EXPECT_DOUBLE_EQ(ToDouble(L"3e-2,"), 0.03);
    EXPECT_DOUBLE_EQ(ToDouble(L"2E+3"), 2000.0);
    EXPECT_DOUBLE_EQ(ToDouble(L"4e"), 4.0);
    EXPECT_DOUBLE_EQ(ToDouble(L"4e+x"), 4.0);
    EXPECT_DOUBLE_EQ(ToDouble(L"1,5"), 1.0);
}

TEST(Numbers, ToDoubleReadsNoNumberAsZero) {
    EXPECT_EQ(ToDouble(L"abc"), 0.0);
    EXPECT_EQ(ToDouble(L"."), 0.0);
    EXPECT_EQ(ToDouble(L"-"), 0.0);
    EXPECT_EQ(ToDouble(L"0x1A"), 0.0);
    EXPECT_EQ(ToDouble(L"inf"), 0.0);
    EXPECT_EQ(ToDouble(L"nan"), 0.0);
    EXPECT_EQ(ToDouble(nullptr), 0.0);
}

TEST(Numbers, NumbersBeyondTheDoubleRangeAreNotRead) {
    const struct {
        const wchar_t* text;
        bool read;
        double value;
    } cases[] = {
        {L"1e308", true, 1e308}, {L"1.7976931348623157e308", true, 1.7976931348623157e308},
        {L"1e309", false, 0.0},  {L"-1e999", false, 0.0},
        {L"1e-999", true, 0.0},  {L"abc", true, 0.0},
    };
    for (const auto& c : cases) {
        double value = -1.0;
        EXPECT_EQ(ReadDouble(c.text, value), c.read) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
        EXPECT_EQ(ToDouble(c.text), c.value) << c.text;
    }
}

TEST(Numbers, ToDoubleIgnoresTheHostLocale) {
    const DecimalCommaLocale comma;
    if (!comma.active()) GTEST_SKIP() << "no decimal-comma locale available";
    EXPECT_DOUBLE_EQ(ToDouble(L"1.25"), 1.25);
    EXPECT_DOUBLE_EQ(ToDouble(L"1,25"), 1.0);
}

// Short decimals take a quicker path than the C library: every one must still read bit for bit as
// strtod reads it, at every length up to and beyond that path's 15 digits, with signs and zeros.
TEST(Numbers, ShortDecimalsReadExactlyAsTheCLibraryReadsThem) {
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 200000; ++i) {
        const int digits = 1 + static_cast<int>(random() % 18);
        std::string text = random() % 3 == 0 ? "-" : "";
        for (int d = 0; d < digits; ++d) text += static_cast<char>('0' + random() % 10);
        if (random() % 4 != 0) text.insert(text.size() - random() % (digits + 1), ".");
        if (text.back() == '-') text += "0";
        const std::wstring wide(text.begin(), text.end());
        const uint64_t expected = std::bit_cast<uint64_t>(std::strtod(text.c_str(), nullptr));
        EXPECT_EQ(std::bit_cast<uint64_t>(ToDouble(wide.c_str())), expected) << text;
        double bytes = 0.0;
        ASSERT_TRUE(ReadFiniteNumber(std::string_view(text), bytes)) << text;
        EXPECT_EQ(std::bit_cast<uint64_t>(bytes), expected) << text;
    }
}

TEST(Numbers, TheCheckedFormsTakeOnlyAWholeFiniteNumber) {
    const struct {
        const wchar_t* text;
        bool isNumber;
        double value;
        bool isInt;
    } cases[] = {
        {L"12.5", true, 12.5, false},
        {L"-0.25", true, -0.25, false},
        {L".5", true, 0.5, false},
        {L"7.", true, 7.0, false},
        {L"3e-2", true, 0.03, false},
        {L"+42", true, 42.0, true},
        {L"-2147483648", true, -2147483648.0, true},
        {L"2147483648", true, 2147483648.0, false},
        {L"", false, 0, false},
        {L"abc", false, 0, false},
        {L"nan", false, 0, false},
        {L"inf", false, 0, false},
        {L"-inf", false, 0, false},
        {L"1e999", false, 0, false},
        {L"12abc", false, 0, false},
        {L"0x1A", false, 0, false},
        {L" 5", false, 0, false},
        {L"5 ", false, 0, false},
        {L".", false, 0, false},
        {L"-", false, 0, false},
        {L"1e", false, 0, false},
        {L"1e+", false, 0, false},
        {L"--1", false, 0, false},
        {L"+-1", false, 0, false},
        {L"1..5", false, 0, false},
        {L"1.5.", false, 0, false},
        {L"-0", true, -0.0, true},
        {L"+.5", true, 0.5, false},
        {L"123456789.012345", true, 123456789.012345, false},
        {L"1234567890.123456", true, 1234567890.123456, false},
        {L"00000000000000000001.5", true, 1.5, false},
        {L"9007199254740993", true, 9007199254740993.0, false},
        {L"2.5E+3", true, 2500.0, false},
    };
    for (const auto& c : cases) {
        double value = -1.0;
        EXPECT_EQ(ReadFiniteNumber(c.text, value), c.isNumber) << c.text;
        if (c.isNumber) {
            EXPECT_DOUBLE_EQ(value, c.value) << c.text;
        }
        // The same text as bytes reads to the same bits.
        const std::wstring wide(c.text);
        const std::string text(wide.begin(), wide.end());
        double bytes = -1.0;
        EXPECT_EQ(ReadFiniteNumber(std::string_view(text), bytes), c.isNumber) << c.text;
        EXPECT_EQ(IsFiniteNumber(text), c.isNumber) << c.text;
        if (c.isNumber) {
            EXPECT_EQ(std::bit_cast<uint64_t>(bytes), std::bit_cast<uint64_t>(value)) << c.text;
        }
        int whole = -1;
        EXPECT_EQ(ReadWholeInt(c.text, whole), c.isInt) << c.text;
        if (c.isInt) {
            EXPECT_EQ(whole, static_cast<int>(c.value)) << c.text;
        }
    }
}

TEST(Numbers, BytesBeyondAsciiAreNoNumber) {
    double value = -1.0;
    for (const char* text : {"1\xb5", "\xa3\xb1", "\xb5\xe3.5", "1.5\x80"}) {
        EXPECT_FALSE(ReadFiniteNumber(std::string_view(text), value)) << text;
        EXPECT_FALSE(IsFiniteNumber(text)) << text;
    }
    EXPECT_EQ(value, -1.0);
    const std::string longest = std::string(70, '0') + "2.5";
    ASSERT_TRUE(ReadFiniteNumber(std::string_view(longest), value));
    EXPECT_EQ(value, 2.5);
}
