#include "foundation/PointLines.h"

#include "foundation/FollowedPointNames.h"

#include "SettingsTestSupport.h"
#include "platform/text/CodePage.h"

namespace {

using PointLinesTest = SettingsFileTest;

// A point-file line with `column34` in field 33 and the power-line fields 14 and 16.
std::string PointLine(const char* name, const char* x, int f14, int f16, int column34 = 0,
                      const char* code = "c") {
    // Appended piece by piece: GCC 12 at -O3 takes string + string for an overlapping copy.
    std::string line = name;
    for (const char* part : {",", x, ",2.000,3.000,", code}) line += part;
    for (int field = 5; field <= 33; ++field) {
        line += ',';
        line += std::to_string(field == 14 ? f14 : field == 16 ? f16 : field == 33 ? column34 : 0);
    }
    return line + ",t1,t2,\r\n";
}

TEST_F(PointLinesTest, LoaderKeepsFileOrderAndSkipsTornAndEmptyLines) {
    WriteHostFile("data/a.xyh", PointLine("A", "1.5", 0, 0) + "\r\n" +
                                    PointLine(" \xb5\xe3"
                                              "B ",
                                              "x", 0, 0, 3) +
                                    PointLine("C", "7", 0, 0) + "D,4,5");
    std::vector<PointRecord> points{PointRecord{}};
    size_t skipped = 0;
    PointFileWindow counted;
    counted.skipped = &skipped;
    ASSERT_TRUE(LoadPointFile(L"\\data\\a.xyh", points, counted));
    // The line whose north is no number is left out and counted; the torn append is no line.
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(skipped, 1u);
    EXPECT_EQ(points[1].name, L"C");
    EXPECT_EQ(points[1].flag, 0);
    EXPECT_EQ(points[0].name, L"A");
    EXPECT_EQ(points[0].x, 1.5);
    EXPECT_EQ(points[0].code, L"c");

    // A short line without its height cannot be read either; a missing file leaves the list and
    // answers false.
    WriteHostFile("data/b.xyh", "P,1,2\r\n \xb5\xe3Q ,3,4,5\r\n");
    ASSERT_TRUE(LoadPointFile(L"\\data\\b.xyh", points, counted));
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(skipped, 2u);
    EXPECT_EQ(points[0].name, L"点Q");  // GBK, trimmed
    EXPECT_EQ(points[0].code, L"");
    EXPECT_TRUE(messages_.Texts().empty());
    EXPECT_FALSE(LoadPointFile(L"\\data\\none.xyh", points));
    EXPECT_EQ(points.size(), 1u);
    EXPECT_TRUE(messages_.Texts().empty());

    // Lines are converted one by one: a lead byte cut off by a line end or a comma is one replacement
    // character, as in the converted whole; LF alone ends a line as well.
    WriteHostFile("data/c.xyh", "E\xb5,0,0,0\r\nF,1,0,0\n\tG\xb5 ,2,0,0,,\r\n");
    ASSERT_TRUE(LoadPointFile(L"\\data\\c.xyh", points));
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0].name, L"E\xFFFD");
    EXPECT_EQ(points[1].x, 1.0);
    EXPECT_EQ(points[2].name, L"G\xFFFD");
    EXPECT_EQ(points[2].x, 2.0);
}

