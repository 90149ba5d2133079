// The stake-out files byte for byte in the device's code page (GBK), with CR LF.
#include <gtest/gtest.h>

#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"
#include "stakeout/StakeFiles.h"
#include "stakeout/StakeGeometry.h"
#include "stakeout/StakeSettings.h"
#include "tests/platform/files/DeviceRootFixture.h"

namespace {

class StakeFiles : public DeviceRootTest {
protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        WriteHostFile("Jobs/road/.keep", "");
    }
    std::string Gbk(const wchar_t* text) { return ToGbk(CString(text)); }
};

TEST_F(StakeFiles, LibraryAndExportLines) {
    const std::vector<StakeRow> rows = {{L"A", L"100.0", L"200.0", L"10.0", L"00000000"},
                                        {L"桩B", L"1", L"2", L"3", L"路"}};
    EXPECT_EQ(PtbBytes(rows), Gbk(L"0,A,100.0,200.0,10.0,00000000,\r\n0,桩B,1,2,3,路,\r\n"));
    EXPECT_EQ(XyhExportBytes(rows), Gbk(L"A,100.0,200.0,10.0,00000000,\r\n桩B,1,2,3,路,\r\n"));
    // A long name is written whole, never cut at a buffer's length.
    const std::vector<StakeRow> longRow = {{CString(std::wstring(300, L'点')), L"1", L"2", L"3", L"c"}};
    EXPECT_EQ(PtbBytes(longRow).size(), 600u + 13u);
}

TEST_F(StakeFiles, ReadingLibrariesAndImports) {
    // A library skips empty lines; a row without numbers and a last line without LF (cut short)
    // are left out and counted.
    WriteHostFile("Jobs/road/a.ptb",
                  Gbk(L"0,P1,1.5,2.5,3.5,c1,\r\n\r\n0, 桩2 ,4,5,6,c2,\r\n0,  ,,,,\r\n0,,7,8,9,\r\n0,P3,7"));
    std::vector<StakeRow> rows;
    const DataFileRead read = ReadStakeRows(L"\\Jobs\\road\\a.ptb", StakeRowLayout::kLibrary, rows);
    ASSERT_TRUE(read);
    EXPECT_EQ(read.skipped, 2u);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].name, L" 桩2 ");
    EXPECT_TRUE(rows[2].name.IsEmpty() && rows[2].code.IsEmpty());
    const std::vector<PointRecord> points = ReadStakePoints(L"\\Jobs\\road\\a.ptb");
    ASSERT_EQ(points.size(), 2u);  // the nameless row is left out
    EXPECT_EQ(points[1].name, L"桩2");
    EXPECT_DOUBLE_EQ(points[0].y, 2.5);
    // The job's point file is appended to: its torn last piece is dropped.
    WriteHostFile("Jobs/road/p.xyh", "P1,100.0,200.0,10.0,00000000,x,y\r\nP2,1,2,3,c\r\nP3,4");
    rows.clear();
    ASSERT_TRUE(ReadStakeRows(L"\\Jobs\\road\\p.xyh", StakeRowLayout::kCoordFile, rows));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].name, L"P1");
    EXPECT_EQ(rows[0].x, L"100.0");
    EXPECT_EQ(rows[0].code, L"00000000");
    EXPECT_FALSE(ReadStakeRows(L"\\Jobs\\road\\none.ptb", StakeRowLayout::kLibrary, rows));
}

TEST_F(StakeFiles, RecordsAreAppendedBesideTheLibrary) {
    EXPECT_EQ(StakeRecordPath(L"\\Jobs\\road\\b.ptb", L"ptr"), L"\\Jobs\\road\\b.ptr");
    EXPECT_EQ(StakeRecordPath(L"D:\\a\\road.lnb", L"lnr"), L"D:\\a\\road.lnr");
    const CString path = L"\\Jobs\\road\\b.ptr";
    ASSERT_TRUE(AppendStakeRecord(path, {L"放1", 3000000.12346, 500000.5, 12.25, L"code", 0}).written);
    ASSERT_TRUE(AppendStakeRecord(path, {L"P2", 1, 2, 3, L"", 0}).written);
    EXPECT_EQ(ReadHostFile("Jobs/road/b.ptr"),
              Gbk(L"放1,3000000.1235,500000.5000,12.2500,code\r\nP2,1.0000,2.0000,3.0000,\r\n"));
    WriteHostFile("Jobs/road/b.ptr", ReadHostFile("Jobs/road/b.ptr") + "P3,9");
    const std::vector<PointRecord> records = ReadStakeRecords(path);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].name, L"放1");
    EXPECT_DOUBLE_EQ(records[1].h, 3.0);
    EXPECT_FALSE(AppendStakeRecord(L"\\Jobs\\missing\\x.ptr", {}).written);

    // The next append keeps a last record that lacks its line end and gives it one; a piece that is no
    // record goes to the file's ".bad" copy, to be told.
    const struct {
        const char* end;
        bool cutAside;
        const char* kept;
    } ends[] = {
        {"P3,9", true, ""},
        {"P4, 1 ,2,3,路\r", false, "P4, 1 ,2,3,路\r\n"},
        {"  ", true, ""},
    };
    for (const auto& e : ends) {
        SCOPED_TRACE(e.end);
        std::filesystem::remove(root_ / "Jobs/road/c.ptr.bad");
        WriteHostFile("Jobs/road/c.ptr", ToGbk(CString(L"P1,1,2,3,\r\n") + FromUtf8(e.end)));
        const LinesAppended appended = AppendStakeRecord(L"\\Jobs\\road\\c.ptr", {L"P6", 1, 2, 3, L"", 0});
        EXPECT_TRUE(appended.written);
        EXPECT_EQ(appended.cutAside, e.cutAside);
        EXPECT_EQ(ReadHostFile("Jobs/road/c.ptr"),
                  ToGbk(CString(L"P1,1,2,3,\r\n") + FromUtf8(e.kept) + L"P6,1.0000,2.0000,3.0000,\r\n"));
        EXPECT_EQ(std::filesystem::exists(root_ / "Jobs/road/c.ptr.bad"), e.cutAside);
    }
    EXPECT_EQ(ReadHostFile("Jobs/road/c.ptr.bad"), "  ");
}

