#include "survey/PointFileRows.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "foundation/StoreJournal.h"
#include "foundation/StoredPointLines.h"
#include "platform/text/CodePage.h"
#include "survey/DataEditRules.h"
#include "tests/platform/files/DeviceRootFixture.h"

// The golden files were typed from the point-file layout, not produced by this code.
namespace {

std::string Golden(const char* name) {
    std::ifstream in(std::filesystem::path(QZ_SOURCE_DIR) / "tests/survey/golden" / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

const wchar_t* const kTail = L",0,0.00,0,0,0.000,0,0.000,,,0.000,,,0.000,0.000,,,,0,,,";

// 桩1, an empty line, 桩2 with blanks around its name, 桩3 with two fields past the 36th, and an
// append cut short.
CString StoredText() {
    return CString(
               L"桩1,3456789.123,512345.678,55.289,房角,1.500,10,0.012,0.023,09,1.80,08:05:09,2026-12-07,1,3,"
               L"4") +
           kTail + L"\r\n\r\n" +
           L" 桩2 ,3456790,512346.0,56.000,房角,1.8,9,0.015,0.030,08,2.10,08:06:00,2026-12-07,1,3,4" + kTail +
           L"\r\n" +
           L"桩3,3456791.000,512347.000,100.000,电杆,1.800,10,0.010,0.020,10,1.50,08:07:00,2026-12-07,1,3,4" +
           kTail + L"多余,字段,\r\n" + L"桩4,3456";
}

class PointFileRowsTest : public DeviceRootTest {
protected:
    void SetUp() override {
        DeviceRootTest::SetUp();
        WriteHostFile("data/road.xyh", ToGbk(StoredText()));
        ASSERT_EQ(rows.Open(kPath), PointFileRows::Read::kRead);
    }
    std::string File() const { return ReadHostFile("data/road.xyh"); }

    static constexpr const wchar_t* kPath = L"\\data\\road.xyh";
    PointFileRows rows;
};

}  // namespace

TEST_F(PointFileRowsTest, NewestFirstWithoutEmptyLinesOrTheTornTail) {
    ASSERT_EQ(rows.Count(), 3);
    EXPECT_EQ(rows.Skipped(), 0u);
    EXPECT_EQ(rows.Record(0).name, L"桩3");
    EXPECT_EQ(rows.Record(1).name, L"桩2");  // trimmed
    EXPECT_EQ(rows.Record(2).name, L"桩1");
    EXPECT_DOUBLE_EQ(rows.Record(1).antennaHeight, 1.8);
    EXPECT_EQ(rows.Record(1).fixTexts[0], L"9");

    // A short line reads its missing columns as empty texts and zero; one without its height holds
    // no point.
    WriteHostFile("data/short.xyh", ToGbk(CString(L"短,1,2,3\r\n无高,1,2\r\n")));
    PointFileRows shortRows;
    ASSERT_EQ(shortRows.Open(L"\\data\\short.xyh"), PointFileRows::Read::kRead);
    ASSERT_EQ(shortRows.Count(), 1);
    EXPECT_EQ(shortRows.Skipped(), 1u);
    EXPECT_EQ(shortRows.Record(0).name, L"短");
    EXPECT_DOUBLE_EQ(shortRows.Record(0).pointY, 2.0);
    EXPECT_EQ(shortRows.Record(0).code, L"");
    EXPECT_EQ(shortRows.Open(L"\\data\\none.xyh"), PointFileRows::Read::kMissing);
    EXPECT_EQ(shortRows.Count(), 0);
}

TEST_F(PointFileRowsTest, ChangesRewriteEveryLineFromItsRecord) {
    // The unfinished last line is no row; a change keeps it with the line end it lacked.
    const std::string unfinished = ToGbk(CString(L"桩4,3456\r\n"));
    // The antenna moves from 1.800 to 2.000 over a mark at 100.000: the mark is now at 99.800.
    SurveyPointRec edited = rows.Record(0);
    ChangeAntennaHeight(edited, 2.0);
    ASSERT_EQ(rows.Replace(0, edited), PointFileRows::Change::kDone);
    EXPECT_EQ(File(), Golden("antenna.xyh") + unfinished);
    ASSERT_EQ(rows.Count(), 3);
    EXPECT_EQ(rows.Skipped(), 1u);  // the kept line holds no height

    WriteHostFile("data/road.xyh", ToGbk(StoredText()));
    ASSERT_EQ(rows.Open(kPath), PointFileRows::Read::kRead);
    ASSERT_EQ(rows.Delete(1), PointFileRows::Change::kDone);
    EXPECT_EQ(File(), Golden("deleted.xyh") + unfinished);
    EXPECT_EQ(rows.Count(), 2);
    EXPECT_EQ(rows.Record(1).name, L"桩1");
}

// A file made on a PC often ends without its last line end: that point is a row at once, a change
// gives it its line end, and a store after it (which gives it the line end first) joins above it.
TEST_F(PointFileRowsTest, ALastPointWithoutItsLineEndIsListedAndKeptByAChangeOrAStore) {
    const std::string last = ToGbk(CString(L"桩9,1.000,2.000,3.000,码,1.000,10,,,,,,,1,3,2") + kTail);
    const std::string stored =
        ToGbk(CString(L"桩10,1.000,2.000,3.000,码,1.000,10,,,,,,,1,3,2") + kTail + L"\r\n");
    for (const char* end : {"", "\r"}) {
        SCOPED_TRACE(*end ? "CR" : "no line end");
        WriteHostFile("data/road.xyh", Golden("antenna.xyh") + last + end);
        ASSERT_EQ(rows.Open(kPath), PointFileRows::Read::kRead);
        ASSERT_EQ(rows.Count(), 4);
        EXPECT_EQ(rows.Skipped(), 0u);
        EXPECT_EQ(rows.Record(0).name, L"桩9");
        EXPECT_DOUBLE_EQ(rows.Record(0).pointH, 3.0);

        WriteHostFile("data/road.xyh", Golden("antenna.xyh") + last + "\r\n" + stored);
        ASSERT_EQ(rows.Open(kPath), PointFileRows::Read::kRead);
        ASSERT_EQ(rows.Count(), 5);
        EXPECT_EQ(rows.Record(0).name, L"桩10");
        EXPECT_EQ(rows.Record(1).name, L"桩9");

        WriteHostFile("data/road.xyh", Golden("antenna.xyh") + last + end);
        ASSERT_EQ(rows.Open(kPath), PointFileRows::Read::kRead);
        ASSERT_EQ(rows.Delete(2), PointFileRows::Change::kDone);
        EXPECT_EQ(rows.Count(), 3);
        EXPECT_EQ(rows.JoinedByLastChange(), 0);
        EXPECT_EQ(rows.Record(0).name, L"桩9");
        const std::string file = File();
        EXPECT_EQ(file.substr(file.size() - last.size() - 2), last + "\r\n");
    }
}

TEST_F(PointFileRowsTest, LinesThatHoldNoPointAreCountedAndKeptAsTheyWere) {
    const std::string junk = "\x01\x02garbage\r\n";
    const std::string noNorth = ToGbk(CString(L"桩x,北,512345.678,55.289,房角") + kTail + L"\r\n");
    WriteHostFile("data/road.xyh", junk + Golden("antenna.xyh") + noNorth);
    ASSERT_EQ(rows.Open(kPath), PointFileRows::Read::kRead);
    EXPECT_EQ(rows.Count(), 3);
    EXPECT_EQ(rows.Skipped(), 2u);
    EXPECT_EQ(rows.Record(0).name, L"桩3");
    EXPECT_EQ(rows.Record(2).name, L"桩1");
    ASSERT_EQ(rows.Delete(1), PointFileRows::Change::kDone);
    const std::string golden = Golden("antenna.xyh");
    const size_t second = golden.find('\n') + 1, third = golden.find('\n', second) + 1;
    EXPECT_EQ(File(), junk + golden.substr(0, second) + golden.substr(third) + noNorth);
    EXPECT_EQ(rows.Skipped(), 2u);
}

TEST_F(PointFileRowsTest, PointsStoredSinceTheReadingJoinAtTheTop) {
    const std::string stored =
        ToGbk(CString(L"桩5,1.000,2.000,3.000,码,1.000,10,,,,,,,1,3,2") + kTail + L"\r\n");
    EXPECT_EQ(rows.TakeStored(), 0);
    // The store cuts the unfinished line "桩4,3456" before it appends.
    std::string file = File();
    file.resize(file.size() - ToGbk(CString(L"桩4,3456")).size());
    WriteHostFile("data/road.xyh", file + stored + stored);
    EXPECT_EQ(rows.TakeStored(), 2);
    ASSERT_EQ(rows.Count(), 5);
    EXPECT_EQ(rows.Record(0).name, L"桩5");
    EXPECT_EQ(rows.Record(2).name, L"桩3");
    EXPECT_EQ(rows.TakeStored(), 0);
    ASSERT_EQ(rows.Delete(0), PointFileRows::Change::kDone);
    EXPECT_EQ(rows.Count(), 4);

    // The first store of a job makes the file.
    ASSERT_EQ(rows.Open(L"\\data\\new.xyh"), PointFileRows::Read::kMissing);
    EXPECT_EQ(rows.TakeStored(), 0);
    WriteHostFile("data/new.xyh", stored);
    EXPECT_EQ(rows.TakeStored(), 1);
    EXPECT_EQ(rows.Record(0).name, L"桩5");
}

TEST_F(PointFileRowsTest, OpeningAgainReadsOnlyWhatChangedSinceTheFileWasIndexed) {
    const auto path = root_ / "data/road.xyh";
    const std::string read = File();
    // The second line turned into one that holds no point, in place: its length and the file's
    // time as they were. The kept rows stand; a new time has the file read anew.
    std::string damaged = read;
    damaged.replace(damaged.find("3456790"), 7, "xxxxxxx");
    const auto time = std::filesystem::last_write_time(path);
    WriteHostFile("data/road.xyh", damaged);
    std::filesystem::last_write_time(path, time);
    ASSERT_EQ(rows.Open(kPath), PointFileRows::Read::kRead);
    EXPECT_EQ(rows.Count(), 3);
    std::filesystem::last_write_time(path, time + std::chrono::seconds(1));
    ASSERT_EQ(rows.Open(kPath), PointFileRows::Read::kRead);
    EXPECT_EQ(rows.Count(), 2);
    EXPECT_EQ(rows.Skipped(), 1u);

    // Stored since: only they are taken in, at the top.
    const std::string stored = ToGbk(CString(L"桩5,1.000,2.000,3.000,码") + kTail + L"\r\n");
    std::ofstream(path, std::ios::binary | std::ios::app) << "\r\n" << stored;
    ASSERT_EQ(rows.Open(kPath), PointFileRows::Read::kRead);
    EXPECT_EQ(rows.Count(), 3);
    EXPECT_EQ(rows.Record(0).name, L"桩5");

    // Grown, but not by an append: read anew.
    WriteHostFile("data/road.xyh", Golden("antenna.xyh") + stored + stored);
    ASSERT_EQ(rows.Open(kPath), PointFileRows::Read::kRead);
    EXPECT_EQ(rows.Count(), 5);
    EXPECT_EQ(rows.Skipped(), 0u);
    EXPECT_EQ(rows.Open(L"\\data\\none.xyh"), PointFileRows::Read::kMissing);
    EXPECT_EQ(rows.Count(), 0);
}

TEST_F(PointFileRowsTest, AFileChangedOtherwiseThanByAStoreIsNeitherJoinedNorWritten) {
    const std::string read = File();
    const std::string stored = ToGbk(CString(L"桩5,1.000,2.000,3.000,码") + kTail + L"\r\n");
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"a byte of the last line", std::string(read).replace(read.find("100.000"), 7, "100.001") + stored},
        {"a line removed", read.substr(read.find('\n') + 1) + stored},
        {"a line longer", std::string(read).insert(read.find(","), "x") + stored},
        {"shorter than read", read.substr(0, 100)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(rows.Open(kPath), PointFileRows::Read::kRead);
        WriteHostFile("data/road.xyh", c.bytes);
        EXPECT_EQ(rows.TakeStored(), 0);
        EXPECT_EQ(rows.Count(), 3);
        EXPECT_EQ(rows.Delete(0), PointFileRows::Change::kChangedSinceRead);
        EXPECT_EQ(File(), c.bytes);
        WriteHostFile("data/road.xyh", read);
    }
}

TEST_F(PointFileRowsTest, AFileRemovedUnderTheViewIsNotWrittenAgain) {
    std::filesystem::remove(root_ / "data/road.xyh");
    EXPECT_EQ(rows.Delete(0), PointFileRows::Change::kChangedSinceRead);
    EXPECT_FALSE(std::filesystem::exists(root_ / "data/road.xyh"));
}

// The journal records where its stores' lines begin, which a rewrite moves: a change settles the
// stores first, so that a deleted line of the same length as a store's never makes a start give that
// store its line again.
TEST_F(PointFileRowsTest, AChangeSettlesTheStoresOfTheJournalFirst) {
    SurveyPointRec point;
    point.code = L"房角";
    point.name = L"A1";
    const std::string first = ToGbk(*PointFileLine(point));
    point.name = L"A2";
    const std::string second = ToGbk(*PointFileLine(point));
    WriteHostFile("data/road.xyh", first + second);
    ASSERT_TRUE(AppendStoreRecord(L"\\road.qzj", {L"A2", {{kPath, first.size(), second}}}));
    ASSERT_EQ(rows.Open(kPath, L"\\road.qzj"), PointFileRows::Read::kRead);
    ASSERT_EQ(rows.Record(1).name, L"A1");
    ASSERT_EQ(rows.Delete(1), PointFileRows::Change::kDone);
    EXPECT_EQ(File(), second);
    EXPECT_EQ(FinishInterruptedStore(L"\\road.qzj").status, JournalRepair::kNone);
    EXPECT_EQ(File(), second);
}

// The worker may read the file before or after each change below: either way the view opens on
// the file as it is then, as a view that reads it all at the opening does.
TEST_F(PointFileRowsTest, AFileIndexedAheadOpensAsTheFileIsWhenOpened) {
    const std::string read = File();
    const std::string stored = ToGbk(CString(L"桩5,1.000,2.000,3.000,码") + kTail + L"\r\n");
    const std::string torn = ToGbk(CString(L"桩4,3456"));
    WriteHostFile("data/other.xyh", stored);
    struct Case {
        const char* what;
        const wchar_t* aheadPath;
        const char* file;   // the file then written and opened, in data
        std::string bytes;  // what it holds once the read ahead has started
        int count;
        size_t skipped;
    } cases[] = {
        {"unchanged", kPath, "road.xyh", read, 3, 0},
        {"stored since", kPath, "road.xyh", read.substr(0, read.size() - torn.size()) + stored + stored, 5,
         0},
        {"rewritten", kPath, "road.xyh", Golden("antenna.xyh") + "x,y\r\n", 3, 1},
        {"made since", L"\\data\\made.xyh", "made.xyh", read, 3, 0},
        {"another file ahead", L"\\data\\other.xyh", "road.xyh", read, 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CString path = CString(L"\\data\\") + FromGbk(c.file);
        PointFileRows ahead;
        ahead.IndexAhead(c.aheadPath);
        WriteHostFile(std::filesystem::path("data") / c.file, c.bytes);
        ASSERT_EQ(ahead.Open(path), PointFileRows::Read::kRead);
        PointFileRows plain;
        ASSERT_EQ(plain.Open(path), PointFileRows::Read::kRead);
        ASSERT_EQ(ahead.Count(), c.count);
        EXPECT_EQ(ahead.Skipped(), c.skipped);
        for (int row = 0; row < c.count; ++row) EXPECT_EQ(ahead.Record(row).name, plain.Record(row).name);
        WriteHostFile("data/road.xyh", read);
    }
}

// A read ahead still running when the rows go (the program ends) is stopped and waited for.
TEST_F(PointFileRowsTest, RowsGoneWhileReadingAheadEndCleanly) {
    for (int i = 0; i < 3; ++i) {
        PointFileRows ahead;
        ahead.IndexAhead(kPath);
        ahead.IndexAhead(kPath);
    }
}
