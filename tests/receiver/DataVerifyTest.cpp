#include "receiver/DataVerify.h"

#include <gtest/gtest.h>

TEST(DataVerify, DifferencesOfTheShownMillimetreTexts) {
    const struct {
        std::array<CString, 3> first, second, differences;
    } cases[] = {
        {{L"100.000", L"5.5", L"1"}, {L"100.012", L"5.4", L"1"}, {L"0.012", L"-0.100", L"0.000"}},
        {{L"", L"abc", L""},
         {L"2.345", L"1.000", L"-0.001"},
         {L"2.345", L"1.000", L"-0.001"}},  // empty reads as 0
    };
    for (const auto& c : cases) EXPECT_EQ(CoordinateDifferences(c.first, c.second), c.differences);
}

TEST(DataVerify, LiveTexts) {
    CGpsState s;
    s.gridX = 3346000.12345;
    s.hour = 8, s.minute = 5, s.second = 7;
    s.gpsUsedCount = 9;
    s.solutionText = L"固定解";
    s.pdop = 1.5;
    const VerifyLiveTexts t = FormatVerifyLiveTexts(s);
    EXPECT_EQ(t.x, L"3346000.123");
    EXPECT_EQ(t.time, L"08:05:07");
    EXPECT_EQ(t.status, L"(09)固定解");
    EXPECT_EQ(t.pdop, L"1.500");
    EXPECT_EQ(TakenCoordinates(s)[0], L"3346000.123");
}