TEST_F(StakeFiles, LineFiles) {
    // The example line: length sqrt(50^2 + 60^2) = 78.1025 to four decimals.
    const LineSegRec line = ParseLineFileLine(L"P1,100,200,5,C1,P2,150,260,5,C2,1000", false);
    EXPECT_EQ(line.start.name, L"P1");
    EXPECT_EQ(line.end.code, L"C2");
    EXPECT_DOUBLE_EQ(line.startMileage, 1000.0);
    CString length;
    length.Format(L"%.4f", PlanDistance(line.start.x, line.start.y, 0, line.end.x, line.end.y, 0));
    EXPECT_EQ(length, L"78.1025");
    EXPECT_EQ(LineFileBytes({line}),
              "P1,100.0000,200.0000,5.0000,C1,P2,150.0000,260.0000,5.0000,C2,1000.0000\r\n");
    const LineSegRec shortLine = ParseLineFileLine(L" A ,1,2,3,c, B ", true);
    EXPECT_EQ(shortLine.start.name, L"A");
    EXPECT_EQ(shortLine.end.name, L"B");
    EXPECT_EQ(shortLine.end.x, 0.0);
    EXPECT_EQ(shortLine.startMileage, 0.0);

    WriteHostFile("Jobs/road/r.lnb", "A,1,2,3,c,B,4,5,6,d,7\r\n\r\n  \r\nC,1,1,1,,D,2,2,2,,0\r\n");
    std::vector<LineSegRec> lines;
    EXPECT_EQ(ReadLineFile(L"\\Jobs\\road\\r.lnb", true, lines).skipped, 0u);
    EXPECT_EQ(lines.size(), 2u);
    lines.clear();
    // The library's own reader counts a line of blanks as one it cannot read.
    EXPECT_EQ(ReadLineFile(L"\\Jobs\\road\\r.lnb", false, lines).skipped, 1u);
    EXPECT_EQ(lines.size(), 2u);
}

TEST_F(StakeFiles, SettingsFilesInTheirKeyOrder) {
    PointStakeSettings point;
    point.curLayoutFileName = L"\\Jobs\\road\\桩.ptb";
    point.showSurveyPoint = -1;
    const CString pointPath = PointStakeSettingsPath(L"\\Jobs\\road");
    ASSERT_TRUE(SavePointStakeSettings(pointPath, point));
    EXPECT_EQ(ReadHostFile("Jobs/road/ptlayauto"),
              Gbk(L"[ShowAllLayoutPoint]0\r\n[ShowRecordLayoutPoint]1\r\n[SoundPrompt]1\r\n"
                  L"[MinLayoutPrompt]0.30000000\r\n[MaxLayoutPrompt]0.90000000\r\n"
                  L"[CurLayoutFileName]\\Jobs\\road\\桩.ptb\r\n[ShowSurveyPoint]-1\r\n"));
    PointStakeSettings readBack;
    readBack.soundPrompt = 0;
    LoadPointStakeSettings(pointPath, readBack);
    EXPECT_EQ(readBack.soundPrompt, 1);
    EXPECT_EQ(readBack.curLayoutFileName, point.curLayoutFileName);
    EXPECT_EQ(readBack.showSurveyPoint, -1);

    LineStakeSettings line;
    line.intMilPrompt = 1;
    ASSERT_TRUE(SaveLineStakeSettings(LineStakeSettingsPath(L"\\Jobs\\road"), line));
    EXPECT_EQ(
        ReadHostFile("Jobs/road/lnlayauto"),
        "[ShowAllLayoutLine]1\r\n[ShowRecordLayoutPoint]1\r\n[ShowPlumb]0\r\n[SoundPrompt]1\r\n"
        "[MinPrompt]0.30000000\r\n[MaxPrompt]1.50000000\r\n[CurLayoutFileName]\r\n[ShowSurveyPoint]0\r\n"
        "[IntMilPrompt]1\r\n[dIntMileage]50.00000000\r\n");
    // A file lacking a key leaves its value.
    WriteHostFile("Jobs/road/lnlayauto", "[MaxPrompt]2.5\r\n");
    LineStakeSettings partial;
    LoadLineStakeSettings(LineStakeSettingsPath(L"\\Jobs\\road"), partial);
    EXPECT_EQ(partial.maxPrompt, 2.5);
    EXPECT_EQ(partial.intMileage, 50.0);
    EXPECT_FALSE(SaveLineStakeSettings(L"\\Jobs\\missing\\lnlayauto", line));
}

