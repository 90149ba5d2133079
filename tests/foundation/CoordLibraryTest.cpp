#include <gtest/gtest.h>

#include "foundation/CoordLibrary.h"
#include "foundation/PointSearch.h"
#include "platform/text/CodePage.h"
#include "tests/platform/files/DeviceRootFixture.h"

namespace {

std::vector<CString> Lines(const char* utf8) {
    return CoordLibLinesFromBytes(ToGbk(FromUtf8(utf8)));
}

std::string Gbk(const char* utf8) {
    return ToGbk(FromUtf8(utf8));
}

PointTexts Texts(const wchar_t* name, const wchar_t* n, const wchar_t* e, const wchar_t* h,
                 const wchar_t* code) {
    return {name, n, e, h, code};
}

}  // namespace

TEST(CoordLibFileTest, CuttingKeepsEveryPoint) {
    // An empty line in the middle, a bare LF, a CR inside a field and an unterminated last line.
    const std::vector<CString> lines =
        Lines("0,A,1,2,3,c\r\n0,B,1,2,3,c\n\r\n\r\n0,C,1,2,3\rx\r\n0,D,1,2,3,end");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], L"0,B,1,2,3,c");
    EXPECT_EQ(lines[2], L"0,C,1,2,3\rx");
    EXPECT_EQ(lines[3], L"0,D,1,2,3,end");

    // A line longer than 200 bytes stays one line.
    std::string longLine = "0," + std::string(300, 'N') + ",1,2,3,c\r\n0,next,1,2,3,c\r\n";
    const std::vector<CString> two = CoordLibLinesFromBytes(longLine);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(ParseCoordLibLine(two[0], CoordLibLayout::kLibrary).record.name.GetLength(), 300);
}

TEST(CoordLibFileTest, ParsesBothLayouts) {
    ParsedCoordLibLine p = ParseCoordLibLine(L"2,控制1,3456.1234,500.5,12.0,电杆", CoordLibLayout::kLibrary);
    EXPECT_EQ(p.record.type, 2);
    EXPECT_EQ(p.record.name, L"控制1");
    EXPECT_DOUBLE_EQ(p.record.north, 3456.1234);
    EXPECT_DOUBLE_EQ(p.record.east, 500.5);
    EXPECT_EQ(p.texts[3], L"12.0");
    EXPECT_EQ(p.record.code, L"电杆");

    // A short line leaves the missing fields empty or 0; an unreadable number reads as 0.
    p = ParseCoordLibLine(L"1,P,abc", CoordLibLayout::kLibrary);
    EXPECT_EQ(p.record.north, 0.0);
    EXPECT_TRUE(p.texts[4].IsEmpty());

    // A stored point's kind (field 15) plus one is its type; without it the point is valid.
    p = ParseCoordLibLine(L"S1,10,20,30,code,a,b,c,d,e,f,g,h,i,2,x", CoordLibLayout::kPointFile);
    EXPECT_EQ(p.record.type, 3);
    EXPECT_EQ(CoordLibTypeName(p.record.type), L"边桩点");
    EXPECT_EQ(ParseCoordLibLine(L"S2,10,20,30,code", CoordLibLayout::kPointFile).record.type, 1);

    CoordLibLayout layout{};
    EXPECT_TRUE(CoordLibLayoutOfPath(L"\\a\\pts.XYH", layout));
    EXPECT_EQ(layout, CoordLibLayout::kPointFile);
    EXPECT_TRUE(CoordLibLayoutOfPath(L"\\a\\job.lib", layout));
    EXPECT_EQ(layout, CoordLibLayout::kLibrary);
    EXPECT_FALSE(CoordLibLayoutOfPath(L"\\a\\pts.txt", layout));
}

