#include <gtest/gtest.h>

#include "export/BlhExport.h"
#include "export/ExportFile.h"
#include "export/PointExport.h"
#include "tests/export/ExportSources.h"

TEST(PointExport, EachLayoutMatchesItsGolden) {
    const struct {
        PointExportLayout layout;
        const char* golden;
    } cases[] = {
        {PointExportLayout::kNameCodeEastNorthHeight, "points-name-code-east-north.dat"},
        {PointExportLayout::kNameNorthEastHeightCode, "points-name-north-east-code.csv"},
        {PointExportLayout::kNameCodeNorthEastHeight, "points-name-code-north-east.csv"},
    };
    for (const auto& c : cases) {
        const ExportText text = BuildPointExport(kPointFile, c.layout);
        EXPECT_EQ(text.bytes, ReadExportGolden(c.golden)) << c.golden;
        EXPECT_EQ(text.points, 3);
    }
    EXPECT_EQ(BuildPointExport(L"", PointExportLayout::kNameCodeEastNorthHeight).points, 0);
    // Every point the coordinate view lists: a short last line without its line end too, never a
    // line a power loss filled with NULs.
    const CString whole = kPointFile.Left(kPointFile.ReverseFind(L'\n') + 1);
    const CString shortLast = whole + L"P4,3000009.000,500007.000,16.000,c";
    const ExportText withShort = BuildPointExport(shortLast, PointExportLayout::kNameNorthEastHeightCode);
    EXPECT_EQ(withShort.points, 4);
    EXPECT_EQ(withShort.bytes.substr(withShort.bytes.size() - 36), "P4,3000009.000,500007.000,16.000,c\r\n");
    EXPECT_EQ(BuildPointExport(whole + CString(std::wstring(L"P5,1,2,3\0\r\n", 11)),
                               PointExportLayout::kNameCodeEastNorthHeight)
                  .points,
              3);
}

// The point file's points with their own raw records: P1's first record (the fix it was stored
// from), not the later record under the same name whose point left the file; P3 has no record.
TEST(BlhExport, PointsOfThePointFileInBothStyles) {
    // 30°30'12.345678" = 30.5 + 12.345678 / 3600 = 30.503429355.
    ExportText text = BuildBlhExport(kPointFile, kRawFile, LatLonStyle::kDecimalDegrees, kNoGrid);
    EXPECT_EQ(text.bytes, ReadExportGolden("blh-decimal.txt"));
    EXPECT_EQ(text.points, 2);
    EXPECT_EQ(text.leftOut, std::vector<CString>{L"P3"});
    text = BuildBlhExport(kPointFile, kRawFile, LatLonStyle::kPackedDms, kNoGrid);
    EXPECT_EQ(text.bytes, ReadExportGolden("blh-packed.txt"));
}

// What the coordinate view does to a point shows in the export: a renamed point with a new antenna
// height keeps its raw record's position under its new name and height; a deleted one is gone.
TEST(BlhExport, FollowsRenamedAndDeletedPoints) {
    const CString edited = [] {
        CString t = kPointFile;
        t.Replace(L"点2,3000004.000,500003.000,12.500,00000000,1.500,",
                  L"新2,3000004.000,500003.000,12.000,00000000,2.000,");
        return t;
    }();
    const struct {
        CString points;
        const char* lines;
        std::vector<CString> leftOut;
    } cases[] = {
        {edited,
         "P1,30.3000000000,114.1500000000,30.000,1.500\r\n\xD0\xC2"
         "2,30.3012345678,114.1523456789,35.012,2.000\r\n",
         {L"P3"}},
        {kPointFile.Left(kPointFile.Find(L"点2")), "P1,30.3000000000,114.1500000000,30.000,1.500\r\n", {}},
        {kPointFile, "", {L"P1", L"点2", L"P3"}},
        {kPointFile.Left(kPointFile.ReverseFind(L'\n') + 1) + L"P4,3000009.000,500007.000,16.000,c",
         "",
         {L"P1", L"点2", L"P3", L"P4"}},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const CString raw = i >= 2 ? CString() : kRawFile;
        const ExportText text = BuildBlhExport(cases[i].points, raw, LatLonStyle::kPackedDms, kNoGrid);
        EXPECT_EQ(text.bytes, cases[i].lines) << i;
        EXPECT_EQ(text.leftOut, cases[i].leftOut) << i;
    }
}

TEST(ExportFile, NamesThatCannotBeUsed) {
    const std::wstring longName(300, L'a');
    const struct {
        const wchar_t* name;
        ExportNameCheck check;
    } cases[] = {
        {L"road.dat", ExportNameCheck::kOk},
        {L"成果", ExportNameCheck::kOk},
        {L"", ExportNameCheck::kEmpty},
        {L"..\\road.dat", ExportNameCheck::kBadCharacter},
        {L"a/b.txt", ExportNameCheck::kBadCharacter},
        {L"a?.txt", ExportNameCheck::kBadCharacter},
        {L"road.XYH", ExportNameCheck::kJobFileKind},
        {L"road.blh", ExportNameCheck::kJobFileKind},
        {L"road.qzs", ExportNameCheck::kJobFileKind},
        {L"road.lib", ExportNameCheck::kJobFileKind},
        {L".", ExportNameCheck::kLeadingDot},
        {L"..", ExportNameCheck::kLeadingDot},
        {L".txt", ExportNameCheck::kLeadingDot},
        {L"도로.txt", ExportNameCheck::kOutsideCodePage},
        {L"road\U0001F600.txt", ExportNameCheck::kOutsideCodePage},
        {longName.c_str(), ExportNameCheck::kTooLong},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckExportName(c.name), c.check) << c.name;
}
