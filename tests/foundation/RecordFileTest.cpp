#include "foundation/RecordFile.h"

#include "SettingsTestSupport.h"
#include "foundation/PointLines.h"
#include "platform/text/CodePage.h"
#include "tests/foundation/AllStarts.h"

namespace {

using RecordFileTest = SettingsFileTest;

TEST_F(RecordFileTest, LinesThatHoldARecordAndThoseThatDoNot) {
    struct Case {
        const char* line;
        bool record;
        const wchar_t* name;
        double x;
        const wchar_t* code;
    } cases[] = {
        {"P1,1.5000,2.0000,3.0000,pole", true, L"P1", 1.5, L"pole"},
        {"  \xb5\xe3"
         "1 , +7 ,2e1, -3 ,  c ",
         true, L"点1 ", 7.0, L"c "},               // trimmed on the left
        {"P2,1,2,3", true, L"P2", 1.0, L""},       // no code field
        {"P3,1,2", false, L"", 0.0, L""},          // no height
        {"P4,1,x,3,c", false, L"", 0.0, L""},      // not a number
        {"P5,1,2 m,3,c", false, L"", 0.0, L""},    // not a number in full
        {"P6,,2,3,c", false, L"", 0.0, L""},       // empty
        {"P7,1e999,2,3,c", false, L"", 0.0, L""},  // beyond the double range
        {"P8,nan,2,3,c", false, L"", 0.0, L""},
        {"P9,++7,2,3,c", false, L"", 0.0, L""},  // two signs
        {"P11,-.5,2,3,c", true, L"P11", -0.5, L"c"},
        {"P12,1234567890.1234567,2,3", true, L"P12", 1234567890.1234567, L""},  // beyond 15 digits
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        PointRecord point;
        ASSERT_EQ(ParseRecordLine(c.line, point), c.record);
        if (!c.record) continue;
        EXPECT_EQ(point.name, c.name);
        EXPECT_EQ(point.x, c.x);
        EXPECT_EQ(point.code, c.code);
    }
}

TEST_F(RecordFileTest, IndexSkipsAndCountsUnreadableLinesAndEndsAtTheFirstEmptyOne) {
    const std::string text = "A,1,2,3,a\r\nbroken line\r\nB,4,5,6,b\nC,7,8,9,c\r\n\r\nD,1,1,1,d\r\n";
    WriteHostFile("data/a.rec", text + "E,2,2,2,torn");
    RecordFileIndex index;
    ASSERT_TRUE(IndexRecordFile(L"\\data\\a.rec", index));
    EXPECT_EQ(AllStarts(index.offsets), (std::vector<uint64_t>{0, text.find("B,"), text.find("C,")}));
    EXPECT_EQ(index.skipped, 1u);
    PointRecord point;
    ASSERT_TRUE(ReadRecordAt(L"\\data\\a.rec", index.offsets[2], point));
    EXPECT_EQ(point.name, L"C");
    EXPECT_EQ(point.h, 9.0);

    // What the file held when measured: lines past the limit are left to the caller.
    ASSERT_TRUE(IndexRecordFile(L"\\data\\a.rec", index, text.find("C,")));
    EXPECT_EQ(index.offsets.size(), 2u);
    const std::atomic<bool> stop{true};
    ASSERT_TRUE(IndexRecordFile(L"\\data\\a.rec", index, UINT64_MAX, &stop));
    EXPECT_TRUE(index.offsets.empty());
    EXPECT_FALSE(IndexRecordFile(L"\\data\\none.rec", index));

    // A line longer than usual reads whole; a torn one past the last line feed is none.
    const std::string longName(600, 'N');
    WriteHostFile("data/b.rec", longName + ",1,2,3,c\r\nT,1,2,3");
    ASSERT_TRUE(ReadRecordAt(L"\\data\\b.rec", 0, point));
    EXPECT_EQ(point.name.GetLength(), 600);
    EXPECT_FALSE(ReadRecordAt(L"\\data\\b.rec", longName.size() + 10, point));
}

TEST_F(RecordFileTest, AWrittenRecordReadsBackAsItWas) {
    const PointRecord written{L"点7", 3512345.1234, 512345.5678, 12.25, L"树", 0};
    WriteHostFile("data/c.rec", ToGbk(FormatRecordLine(written)));
    RecordFileIndex index;
    ASSERT_TRUE(IndexRecordFile(L"\\data\\c.rec", index));
    PointRecord read;
    ASSERT_TRUE(ReadRecordAt(L"\\data\\c.rec", index.offsets[0], read));
    EXPECT_EQ(read.name, written.name);
    EXPECT_EQ(read.x, written.x);
    EXPECT_EQ(read.y, written.y);
    EXPECT_EQ(read.h, written.h);
    EXPECT_EQ(read.code, written.code);
}

}  // namespace