TEST(CoordLibraryTest, RowsFilterAndRoundTripInGbk) {
    CCoordLibrary lib;
    lib.Open(Gbk("0,起点,100.5,200,3,桩\r\n5,raw,1,2,3,\r\n1,P2,7,8,9,x\r\n"));
    // A load lists every line, raw points included, with the numbers as they stand.
    ASSERT_EQ(lib.Count(), 3);
    EXPECT_EQ(lib.Row(0), (CoordLibRow{L"0", L"起点", L"100.5", L"200", L"3", L"桩", L"输入点"}));
    EXPECT_EQ(lib.Row(1)[6], L"原始点");
    EXPECT_FALSE(lib.Modified());

    // Rebuilding applies the filter: raw points are hidden by default.
    std::vector<int32_t> visible = lib.Rebuild();
    ASSERT_EQ(visible.size(), 2u);
    EXPECT_EQ(lib.Row(visible[0])[2], L"100.500");
    EXPECT_EQ(lib.Row(visible[1])[0], L"2");
    lib.SetShown(1, false);
    EXPECT_EQ(lib.Rebuild().size(), 1u);

    const std::string bytes = lib.FileBytes();
    EXPECT_EQ(bytes, ToGbk(CString(L"0,起点,100.500,200.000,3.000,桩\r\n5,raw,1.000,2.000,3.000,\r\n"
                                   L"1,P2,7.000,8.000,9.000,x\r\n")));
    CCoordLibrary reread;
    reread.Open(bytes);
    ASSERT_EQ(reread.Count(), 3);
    EXPECT_EQ(reread.Record(0).name, L"起点");
    EXPECT_EQ(reread.Record(2).height, 9.0);

    // Imported stored points join with their kind as type, listed as they stand.
    EXPECT_EQ(reread.Import(Gbk("S1,10,20,30,code,a,b,c,d,e,f,g,h,i,2,x\r\n"), CoordLibLayout::kPointFile),
              3);
    EXPECT_EQ(reread.Row(3), (CoordLibRow{L"3", L"S1", L"10", L"20", L"30", L"code", L"边桩点"}));
    EXPECT_TRUE(reread.Modified());
}

TEST(CoordLibraryTest, AddEditDeleteClear) {
    CCoordLibrary lib;
    lib.Open("0,A,1,2,3,c\r\n0,B,4,5,6,c\r\n");
    EXPECT_TRUE(lib.Delete(1));
    const int32_t added = lib.Add(Texts(L"N1", L"10.25", L"20", L"30", L"new"));
    EXPECT_EQ(lib.Row(added), (CoordLibRow{L"2", L"N1", L"10.25", L"20", L"30", L"new", L"输入点"}));
    EXPECT_TRUE(lib.Modified());
    // Deleting the new point removes it and no other.
    EXPECT_TRUE(lib.Delete(2));
    EXPECT_EQ(lib.FileBytes(), "0,A,1.000,2.000,3.000,c\r\n");

    // An edited row shows the texts as typed until the list is rebuilt.
    EXPECT_TRUE(lib.Edit(0, Texts(L"A2", L"9", L"8", L"7", L"e")));
    EXPECT_EQ(lib.Record(0).type, 0);
    EXPECT_EQ(lib.Record(0).north, 9.0);
    EXPECT_EQ(lib.Row(0)[2], L"9");
    lib.Rebuild();
    EXPECT_EQ(lib.Row(0)[2], L"9.000");
    EXPECT_FALSE(lib.Edit(7, Texts(L"x", L"1", L"1", L"1", L"")));
    EXPECT_FALSE(lib.Delete(-1));

    lib.Clear();
    EXPECT_EQ(lib.Count(), 0);
    EXPECT_EQ(lib.Row(lib.Add(Texts(L"Z", L"1", L"1", L"1", L"")))[0], L"0");
}

TEST(CoordLibraryTest, TextsThatWouldCorruptTheFileAreRefused) {
    EXPECT_TRUE(CheckPointTexts(Texts(L"P1", L"1.5", L" -2 ", L"1e2", L"a")).IsEmpty());
    EXPECT_FALSE(CheckPointTexts(Texts(L"P,1", L"1", L"2", L"3", L"")).IsEmpty());
    EXPECT_FALSE(CheckPointTexts(Texts(L"P1", L"1", L"2", L"3", L"a,b")).IsEmpty());
    EXPECT_FALSE(CheckPointTexts(Texts(L"P1", L"12a", L"2", L"3", L"")).IsEmpty());
    int bad = -1;
    EXPECT_FALSE(CheckPointTexts(Texts(L"P1", L"1", L"", L"3", L""), &bad).IsEmpty());
    EXPECT_EQ(bad, 2);
    EXPECT_FALSE(CheckPointTexts(Texts(L"P1", L"1", L"2", L"3", L"x,y"), &bad).IsEmpty());
    EXPECT_EQ(bad, 4);
    EXPECT_FALSE(CheckPointTexts(Texts(L"P1", L"1", L"2", L"0x10", L"")).IsEmpty());
    EXPECT_FALSE(
        CheckPointTexts(Texts(L"P1", L"1e999", L"2", L"3", L"")).IsEmpty());  // would be saved as "inf"
}

TEST(PointSearchTest, EarliestMatchFirstCaseBlind) {
    std::vector<PointCandidate> candidates;
    int row = 0;
    for (const wchar_t* name : {L"BA1", L"A2", L"CA", L"PT7"}) {
        PointCandidate c;
        c.point.name = name;
        c.row = row++;
        candidates.push_back(c);
    }
    std::vector<PointCandidate> found = SearchPoints(candidates, L"a");
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].point.name, L"A2");
    EXPECT_EQ(found[0].matchPosition, 0);
    EXPECT_EQ(found[1].point.name, L"BA1");
    EXPECT_EQ(found[2].point.name, L"CA");
    found = SearchPoints(candidates, L"pt");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].row, 3);
    EXPECT_TRUE(SearchPoints(candidates, L"zz").empty());
    EXPECT_EQ(SearchPoints(candidates, L"").size(), 4u);
}