// Every key changed from its default: the file holds each in its place, and reading it into
// defaults gives every field back.
TEST_F(StakeFiles, EveryKeyIsWrittenAndReadBack) {
    const PointStakeSettings point{1, 0, 0, 0.25, 1.75, L"\\Jobs\\road\\a.ptb", 12};
    const CString pointPath = PointStakeSettingsPath(L"\\Jobs\\road");
    ASSERT_TRUE(SavePointStakeSettings(pointPath, point));
    EXPECT_EQ(ReadHostFile("Jobs/road/ptlayauto"),
              "[ShowAllLayoutPoint]1\r\n[ShowRecordLayoutPoint]0\r\n[SoundPrompt]0\r\n"
              "[MinLayoutPrompt]0.25000000\r\n[MaxLayoutPrompt]1.75000000\r\n"
              "[CurLayoutFileName]\\Jobs\\road\\a.ptb\r\n[ShowSurveyPoint]12\r\n");
    PointStakeSettings pointBack;
    LoadPointStakeSettings(pointPath, pointBack);
    EXPECT_EQ(pointBack.showAllLayoutPoint, 1);
    EXPECT_EQ(pointBack.showRecordLayoutPoint, 0);
    EXPECT_EQ(pointBack.soundPrompt, 0);
    EXPECT_EQ(pointBack.minLayoutPrompt, 0.25);
    EXPECT_EQ(pointBack.maxLayoutPrompt, 1.75);
    EXPECT_EQ(pointBack.curLayoutFileName, L"\\Jobs\\road\\a.ptb");
    EXPECT_EQ(pointBack.showSurveyPoint, 12);

    const LineStakeSettings line{0, 0, 1, 0, 0.5, 2.5, L"\\Jobs\\road\\b.lnb", -1, 1, 20.0};
    const CString linePath = LineStakeSettingsPath(L"\\Jobs\\road");
    ASSERT_TRUE(SaveLineStakeSettings(linePath, line));
    EXPECT_EQ(ReadHostFile("Jobs/road/lnlayauto"),
              "[ShowAllLayoutLine]0\r\n[ShowRecordLayoutPoint]0\r\n[ShowPlumb]1\r\n[SoundPrompt]0\r\n"
              "[MinPrompt]0.50000000\r\n[MaxPrompt]2.50000000\r\n[CurLayoutFileName]\\Jobs\\road\\b.lnb\r\n"
              "[ShowSurveyPoint]-1\r\n[IntMilPrompt]1\r\n[dIntMileage]20.00000000\r\n");
    LineStakeSettings lineBack;
    LoadLineStakeSettings(linePath, lineBack);
    EXPECT_EQ(lineBack.showAllLayoutLine, 0);
    EXPECT_EQ(lineBack.showRecordLayoutPoint, 0);
    EXPECT_EQ(lineBack.showPlumb, 1);
    EXPECT_EQ(lineBack.soundPrompt, 0);
    EXPECT_EQ(lineBack.minPrompt, 0.5);
    EXPECT_EQ(lineBack.maxPrompt, 2.5);
    EXPECT_EQ(lineBack.curLayoutFileName, L"\\Jobs\\road\\b.lnb");
    EXPECT_EQ(lineBack.showSurveyPoint, -1);
    EXPECT_EQ(lineBack.intMilPrompt, 1);
    EXPECT_EQ(lineBack.intMileage, 20.0);
}

TEST_F(StakeFiles, CountTexts) {
    EXPECT_EQ(ShowCountText(-1), L"全部");
    EXPECT_EQ(ShowCountText(5), L"5");
    for (const auto& [text, count] : {std::pair{L"全部", -1}, std::pair{L"5", 5}, std::pair{L"abc", 0}})
        EXPECT_EQ(ParseShowCount(text), count) << count;
    EXPECT_EQ(DefaultStakeLibrary(L"\\Jobs\\road", L"road.qzs", L"ptb"), L"\\Jobs\\road\\road.ptb");
}

}  // namespace
