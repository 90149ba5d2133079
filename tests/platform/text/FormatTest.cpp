#include "platform/text/Format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "tests/platform/text/DecimalCommaLocale.h"

TEST(Format, ExactTiesRoundAwayFromZero) {
    EXPECT_EQ(Format(L"%.0f", 0.5), L"1");
    EXPECT_EQ(Format(L"%.0f", 2.5), L"3");
    EXPECT_EQ(Format(L"%.0f", -0.5), L"-1");
    EXPECT_EQ(Format(L"%.3f", 0.0625), L"0.063");
    EXPECT_EQ(Format(L"%.3f", -0.0625), L"-0.063");
    EXPECT_EQ(Format(L"%.1f", 0.25), L"0.3");
    EXPECT_EQ(Format(L"%.2f", 1.125), L"1.13");
    EXPECT_EQ(Format(L"%.3f", 3500000.0625), L"3500000.063");
    EXPECT_EQ(Format(L"%.10f", 0.00000000005820766091346740722656250), L"0.0000000001");
    EXPECT_EQ(Format(L"%f", 1.0 / 128), L"0.007813");
    EXPECT_EQ(Format(L"%+8.1f|%-7.1f|%07.1f", 0.25, 0.75, -0.25), L"    +0.3|0.8    |-0000.3");
}

TEST(Format, ValuesNearButNotAtATieKeepTheirRounding) {
    // 2.675 and 1.005 are stored just below the tie; 0.0625 is already exact at 4 places.
    EXPECT_EQ(Format(L"%.2f", 2.675), L"2.67");
    EXPECT_EQ(Format(L"%.2f", 1.005), L"1.00");
    EXPECT_EQ(Format(L"%.4f", 0.0625), L"0.0625");
    EXPECT_EQ(Format(L"%.2f", 0.0625), L"0.06");
    EXPECT_EQ(Format(L"%.3f", 0.0), L"0.000");
    EXPECT_EQ(Format(L"%.3f", -0.0004), L"-0.000");
}

namespace {

// Rounds half away from zero on the exact decimal digits of a value with at most 12 places.
std::wstring RoundHalfAwayFromZero(double value, int precision) {
    char exact[64];
    std::snprintf(exact, sizeof exact, "%.12f", value < 0 ? -value : value);
    const std::string digits(exact);
    const size_t point = digits.find('.');
    std::string kept = digits.substr(0, precision > 0 ? point + 1 + static_cast<size_t>(precision) : point);
    if (digits[point + 1 + static_cast<size_t>(precision)] >= '5') {
        size_t i = kept.size();
        for (; i > 0; --i) {
            char& d = kept[i - 1];
            if (d == '.') continue;
            if (d != '9') {
                ++d;
                break;
            }
            d = '0';
        }
        if (i == 0) kept.insert(kept.begin(), '1');
    }
    if (value < 0) kept.insert(kept.begin(), '-');
    return std::wstring(kept.begin(), kept.end());
}

}  // namespace

TEST(Format, AgreesWithExactDecimalRoundingOnEveryTie) {
    // Every multiple of 1/64 in [-16, 16] at every precision up to 7: all the ties there are.
    for (int n = -1024; n <= 1024; ++n) {
        const double value = n / 64.0;
        for (int precision = 0; precision <= 7; ++precision) {
            EXPECT_EQ(Format(L"%.*f", precision, value).str(), RoundHalfAwayFromZero(value, precision))
                << value << " at " << precision;
        }
    }
}

TEST(Format, ConversionsTheProgramUses) {
    EXPECT_EQ(Format(L"%d°%02d′%02d″", 113, 5, 7), L"113°05′07″");
    EXPECT_EQ(Format(L"%.10f", 113.5230123456), L"113.5230123456");
    EXPECT_EQ(Format(L"%.4f,%.3f,%.8f", 1.23456, 2.0, 0.1), L"1.2346,2.000,0.10000000");
    EXPECT_EQ(Format(L"%+.3lf", 1.5), L"+1.500");
    EXPECT_EQ(Format(L"%07.4f", 3.14159), L"03.1416");
    EXPECT_EQ(Format(L"%03d|%04d|%i", 7, -7, 12), L"007|-007|12");
    EXPECT_EQ(Format(L"%02x|%02X|%lx", 10, 0xAB, 0xDEADBEEFu), L"0a|AB|deadbeef");
    EXPECT_EQ(Format(L"%-10s|%5s|%.2s", L"点1", L"ab", L"xyz"), L"点1        |   ab|xy");
    EXPECT_EQ(Format(L"%c%c|%3c", L'线', L'A', L'z'), L"线A|  z");
    EXPECT_EQ(Format(L"100%%"), L"100%");
    EXPECT_EQ(Format(L"%*d|%-*d|", 4, 1, 3, 2), L"   1|2  |");
}

TEST(Format, StringPrecisionCutsAtItsCount) {
    EXPECT_EQ(Format(L"[%.0s|%.1s|%.2s|%.3s|%.4s]", L"abc", L"abc", L"abc", L"abc", L"abc"),
              L"[|a|ab|abc|abc]");
    EXPECT_EQ(Format(L"[%3.0s]", L"abc"), L"[   ]");
}

TEST(Format, LongIsThirtyTwoBitsAndLongLongSixtyFour) {
    EXPECT_EQ(Format(L"%ld", static_cast<int32_t>(-5)), L"-5");
    EXPECT_EQ(Format(L"%x", -1), L"ffffffff");
    EXPECT_EQ(Format(L"%lu", 0xFFFFFFFFu), L"4294967295");
    EXPECT_EQ(Format(L"%lld|%I64d", 1LL << 40, -(1LL << 40)), L"1099511627776|-1099511627776");
}

TEST(Format, LongFieldsAreNotCut) {
    EXPECT_EQ(Format(L"%.3f", 1e300).GetLength(), 305);
    EXPECT_EQ(Format(L"%300d", 1).GetLength(), 300);
}

TEST(Format, CStringArgumentsStandForTheirText) {
    const CString name = L"线路J5";
    CString line;
    line.Format(L"%s,%.3f,%s", name, 1.5, CString(L"00000000"));
    EXPECT_EQ(line, L"线路J5,1.500,00000000");
    line.AppendFormat(L"|%-8s|", name);
    EXPECT_EQ(line, L"线路J5,1.500,00000000|线路J5    |");
    EXPECT_EQ(Format(L"[%s]%d\r\n", name, 7), L"[线路J5]7\r\n");
}

TEST(Format, AppendFormatAndNullArguments) {
    CString s(L"a");
    s.AppendFormat(L"%d,%s", 1, static_cast<const wchar_t*>(nullptr));
    EXPECT_EQ(s, L"a1,(null)");
    EXPECT_EQ(Format(nullptr), L"");
}

TEST(Format, DecimalPointIgnoresTheHostLocale) {
    const DecimalCommaLocale comma;
    if (!comma.active()) GTEST_SKIP() << "no decimal-comma locale available";
    EXPECT_EQ(Format(L"%.3f|%.1e|%g", 1.5, 1.5, 0.25), L"1.500|1.5e+00|0.25");
}
