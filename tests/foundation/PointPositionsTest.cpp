#include "foundation/PointPositions.h"

#include "SettingsTestSupport.h"

namespace {

using PointPositionsTest = SettingsFileTest;

std::string Repeated(const std::string& line, size_t times) {
    std::string text;
    for (size_t i = 0; i < times; ++i) text += line;
    return text;
}

// The map's positions are read from the bytes; a load converts the whole line. Both must leave out
// the same lines and read the same numbers.
TEST_F(PointPositionsTest, PositionsAreWhatALoadReads) {
    const char* lines[] = {
        "P1,3456789.123,512345.678,45.600,pole,1.800",
        "\xb5\xe3"
        "1, +7 ,2e1, -3 ,c",            // a GBK name, blanks and signs
        " P2 ,\t1.5\t,.5,3.",           // tabs around a number, no code
        "P3,1,2",                       // no height
        "P4,1,x,3,c",                   // not a number
        "P5,1,2 m,3,c",                 // not a number in full
        "P6,,2,3,c",                    // empty
        "P7,1e999,2,3,c",               // beyond the double range
        "P8,nan,2,3,c",                 // no number
        "P9,0x1A,2,3,c",                // hex is no number
        "P10,1\xb5\xe3,2,3,c",          // a GBK character in a number
        "\xb5,1,2,3,c",                 // a torn GBK name before the comma
        "P11,12345678901234567,2,3,c",  // more digits than the short reader takes
        "P12,1e-5,-0.0,1E+2,c",
        "P13,00000000000000000000000000000000000000000000000000000000000000000001.5,2,3,c",  // long
        "P14,1..5,2,3,c",
    };
    for (const char* line : lines) {
        SCOPED_TRACE(line);
        PointRecord point;
        const bool loaded = ParsePointLine(line, point);
        double n = 0.0, e = 0.0, h = 0.0;
        ASSERT_EQ(ReadPointPosition(line, n, e, &h), loaded);
        double onlyN = 0.0, onlyE = 0.0;
        ASSERT_EQ(ReadPointPosition(line, onlyN, onlyE), loaded);
        ASSERT_EQ(HoldsPointPosition(line), loaded);
        if (!loaded) continue;
        EXPECT_EQ(n, point.x);
        EXPECT_EQ(e, point.y);
        EXPECT_EQ(h, point.h);
        EXPECT_EQ(onlyN, point.x);
        EXPECT_EQ(onlyE, point.y);
    }
}

TEST_F(PointPositionsTest, ReadKeepsTheLinesOfTheLoadAndReadsEachPointBackFromItsLine) {
    const std::string text =
        "A,1,2,3,a\r\nbroken\r\n\r\n\xb5\xe3"
        "B,4,5,6,\xb5\xe3\nC,7,8,9,c\r\nD,10,11,12,d\r\n";
    WriteHostFile("data/a.xyh", text + "E,1,1");  // a torn append that holds no point
    struct Case {
        long keepLast;
        uint64_t byteLimit;
        size_t points;
        size_t skipped;
    } cases[] = {
        {-1, UINT64_MAX, 4, 1}, {2, UINT64_MAX, 2, 0}, {4, UINT64_MAX, 3, 1}, {-1, text.find("C,"), 2, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keepLast);
        size_t skipped = 0, loadSkipped = 0;
        PointFileWindow window;
        window.keepLast = c.keepLast;
        window.byteLimit = c.byteLimit;
        window.skipped = &skipped;
        std::vector<PointPosition> positions;
        ASSERT_TRUE(ReadPointPositions(L"\\data\\a.xyh", positions, window));
        window.skipped = &loadSkipped;
        std::vector<PointRecord> loaded;
        ASSERT_TRUE(LoadPointFile(L"\\data\\a.xyh", loaded, window));
        ASSERT_EQ(positions.size(), c.points);
        ASSERT_EQ(loaded.size(), c.points);
        EXPECT_EQ(skipped, c.skipped);
        EXPECT_EQ(loadSkipped, c.skipped);
        PointLineReader reader(L"\\data\\a.xyh");
        for (size_t i = 0; i < positions.size(); ++i) {
            EXPECT_EQ(positions[i].n, loaded[i].x);
            PointRecord point;
            ASSERT_TRUE(reader.Read(positions[i].offset, point));
            EXPECT_EQ(point.name, loaded[i].name);
            EXPECT_EQ(point.h, loaded[i].h);
            EXPECT_EQ(point.code, loaded[i].code);
            PointRecord head;
            ASSERT_TRUE(reader.ReadHead(positions[i].offset, head));
            EXPECT_EQ(head.name, loaded[i].name);
            EXPECT_EQ(head.x, loaded[i].x);
            EXPECT_EQ(head.y, loaded[i].y);
        }
    }
    PointRecord point;
    EXPECT_FALSE(PointLineReader(L"\\data\\a.xyh").Read(text.find("broken"), point));
    EXPECT_FALSE(PointLineReader(L"\\data\\a.xyh").Read(text.size(), point));  // the torn line
    EXPECT_FALSE(PointLineReader(L"\\data\\none.xyh").Read(0, point));
    std::vector<PointPosition> positions;
    EXPECT_FALSE(ReadPointPositions(L"\\data\\none.xyh", positions, {}));
}

// The list makes room for a large file from the length of its first lines; lines that turn out
// shorter or longer than those must still all be read, in whatever window.
TEST_F(PointPositionsTest, EveryLineIsReadWhateverTheFirstLinesLengths) {
    const std::string longLine = "L,1,2,3," + std::string(200, 'c') + "\r\n", shortLine = "S,4,5,6\r\n";
    const struct {
        const char* name;
        std::string text;
        size_t lines;
    } files[] = {
        {"long first", Repeated(longLine, 300) + Repeated(shortLine, 5000), 5300},
        {"short first", Repeated(shortLine, 300) + Repeated(longLine, 2000), 2300},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        WriteHostFile("data/c.xyh", file.text);
        for (const long keepLast : {-1L, 1000L, 100000L}) {
            PointFileWindow window;
            window.keepLast = keepLast;
            std::vector<PointPosition> positions;
            ASSERT_TRUE(ReadPointPositions(L"\\data\\c.xyh", positions, window));
            const size_t expected = keepLast < 0 ? file.lines : std::min<size_t>(file.lines, keepLast);
            ASSERT_EQ(positions.size(), expected);
            EXPECT_EQ(positions.back().offset, file.text.rfind('\n', file.text.size() - 2) + 1);
            EXPECT_LE(positions.capacity(), positions.size() + positions.size() / 4);
        }
    }
}

TEST_F(PointPositionsTest, ALineLongerThanUsualIsReadWhole) {
    const std::string line = "LONG,1,2,3," + std::string(3000, 'c');
    WriteHostFile("data/b.xyh", "A,1,1,1\r\n" + line + "\r\n");
    PointRecord point;
    ASSERT_TRUE(PointLineReader(L"\\data\\b.xyh").Read(9, point));
    EXPECT_EQ(point.name, L"LONG");
    EXPECT_EQ(point.code.GetLength(), 3000);
}

}  // namespace

