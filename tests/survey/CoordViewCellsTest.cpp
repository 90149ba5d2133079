#include "survey/CoordViewCells.h"

#include <gtest/gtest.h>

#include "survey/DataEditRules.h"

namespace {
SurveyPointRec Point(int kind, int format, int subType) {
    SurveyPointRec p;
    p.name = L"桩1";
    p.pointX = 3456789.1234;
    p.pointKind = kind;
    p.storeFormat = format;
    p.surveyType = subType;
    p.int19 = 2;
    p.int20 = 71;
    p.int22 = 1191;
    p.value21 = 45.5;
    p.value23 = 1.2;
    p.value26 = 3.456;
    p.value30 = -0.25;
    p.text32 = L"黏土";
    p.text33 = L"备注甲";
    p.fixTexts = {L"9", L"0.012", L"0.023"};
    return p;
}
}  // namespace

TEST(CoordViewCells, ColumnsByKindFormatAndSubType) {
    struct Case {
        int kind, format, subType;
        // Columns 6, 9, 10, 11, 12, 13, 14, 15.
        std::array<const wchar_t*, 8> texts;
    };
    const Case cases[] = {
        {0, 0, 3, {L"1点测标注跨越物", L"71---铁路", L"2--[IJ]", L"45.500", L"3.456", L"", L"备注甲", L""}},
        {0, 0, 4, {L"1点测路河塘房等", L"双线河--191", L"1.200", L"45.500", L"3.456", L"", L"备注甲", L""}},
        {0, 0, 2, {L"辅助点", L"", L"", L"", L"", L"", L"备注甲", L""}},
        {0, 0, 0, {L"J桩", L"", L"", L"", L"", L"", L"备注甲", L""}},
        {0, 1, 15, {L"", L"", L"1.200", L"45.500", L"3.456", L"黏土", L"备注甲", L""}},
        {0, 2, 0, {L"", L"", L"备注甲", L"", L"", L"", L"", L""}},
        {0, 6, 0, {L"", L"", L"1.200", L"45.500", L"3.456", L"", L"备注甲", L""}},
        {0, 4, 0, {L"", L"", L"", L"", L"", L"", L"备注甲", L""}},
        {2, 0, 3, {L"", L"", L"", L"", L"", L"", L"", L"-0.250"}},
        {1, 0, 3, {L"", L"", L"", L"", L"", L"", L"", L""}},
    };
    const int columns[] = {6, 9, 10, 11, 12, 13, 14, 15};
    for (const Case& c : cases) {
        const CoordViewRow row = CoordViewCells(Point(c.kind, c.format, c.subType));
        for (size_t i = 0; i < std::size(columns); ++i)
            EXPECT_EQ(row[static_cast<size_t>(columns[i])], c.texts[i])
                << "kind " << c.kind << " format " << c.format << " sub-type " << c.subType << " column "
                << columns[i];
    }
    const CoordViewRow row = CoordViewCells(Point(2, 0, 0));
    EXPECT_EQ(row[0], L"桩1");
    EXPECT_EQ(row[1], L"边桩点");
    EXPECT_EQ(row[2], L"3456789.123");
    EXPECT_EQ(row[16], L"0.000");
    EXPECT_EQ(row[17], L"0.012");
    EXPECT_EQ(row[18], L"0.023");
}

TEST(CoordViewCells, RowImageBySolution) {
    SurveyPointRec p;
    for (const auto& [solution, image] : {std::pair{L"10", 2}, {L"9", 3}, {L"8", 3}, {L"1", 4}, {L"", 4}}) {
        p.fixTexts[0] = solution;
        EXPECT_EQ(CoordViewImage(p), image) << solution;
    }
}

TEST(DataEditRules, SiweiCodeByTypePattern) {
    struct Case {
        int type;
        const wchar_t* code;
    };
    const Case cases[] = {
        {15, L"SL-1.20-3.46-7.00"},
        {7, L"10KV-3.46-7.00"},
        {16, L"GL-1.20-7.00"},
        {18, L"XL-7.00"},
        {23, L"DLF-0.50"},
        {31, L"GSL-1.20-7.00"},
        {3, L"原码"},
        {6, L"原码"},
        {32, L"原码"},
    };
    for (const Case& c : cases) {
        SurveyPointRec p;
        p.code = L"原码";
        p.surveyType = c.type;
        p.value23 = 1.2;
        p.value26 = 3.456;
        p.value21 = 7.0;
        p.value29 = 0.5;
        EXPECT_EQ(SiweiCode(p), c.code) << c.type;
    }
}