// The point store appends to the library while the dialog holds a copy: a rewrite keeps what was
// appended after the loaded lines and is refused when those lines changed.
TEST(CoordLibFileTest, RewriteKeepsLinesAppendedSinceLoading) {
    const std::string records = Gbk("0,A,1.000,0.000,0.000,新\r\n");
    struct Case {
        const char* name;
        std::string loaded, current;
        std::optional<std::string> bytes;
    };
    const Case cases[] = {
        {"nothing appended", "0,A,1,0,0,c\r\n", "0,A,1,0,0,c\r\n", records},
        {"lines appended", "0,A,1,0,0,c\r\n", Gbk("0,A,1,0,0,c\r\n1,点2,5,6,7,\r\n1,P3,8,9,1,"),
         records + Gbk("1,点2,5,6,7,\r\n1,P3,8,9,1,\r\n")},
        {"appended bytes that are no GBK kept as they are", "", "1,P\xff\x81,5,6,7,\n",
         records + "1,P\xff\x81,5,6,7,\r\n"},
        {"no file when loaded", "", "1,P2,5,6,7,", records + "1,P2,5,6,7,\r\n"},
        {"a loaded line changed", "0,A,1,0,0,c\r\n1,B,2,2,2,", "0,A,1,0,0,x\r\n1,B,2,2,2,", std::nullopt},
        {"a loaded line removed", "0,A,1,0,0,c\r\n1,B,2,2,2,\r\n", "0,A,1,0,0,c\r\n", std::nullopt},
        {"an unterminated last line grew", "0,A,1,0,0,c\r\n1,P", "0,A,1,0,0,c\r\n1,P2,5,6,7,", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CoordLibBytesOver(c.loaded, c.current, records), c.bytes);
    }
}

class CoordLibDiskTest : public DeviceRootTest {};

TEST_F(CoordLibDiskTest, SaveAndReadBackOnTheDevice) {
    WriteHostFile("Jobs/road/road.lib", ToGbk(CString(L"0,起点,1,2,3,桩\r\n1,P2,4,5,6,")));
    const CString path = CoordLibPath(L"\\Jobs\\road", L"road.qzs");
    EXPECT_EQ(path, L"\\Jobs\\road\\road.lib");
    CCoordLibrary lib;
    std::string bytes;
    ASSERT_TRUE(ReadCoordLibFile(path, bytes));
    lib.Open(bytes);
    ASSERT_EQ(lib.Count(), 2);
    lib.Add({L"新点", L"7", L"8", L"9", L"码"});
    lib.Delete(0);
    ASSERT_EQ(lib.Save(path), CoordLibSave::kSaved);
    const std::string saved = ToGbk(CString(L"1,P2,4.000,5.000,6.000,\r\n0,新点,7.000,8.000,9.000,码\r\n"));
    EXPECT_EQ(ReadHostFile("Jobs/road/road.lib"), saved);
    // Saved again from the first copy: its lines no longer begin the file.
    EXPECT_EQ(lib.Save(path), CoordLibSave::kChangedSinceLoaded);
    EXPECT_EQ(ReadHostFile("Jobs/road/road.lib"), saved);

    // Lines whose north, east or height is no number are left out and counted; over 64 MiB is refused.
    lib.Open("0,A,1,2,3,c\r\n1,B,nan,2,3,c\r\n1,C,1,2\r\n2,D, 4 ,5,6\r\n");
    EXPECT_EQ(lib.Count(), 2);
    EXPECT_EQ(lib.Skipped(), 2u);
    lib.Import("P,1,2,3,c\r\nQ,1,y,3,c\r\n", CoordLibLayout::kPointFile);
    EXPECT_EQ(lib.Count(), 3);
    EXPECT_EQ(lib.Skipped(), 1u);
    WriteHostFile("Jobs/big.lib", "0,A,1,2,3,c\r\n");
    std::filesystem::resize_file(root_ / "Jobs/big.lib", kMaxDataFileBytes + 1);
    EXPECT_EQ(ReadCoordLibFile(L"\\Jobs\\big.lib", bytes).status, DataFileStatus::kTooLarge);

    bytes = "stale";
    EXPECT_FALSE(ReadCoordLibFile(L"\\Jobs\\none.lib", bytes));
    EXPECT_TRUE(bytes.empty());
    // A save that cannot be written says so.
    EXPECT_EQ(SaveCoordLibFile(L"\\Missing\\Folder\\x.lib", "", lib.FileBytes()), CoordLibSave::kFailed);
}