// The head of a line is its name and position however long the name or short the line, and nothing
// from the line after it; the same when the heads are read in file order through a block kept
// between reads, one longer than the block and the torn last line among them.
TEST_F(PointPositionsTest, TheHeadOfALineIsItsNameAndPosition) {
    const std::string longName(300, 'N'), longerThanABlock(9000, 'M');
    const std::string text = "A,1,2,3,code,1.8,10\r\n" + longName + ",4,5,6,c\r\nB,7,8,9\r\n" +
                             longerThanABlock + ",6,7,8\r\nC,7,8\r\nD,1,2,3,x";
    WriteHostFile("data/h.xyh", text);
    const struct Case {
        size_t offset;
        bool read;
        std::wstring name;
        double n;
    } cases[] = {
        {0, true, L"A", 1.0},
        {text.find(longName), true, std::wstring(longName.begin(), longName.end()), 4.0},
        {text.find("B,"), true, L"B", 7.0},
        {text.find(longerThanABlock), true, std::wstring(longerThanABlock.begin(), longerThanABlock.end()),
         6.0},
        {text.find("C,"), false, L"", 0.0},  // no height: no point
        {text.find("D,"), true, L"D", 1.0},
    };
    PointLineReader reader(L"\\data\\h.xyh");
    LineBlock ahead;
    for (LineBlock* block : {static_cast<LineBlock*>(nullptr), &ahead}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.offset << (block ? " through a block" : ""));
            PointRecord head;
            EXPECT_EQ(reader.ReadHead(c.offset, head, block), c.read);
            if (!c.read) continue;
            EXPECT_EQ(head.name, CString(c.name.c_str()));
            EXPECT_EQ(head.x, c.n);
            EXPECT_EQ(head.code, L"");
        }
    }
}