TEST(PointLines, APointsNorthEastAndHeightAreEachANumberInFull) {
    struct Case {
        const char* line;
        bool holds;
    } cases[] = {
        {"P,3456789.123,512345.678,55.289,c", true},
        {"P, 1 ,\t-2.5 ,+.5", true},  // blanks around, sign, no whole digits
        {"P,1.,2,3", true},
        {"P,1e3,2E-2,3", true},
        {"P,1234567890.1234567,2,3", true},  // more digits than the short form
        {"P,1,2,3,,,", true},
        {"P,1,2", false},   // no height
        {"P,1,2,", false},  // an empty height
        {"P,x,2,3", false},
        {"P,1,2,3m", false},
        {"P,1 2,2,3", false},
        {"P,.,2,3", false},
        {"P,-,2,3", false},
        {"P,1e,2,3", false},
        {"P,1e999,2,3", false},  // beyond the double range
        {"P,nan,2,3", false},
        {"P,\xa3\xb1,2,3", false},  // a two-byte digit
        {"", false},
        {"garbage", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(HoldsPointPosition(c.line), c.holds);
    }
}

TEST(RecordFile, LineKeepsCommasAndLongNames) {
    PointRecord point{L"a,b", 1.0, 2.5, -3.25, L"code"};
    EXPECT_EQ(FormatRecordLine(point), L"a,b,1.0000,2.5000,-3.2500,code\r\n");
    point.name = CString(L'点', 150);
    EXPECT_EQ(ToGbk(FormatRecordLine(point)).size(), 300u + 29u);
}

TEST(LastNames, ScanFromTheNewestMatchingLine) {
    const std::string text = PointLine("Z7", "1", 0, 1) + PointLine("J3", "1", 0, 0) +
                             PointLine("J4", "1", 0, 0) + PointLine("5", "1", 0, 2) +
                             PointLine("X", "1", 1, 0);
    const LastNames names = ScanLastNames(text, 1);
    EXPECT_EQ(names.first, L"J4");
    EXPECT_EQ(names.second, L"Z7");  // the only Z point is on the first line
    EXPECT_EQ(names.third, L"5");
    EXPECT_EQ(names.lastPoint, L"X");

    // Format 6 takes field 4 and has no third name.
    const std::string baihe = PointLine("a", "1", 0, 1, 0, "J9") + PointLine("b", "1", 0, 0, 0, "Z2");
    const LastNames six = ScanLastNames(baihe, 6);
    EXPECT_EQ(six.first, L"J9");
    EXPECT_EQ(six.second, L"Z2");
    EXPECT_EQ(six.third, L"0");
    EXPECT_EQ(six.lastPoint, L"b");

    const LastNames empty = ScanLastNames("", 1);
    EXPECT_EQ(empty.first, L"J0");
    EXPECT_EQ(empty.second, L"Z0");
    EXPECT_EQ(ScanLastNames("", 6).first, L"0");
}

// The file's scan reads it a block at a time and finds what the scan of its whole text finds.
TEST_F(PointLinesTest, LastNamesFromAFileAsFromItsText) {
    const std::string cases[] = {
        PointLine("Z7", "1", 0, 1) + PointLine("J3", "1", 0, 0) +
            PointLine("\xb5\xe3"
                      "5",
                      "1", 0, 2) +
            PointLine("K", "1", 1, 0) + "\r\n" + PointLine("X", "1", 0, 9),
        PointLine("a", "1", 0, 1, 0, "J9") + PointLine("b", "1", 0, 0, 0, "Z2") + "torn,1,2",
        PointLine(" J8 ", "1", 0, 0) + PointLine("Z\xb5", "1", 7, 1),
        "short,1\r\n",
        "",
    };
    for (const std::string& text : cases)
        for (const int format : {1, 6}) {
            SCOPED_TRACE(text + " format " + std::to_string(format));
            WriteHostFile("data/n.xyh", text);
            const LastNames whole = ScanLastNames(text, format);
            const LastNames read = ScanLastNamesInFile(L"\\data\\n.xyh", format);
            EXPECT_EQ(read.first, whole.first);
            EXPECT_EQ(read.second, whole.second);
            EXPECT_EQ(read.third, whole.third);
            EXPECT_EQ(read.lastPoint, whole.lastPoint);
        }
    EXPECT_EQ(ScanLastNamesInFile(L"\\data\\none.xyh", 1).second, L"Z0");
}

// Both scans hold every line's name, trimmed, whatever else the line holds; a torn append is no line.
TEST_F(PointLinesTest, LastNamesHoldEveryNameTheFileHolds) {
    const char* const dian5 =
        " \xb5\xe3"
        "5 ";  // " 点5 "
    const std::string text =
        PointLine(dian5, "1", 0, 2) + "short,1\r\n" + PointLine("3", "1", 1, 0) + "torn,1";
    WriteHostFile("data/n.xyh", text);
    const std::pair<const wchar_t*, bool> cases[] = {{L"点5", true},   {L"short", true},  {L"3", true},
                                                     {L"torn", false}, {L" 点5 ", false}, {L"4", false}};
    for (const LastNames& names : {ScanLastNames(text, 1), ScanLastNamesInFile(L"\\data\\n.xyh", 1)})
        for (const auto& [name, held] : cases) EXPECT_EQ(names.taken.Holds(name), held) << ToUtf8(name);
}

// The last stored point read from the end: a line that holds no point, an empty line and a torn
// append are passed over, and a line across a block boundary reads whole.
TEST_F(PointLinesTest, TheLastStoredPointNameIsReadFromTheEnd) {
    const std::string longName(5000, 'L');
    const struct {
        const char* name;
        std::string text;
        CString last;
    } cases[] = {
        {"plain",
         PointLine("P1", "1", 0, 0) + PointLine(" \xb5\xe3"
                                                "2 ",
                                                "1", 0, 0),
         L"点2"},
        {"last line without its line end", PointLine("P1", "1", 0, 0) + "P2,1,2,3", L"P2"},
        {"unfinished piece that holds no point", PointLine("P1", "1", 0, 0) + "P2,1,2", L"P1"},
        {"NULs a power loss left", PointLine("P1", "1", 0, 0) + std::string("P2,1,2,3\0\0", 10), L"P1"},
        {"junk and empty lines",
         PointLine("P1", "1", 0, 0) + "junk\r\n\r\n\n" + std::string(9000, 'j') + "\r\n", L"P1"},
        {"across blocks",
         std::string(4000, 'x') + "\r\n" + PointLine(longName.c_str(), "1", 0, 0) + "a,b\r\n",
         CString(FromUtf8(longName))},
        {"first line only", PointLine("Q", "1", 0, 0), L"Q"},
        {"no point", "a,b,c,d\r\n", L""},
        {"empty", "", L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteHostFile("data/n.xyh", c.text);
        EXPECT_EQ(LastStoredPointName(L"\\data\\n.xyh"), c.last);
        // Every reader of the file sees that point last: the scan at an open, the load of the map
        // and the coordinate view's list, and the names the proposals pass over.
        const LastNames scanned = ScanLastNamesInFile(L"\\data\\n.xyh", 1);
        EXPECT_EQ(scanned.lastPoint, c.last.IsEmpty() ? CString(L"0") : c.last);
        std::vector<PointRecord> points;
        ASSERT_TRUE(LoadPointFile(L"\\data\\n.xyh", points));
        EXPECT_EQ(points.empty() ? CString() : points.back().name, c.last);
        FollowedPointNames followed;
        followed.Follow(L"\\data\\n.xyh");
        if (!c.last.IsEmpty()) {
            EXPECT_TRUE(scanned.taken.Holds(c.last));
            EXPECT_TRUE(followed.Held().Holds(c.last));
        }
        CString lastCut;
        CutPointFileBytes(c.text, [&](std::string_view line, uint64_t) {
            if (HoldsPointPosition(line)) lastCut = LineField(FromGbk(line), 0).Trim();
        });
        EXPECT_EQ(lastCut, c.last);
    }
    EXPECT_EQ(LastStoredPointName(L"\\data\\none.xyh"), L"");
}

// The names proposals pass over follow the file as stores append to it, whoever stores, and are
// read whole again when the file is rewritten or got shorter.
TEST_F(PointLinesTest, FollowedNamesKeepUpWithTheFile) {
    const CString path = L"\\data\\f.xyh";
    const struct {
        const char* step;
        std::string text;
        std::vector<const wchar_t*> held, free;
    } steps[] = {
        {"two points", PointLine("1", "1", 0, 0) + PointLine("2", "1", 0, 0), {L"1", L"2"}, {L"3"}},
        {"a last line without its line end", "5,1,2,3", {L"5"}, {L"3"}},
        {"its line end and a point", "\r\n" + PointLine("4", "1", 0, 0), {L"4", L"5"}, {L"3"}},
        {"a torn piece that holds no point", "6,1", {L"4"}, {L"6"}},
    };
    FollowedPointNames followed;
    std::string file;
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        file += s.text;
        WriteHostFile("data/f.xyh", file);
        followed.Follow(path);
        for (const wchar_t* name : s.held) EXPECT_TRUE(followed.Held().Holds(name)) << ToUtf8(name);
        for (const wchar_t* name : s.free) EXPECT_FALSE(followed.Held().Holds(name)) << ToUtf8(name);
    }
    // A file shorter than what was read is read whole.
    WriteHostFile("data/f.xyh", PointLine("7", "1", 0, 0));
    followed.Follow(path);
    EXPECT_TRUE(followed.Held().Holds(L"7"));
    EXPECT_FALSE(followed.Held().Holds(L"1"));
    // 7 renamed 8, the file as long as before, as the coordinate view rewrites it and tells.
    followed.Follow(path);
    WriteHostFile("data/f.xyh", PointLine("8", "1", 0, 0));
    followed.Forget();
    followed.Follow(path);
    EXPECT_TRUE(followed.Held().Holds(L"8"));
    EXPECT_FALSE(followed.Held().Holds(L"7"));
}

}  // namespace
