#include <gtest/gtest.h>

#include <cmath>

#include "foundation/AngleText.h"
#include "foundation/ConnectionPort.h"
#include "foundation/PixelGeometry.h"
#include "foundation/StringRoutines.h"

TEST(ConnectionPortTest, TableOfConnectionKinds) {
    // Kind 3 is no connection kind: the defaults come back with false.
    const struct {
        int kind;
        bool known;
        int32_t port, baud;
    } cases[] = {{0, true, 5, 9600}, {1, true, 3, 57600}, {2, true, 2, 9600}, {3, false, 1, 9600}};
    for (const auto& c : cases) {
        int32_t port = 0, baud = 0;
        EXPECT_EQ(GetConnectionPortBaud(c.kind, port, baud), c.known) << c.kind;
        EXPECT_EQ(std::pair(port, baud), std::pair(c.port, c.baud)) << c.kind;
    }
}

TEST(FormatDmsTest, StylesSignAndCarries) {
    CString text;
    EXPECT_EQ(FormatDms(text, 30.5, 1), L"30\u00B030\u203200\u2033");
    EXPECT_EQ(text, L"30\u00B030\u203200\u2033");
    EXPECT_EQ(FormatDms(text, -120.25, 0), L"120.1500");
    // Seconds are truncated...
    EXPECT_EQ(FormatDms(text, 10 + 1.0 / 60 + 59.9 / 3600, 0), L"10.0159");
    // ...except within 0.0001 of 60, which carries into minutes and on into degrees.
    EXPECT_EQ(FormatDms(text, 10 + 1.0 / 60 + 59.99995 / 3600, 0), L"10.0200");
    EXPECT_EQ(FormatDms(text, 10 + 59.0 / 60 + 59.99995 / 3600, 1), L"11\u00B000\u203200\u2033");
    EXPECT_EQ(FormatDms(text, std::nan(""), 0), L"0.0000");
}

TEST(FormatDmsTest, DirectionsStayBelowThreeSixty) {
    struct Case {
        double azimuth;
        int32_t style;
        const wchar_t* text;
    } cases[] = {
        {360.0 - 1e-9, 1, L"0\u00B000\u203200\u2033"},
        {360.0 - 1e-9, 0, L"0.0000"},
        {360.0, 1, L"0\u00B000\u203200\u2033"},
        {359.5, 1, L"359\u00B030\u203200\u2033"},
        {-90.0, 0, L"270.0000"},
        {450.25, 0, L"90.1500"},
        {std::nan(""), 0, L"0.0000"},
    };
    CString text;
    for (const Case& c : cases) EXPECT_EQ(FormatDirectionDms(text, c.azimuth, c.style), c.text) << c.azimuth;
    // A plain angle keeps its carry.
    EXPECT_EQ(FormatDms(text, 360.0 - 1e-9, 0), L"360.0000");
}

TEST(StringRoutinesTest, SortIsCaseBlindAndStable) {
    std::vector<CString> s = {L"b", L"A", L"a", L"d"};
    SortStringArrayNoCase(s);
    EXPECT_EQ(s, (std::vector<CString>{L"A", L"a", L"b", L"d"}));
    std::vector<CString> folders = {L"Zeta", L"alpha", L"Beta", L"ALPHA"};
    SortStringArrayNoCase(folders);
    EXPECT_EQ(folders, (std::vector<CString>{L"alpha", L"ALPHA", L"Beta", L"Zeta"}));
}

TEST(StringRoutinesTest, ReverseFindChar) {
    EXPECT_EQ(ReverseFindChar(L"\\a\\b.txt", L'\\'), 2);
    EXPECT_EQ(ReverseFindChar(L"abc", L'\0'), 3);
    EXPECT_EQ(ReverseFindChar(L"abc", L'x'), std::nullopt);
    EXPECT_EQ(ReverseFindChar(nullptr, L'a'), std::nullopt);
}

TEST(PixelGeometryTest, PixelDistance) {
    EXPECT_EQ(PixelDistance(0, 0, 3, 4), 5);
    EXPECT_EQ(PixelDistance(0, 0, 1, 1), 1);
    EXPECT_EQ(PixelDistance(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX), INT32_MAX);
}

TEST(PixelGeometryTest, ClipSegmentToRect) {
    PixelPoint a, b;
    EXPECT_FALSE(ClipSegmentToRect(-20, 10, -5, 50, 0, 0, 100, 100, a, b));
    EXPECT_EQ(a, (PixelPoint{-1000, -1000}));
    EXPECT_EQ(b, (PixelPoint{-1000, -1000}));

    EXPECT_TRUE(ClipSegmentToRect(10, 20, 30, 40, 0, 0, 100, 100, a, b));
    EXPECT_EQ(a, (PixelPoint{10, 20}));
    EXPECT_EQ(b, (PixelPoint{30, 40}));

    // A diagonal entering through the left edge and leaving through the bottom.
    EXPECT_TRUE(ClipSegmentToRect(-50, 0, 150, 200, 0, 0, 100, 100, a, b));
    EXPECT_EQ(a, (PixelPoint{0, 50}));
    EXPECT_EQ(b, (PixelPoint{50, 100}));

    // Ends far beyond the 32-bit range of their products still clip to the edges.
    EXPECT_TRUE(ClipSegmentToRect(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 0, 0, 240, 320, a, b));
    EXPECT_EQ(a, (PixelPoint{0, 0}));
    EXPECT_EQ(b, (PixelPoint{240, 240}));
    EXPECT_TRUE(ClipSegmentToRect(-2000000000, 5, 2000000000, 7, 0, 0, 240, 320, a, b));
    EXPECT_EQ(a.x, 0);
    EXPECT_EQ(b.x, 240);
    EXPECT_FALSE(ClipSegmentToRect(-2000000000, -1999999999, 2000000000, -1999999990, 0, 0, 240, 320, a, b));
}
