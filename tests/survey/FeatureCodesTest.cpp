#include <gtest/gtest.h>

#include "survey/FeatureCodes.h"

TEST(FeatureCodes, TablesHoldTheirRowsWithIdsByTheirRules) {
    const FeatureCodeTables& t = FeatureCodes();
    EXPECT_EQ(t.crossing.size(), 45u);
    EXPECT_EQ(t.poleType.size(), 41u);
    EXPECT_EQ(t.terrain.size(), 44u);
    EXPECT_EQ(t.haizhiPoles.size(), 4u);
    struct Case {
        const std::vector<IdText>* table;
        int32_t id;
        const wchar_t* text;
    };
    const Case cases[] = {
        {&t.crossing, 56, L"56---架空管道：气管"},
        {&t.crossing, 45, L"45---渡槽"},  // no item of the edit dialog's combo, still shown
        {&t.crossing, 48, L""},
        {&t.poleType, 41, L"41--[MT]"},
        {&t.terrain, 1191, L"双线河--191"},  // a given id wins over the number in the text
        {&t.terrain, 191, L"双线沟--191"},
        {&t.terrain, 212, L"菜窖--904"},
        {&t.terrain, 904, L"窄垄--904"},
        {&t.terrain, 0, L"单笔实线--0"},
        {&t.terrain, 22, L"钻孔--22"},
        {&t.haizhiPoles, 3, L"终端杆"},
    };
    for (const Case& c : cases) EXPECT_EQ(TextOfId(*c.table, c.id), c.text) << c.id;
    EXPECT_EQ(RowOfId(t.terrain, 1000), 21);
}

TEST(FeatureCodes, AuxiliaryMapKeepsTheLastTextOfAKeyAndCutsAtTheFirstDoubleDash) {
    EXPECT_EQ(AuxiliaryText(80), L"中线桩--80");
    EXPECT_EQ(AuxiliaryText(96), L"中线桩--96");
    EXPECT_EQ(AuxiliaryText(938), L"小面积树林--938");
    EXPECT_EQ(AuxiliaryText(0), L"变电站--室--254");
    EXPECT_EQ(AuxiliaryText(254), L"");
    std::map<int32_t, CString> map;
    AddAuxiliaryRow(map, L"无分隔");
    AddAuxiliaryRow(map, L"甲--5");
    AddAuxiliaryRow(map, L"乙--5");
    EXPECT_EQ(map, (std::map<int32_t, CString>{{5, L"乙--5"}}));
}

TEST(FeatureCodes, EveryCrossingItemStandsForTheCodeAtItsEndBothWays) {
    for (int item = 0; item < kCrossingItemCount; ++item) {
        const int32_t code = CrossingItemCode(item);
        EXPECT_GE(RowOfId(FeatureCodes().crossing, code), 0) << item;
        EXPECT_EQ(CrossingItemOfCode(code), item);
    }
    EXPECT_EQ(CrossingItemCode(18), 71);  // "铁路-------71"
    EXPECT_EQ(CrossingItemOfCode(45), -1);
}

TEST(FeatureCodes, TerrainDrawingPointsByFeatureFamily) {
    struct Case {
        int32_t code;
        int points;
    };
    const Case cases[] = {
        {184, 4},  {906, 4},  {1000, 4},  // roads, ridges, ponds
        {201, 7},  {206, 7},  {213, 7},   // houses
        {1191, 5}, {1175, 5},             // rivers
        {317, 0},  {937, 0},              // rows without a drawing
        {0, 0},    {22, 0},   {999, 0},   // section lines and unknown codes
    };
    for (const Case& c : cases) EXPECT_EQ(TerrainDrawingPoints(c.code), c.points) << c.code;
}
