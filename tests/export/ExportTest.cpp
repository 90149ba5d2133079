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
}

TEST(BlhExport, LastRecordOfEachNameInBothStyles) {
    // 30°31'00" = 30.516666667; 30°30'12.345678" = 30.5 + 12.345678 / 3600 = 30.503429355.
    ExportText text = BuildBlhExport(kRawFile, LatLonStyle::kDecimalDegrees);
    EXPECT_EQ(text.bytes, ReadExportGolden("blh-decimal.txt"));
    EXPECT_EQ(text.points, 2);
    text = BuildBlhExport(kRawFile, LatLonStyle::kPackedDms);
    EXPECT_EQ(text.bytes, ReadExportGolden("blh-packed.txt"));
}

TEST(ExportFile, NamesThatCannotBeUsed) {
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
    };
    for (const auto& c : cases) EXPECT_EQ(CheckExportName(c.name), c.check) << c.name;
}
