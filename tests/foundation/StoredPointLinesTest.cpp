#include "foundation/StoredPointLines.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "foundation/DataFileAppend.h"
#include "foundation/JobResultFiles.h"
#include "foundation/PointLines.h"
#include "foundation/PointStoreState.h"
#include "platform/text/CodePage.h"
#include "tests/platform/files/DeviceRootFixture.h"

// The golden files were typed from the file layouts, not produced by this code.
namespace {

std::string Golden(const char* name) {
    std::ifstream in(std::filesystem::path(QZ_SOURCE_DIR) / "tests/foundation/golden/stored" / name,
                     std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

constexpr double kPackedB = 30.3012345678;
constexpr double kPackedL = 114.1523456789;

CGpsState Fix(int second = 9) {
    CGpsState fix;
    fix.gridX = 3456789.123;
    fix.gridY = 512345.678;
    fix.gridH = 56.789;
    fix.height = 35.012;
    fix.solutionCode = 10;
    fix.rmsH = 0.012;
    fix.rmsV = 0.023;
    fix.gpsUsedCount = 9;
    fix.pdop = 1.8;
    fix.year = 2026;
    fix.month = 12;
    fix.day = 7;
    fix.hour = 8;
    fix.minute = 5;
    fix.second = second;
    return fix;
}

// The template point as a fresh store leaves it, named and coded.
SurveyPointRec Point(const wchar_t* name, int kind, const wchar_t* code = L"房角") {
    SurveyPointRec point = PointStoreState().point;
    point.name = name;
    point.code = code;
    point.antennaHeight = 1.5;
    point.pointKind = kind;
    return point;
}

std::string Gbk(const std::optional<CString>& line) {
    EXPECT_TRUE(line.has_value());
    return line ? ToGbk(*line) : std::string();
}

BaseStationRec Base() {
    BaseStationRec base;
    base.szdBaseLat = 30.3;
    base.szdBaseLon = 114.15;
    base.szdBaseHgt = 20.0;
    base.szdBasePX = -2148744.123;
    base.szdBasePY = 4426641.456;
    base.szdBasePH = 3194000.789;
    base.szdBaseX = 3456000.0;
    base.szdBaseY = 512000.0;
    base.szdBaseH = 20.0;
    base.szBaseStationID = L"基站01";
    return base;
}

}  // namespace

TEST(StoredPointLines, RawFileOfANewJobAndTheTailsOfEveryStoreMode) {
    EXPECT_EQ(ToGbk(RawFileHeader(L"Quorin2.0", L"2011.09.26", Base())) +
                  Gbk(RawRecordLine(Point(L"点1", 3), Fix(), kPackedB, kPackedL, RawStoreTail{})),
              Golden("new.blh"));

    std::string raw;
    RawStoreTail offset;
    offset.mode = 1;
    offset.offsetDistance = 10.0;
    offset.offsetHeight = -1.5;
    offset.offsetAngle = 90.0;
    raw += Gbk(RawRecordLine(Point(L"点2", 3), Fix(), kPackedB, kPackedL, offset));
    for (int epoch = 1; epoch <= 5; ++epoch) {
        RawStoreTail smooth;
        smooth.mode = 2;
        smooth.smoothTarget = smooth.smoothAchieved = 5;
        smooth.epochIndex = epoch;
        raw += Gbk(RawRecordLine(Point(L"点3", 3), Fix(4 + epoch), kPackedB, kPackedL, smooth));
    }
    RawStoreTail automatic;
    automatic.mode = 3;
    automatic.autoInterval = 5.0;
    raw += Gbk(RawRecordLine(Point(L"点4", 3, L"00000000"), Fix(), kPackedB, kPackedL, automatic));
    raw += ToGbk(BaseStationLine(Base()) + L"\r\n");
    EXPECT_EQ(raw, Golden("tails.blh"));
}

TEST(StoredPointLines, PointAndLibraryLinesOfTerrainReferenceAndSideStakePoints) {
    SurveyPointRec stake = Point(L"边桩1", 2);
    stake.refText = L"左桩";
    stake.refNumber = 3;
    stake.refHeight = 50.0;
    std::string points, library;
    for (SurveyPointRec point : {Point(L"点1", 3), Point(L"参考1", 1), stake}) {
        TakeFix(point, Fix());
        points += Gbk(PointFileLine(point));
        library += Gbk(StoredLibraryLine(point));
    }
    EXPECT_EQ(points, Golden("points.xyh"));
    EXPECT_EQ(library, Golden("library.lib"));
}

TEST(StoredPointLines, ReadingALineAndWritingItBackGivesTheSameBytes) {
    const std::vector<CString> lines = CutPointFileLines(FromGbk(Golden("points.xyh")));
    ASSERT_EQ(lines.size(), 3u);
    for (const CString& line : lines) {
        SurveyPointRec point;
        ASSERT_TRUE(ReadPointFileLine(line, point));
        EXPECT_EQ(PointFileLine(point), line + L"\r\n");
    }
    SurveyPointRec point;
    ASSERT_TRUE(ReadPointFileLine(lines[2], point));
    EXPECT_EQ(point.pointH, 55.289);
    EXPECT_EQ(point.fixTexts[5], L"2026-12-07");  // column 13 before column 12
    EXPECT_EQ(point.fixTexts[6], L"08:05:09");
    EXPECT_EQ(point.text27, L"左桩");
    EXPECT_EQ(point.value30, 5.289);

    SurveyPointRec untouched;
    EXPECT_FALSE(ReadPointFileLine(L"P,1,2,3,c", untouched));
    EXPECT_EQ(untouched.name, L"");
}

TEST(StoredPointLines, ATextWithACommaOrALineEndGivesNoLine) {
    for (const wchar_t* bad : {L"a,b", L"a\r", L"a\nb"}) {
        SurveyPointRec byName = Point(bad, 3), byCode = Point(L"P", 3, bad), byTail = Point(L"P", 3);
        byTail.tail2 = bad;
        for (const SurveyPointRec& point : {byName, byCode, byTail}) {
            EXPECT_FALSE(PointFileLine(point).has_value());
            EXPECT_FALSE(RawRecordLine(point, Fix(), 0, 0, {}).has_value());
            EXPECT_FALSE(StoredLibraryLine(point).has_value());
        }
    }
}

using DataFileAppendTest = DeviceRootTest;

// The end of a file the store's journal has already mended: a whole point line without its line end
// is the user's and gets it before the appended line; anything else after the last line end is no
// line, and is cut and added to the file's ".bad" copy. Undo leaves the file as Prepare left it.
TEST_F(DataFileAppendTest, TheLastLineIsKeptWithItsLineEndOrCutAsideAndUndoLeavesTheFile) {
    using Prepared = DataFileAppend::Prepared;
    const std::string nuls(7, '\0');
    struct Case {
        const char* name;
        std::optional<std::string> before;  // nullopt: no file
        std::string prepared;
        Prepared status;
        std::string appended;  // what the append of "C\r\n" writes
        std::string bad;       // the ".bad" copy after, "" when none
        bool empty;
    } cases[] = {
        {"no file", std::nullopt, "", Prepared::kReady, "C\r\n", "", true},
        {"empty", "", "", Prepared::kReady, "C\r\n", "", true},
        {"whole lines", "A\r\n", "A\r\n", Prepared::kReady, "C\r\n", "", false},
        {"a point without its line end", "A\r\nB,1,2,3", "A\r\nB,1,2,3", Prepared::kReady, "\r\nC\r\n", "",
         false},
        {"a point with its CR only", "A\r\nB,1,2,3\r", "A\r\nB,1,2,3\r", Prepared::kReady, "\nC\r\n", "",
         false},
        {"the only line, without its line end", "B,1,2,3", "B,1,2,3", Prepared::kReady, "\r\nC\r\n", "",
         false},
        {"a piece that holds no point", "A\r\nB,1,2", "A\r\n", Prepared::kCutAside, "C\r\n", "B,1,2", false},
        {"nothing but a piece", "torn", "", Prepared::kCutAside, "C\r\n", "torn", true},
        {"NULs a power loss left", "A\r\n" + nuls, "A\r\n", Prepared::kCutAside, "C\r\n", nuls, false},
        {"a point line turned NUL at its end", "A\r\nB,1,2,3" + nuls, "A\r\n", Prepared::kCutAside, "C\r\n",
         "B,1,2,3" + nuls, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(root_ / "a.xyh");
        std::filesystem::remove(root_ / "a.xyh.bad");
        if (c.before) WriteHostFile("a.xyh", *c.before);
        DataFileAppend append;
        ASSERT_EQ(append.Prepare(L"\\a.xyh", HoldsPointPosition), c.status);
        EXPECT_EQ(append.IsEmpty(), c.empty);
        EXPECT_EQ(std::filesystem::exists(root_ / "a.xyh"), c.before.has_value());
        EXPECT_EQ(c.before ? ReadHostFile("a.xyh") : "", c.prepared);
        EXPECT_EQ(std::filesystem::exists(root_ / "a.xyh.bad") ? ReadHostFile("a.xyh.bad") : "", c.bad);
        EXPECT_EQ(append.Appended("C\r\n"), c.appended);
        ASSERT_TRUE(append.Append("C\r\n"));
        EXPECT_EQ(ReadHostFile("a.xyh"), c.prepared + c.appended);
        ASSERT_TRUE(append.Undo());
        EXPECT_EQ(std::filesystem::exists(root_ / "a.xyh"), c.before.has_value());
        EXPECT_EQ(c.before ? ReadHostFile("a.xyh") : "", c.prepared);
    }
}

// Every piece ever cut stays in the copy, the earlier ones first.
TEST_F(DataFileAppendTest, PiecesCutAtDifferentTimesAllStayInTheCopy) {
    for (const char* piece : {"X,1", "Y,2"}) {
        WriteHostFile("a.xyh", std::string("A,1,2,3\r\n") + piece);
        DataFileAppend append;
        ASSERT_EQ(append.Prepare(L"\\a.xyh", HoldsPointPosition), DataFileAppend::Prepared::kCutAside);
    }
    EXPECT_EQ(ReadHostFile("a.xyh"), "A,1,2,3\r\n");
    EXPECT_EQ(ReadHostFile("a.xyh.bad"), "X,1Y,2");
}

// A base-station line goes into the raw file outside a store, without a journal to mend what a kill
// leaves of it: every piece of one cut short is no line, the whole one is. Its append keeps a whole
// last line and gives it its line end, and cuts anything else aside, to be told.
TEST_F(DataFileAppendTest, ABaseStationLineKeepsAWholeLastRawLineAndCutsAPieceAside) {
    BaseStationRec nameless = Base();
    nameless.szBaseStationID.Empty();
    for (const BaseStationRec& base : {Base(), nameless}) {
        const std::string line = ToGbk(BaseStationLine(base));
        EXPECT_TRUE(HoldsRawLine(line));
        for (size_t cut = 1; cut < line.size(); ++cut) EXPECT_FALSE(HoldsRawLine(line.substr(0, cut))) << cut;
    }

    const std::string header = "Rem Version      Quorin2.0 Ver: 2011.09.26\r\n";
    const std::string record = Gbk(RawRecordLine(Point(L"点1", 3), Fix(), kPackedB, kPackedL, {}));
    const std::string whole = record.substr(0, record.size() - 2);
    const std::string base = ToGbk(BaseStationLine(Base()) + L"\r\n");
    const std::string piece = base.substr(0, 40);
    const struct {
        const char* name;
        std::string end;  // after the header
        std::string kept;
        bool cutAside;
    } cases[] = {
        {"a record without its line end", whole, record, false},
        {"a base-station line without its line end", base.substr(0, base.size() - 2), base, false},
        {"a record cut short", whole.substr(0, 20), "", true},
        {"a base-station line cut short", piece, "", true},
    };
    JobResultFiles files;
    files.SetResultFileNames(L"\\", L"a.xyh");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(root_ / "a.blh.bad");
        WriteHostFile("a.blh", header + c.end);
        const LinesAppended appended = files.AppendBaseStationLine(Base());
        EXPECT_TRUE(appended.written);
        EXPECT_EQ(appended.cutAside, c.cutAside);
        EXPECT_EQ(ReadHostFile("a.blh"), header + c.kept + base);
        EXPECT_EQ(std::filesystem::exists(root_ / "a.blh.bad") ? ReadHostFile("a.blh.bad") : "",
                  c.cutAside ? c.end : "");
    }
    EXPECT_EQ(AppendNotice(L"\\a.blh", {false, true}, L"写入失败"),
              L"a.blh末尾的损坏内容已移到a.blh.bad\n写入失败");
}
