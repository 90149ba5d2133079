#include "survey/FeatureCodes.h"

#include <cwchar>
#include <iterator>

#include "platform/text/Numbers.h"

namespace {
// The rows in the order the tables take them.
const wchar_t* const kCrossingRows[] = {
    L"30---220V",           L"31---380V",           L"32---10kV",           L"33---35kV",
    L"34---110kV",          L"35---220kV",          L"36---330kV",          L"37---500kV",
    L"38---66kV",           L"39---154kV",          L"40---通信线",         L"41---一级通信线",
    L"42---二级通信线",     L"43---三级通信线",     L"44---四级通信线",     L"45---渡槽",
    L"46---索道",           L"47---特殊管道",       L"49---架空光缆",       L"50---地下通讯电缆",
    L"51---地下电缆380V",   L"52---地下电缆10kV",   L"53---地下电缆35kV",   L"54---地下电缆110kV",
    L"55---架空管道",       L"56---架空管道：气管", L"57---架空管道：水管", L"58---架空管道：油管",
    L"59---架空管道：污管", L"61---地下管道",       L"62---地下电缆",       L"63---通航河流",
    L"64---不通航河流",     L"65---地下油管",       L"66---地下天然气管",   L"67---地下光缆",
    L"68---地下水管",       L"71---铁路",           L"72---非标准铁路",     L"81---I级公路",
    L"82---II级公路",       L"83---III级公路",      L"84---IV级公路",       L"88---跨围墙",
    L"89---跨行树",
};
const wchar_t* const kPoleTypeRows[] = {
    L"1--[I]",      L"2--[IJ]",    L"3--[IJJ]",   L"4--[LIJ]",    L"5--[LIJJ]",   L"6--[LLIJJ]",
    L"7--[T]",      L"8--[T2]",    L"9--[T3]",    L"10--[T4]",    L"11--[T6]",    L"12--[T8]",
    L"13--[T111]",  L"14--[T000]", L"15--[F]",    L"16--[F22]",   L"17--[F32]",   L"18--[F42]",
    L"19--[F44]",   L"20--[F84]",  L"21--[F88]",  L"22--[F1113]", L"23--[F1114]", L"24--[F0003]",
    L"25--[F0004]", L"26--[E]",    L"27--[E442]", L"28--[E882]",  L"29--[E888]",  L"30--[Y]",
    L"31--[S]",     L"32--[H]",    L"33--[HH]",   L"34--[ZL]",    L"35--[B]",     L"36--[SHL]",
    L"37--[YT4]",   L"38--[YT2]",  L"39--[SH]",   L"40--[HL]",    L"41--[MT]",
};
// A terrain row with the points its drawing takes up in the 道亨 N series (0: none).
struct TerrainRow {
    int32_t id;
    const wchar_t* text;
    int drawingPoints;
};
const TerrainRow kTerrainGivenRows[] = {
    {184, L"公路--184", 4},       {408, L"铁路--408", 4},       {186, L"乡道--186", 4},
    {183, L"大坎路--183", 4},     {185, L"小坎路--185", 4},     {710, L"宁波路--710", 4},
    {191, L"双线沟--191", 4},     {173, L"大坎沟--173", 4},     {175, L"小坎沟--175", 4},
    {1191, L"双线河--191", 5},    {1175, L"小坎河--175", 5},    {906, L"单垄--906", 4},
    {905, L"宽垄--905", 4},       {904, L"窄垄--904", 4},       {201, L"房屋--201", 7},
    {203, L"棚房--203", 7},       {211, L"温室--211", 7},       {212, L"菜窖--904", 7},
    {213, L"花房--201", 7},       {206, L"建筑中房屋--203", 7}, {317, L"散坟--211", 0},
    {1000, L"塘--1000", 4},       {915, L"右未加固坎--915", 0}, {914, L"右加固的坎--914", 0},
    {938, L"左未加固坎--938", 0}, {937, L"左加固的坎--937", 0},
};
const wchar_t* const kSectionLineRows[] = {
    L"单笔实线--0",
    L"水下等高线--1",
    L"虚线--2",
    L"点画线--3",
    L"水边线--7",
    L"中心断面虚线--10",
    L"中心断面粗线--11",
    L"左边线专用细虚线--12",
    L"右边线专用细点划线--13",
    L"纵断面细实线--14",
    L"细虚线--15",
    L"细点划线--16",
    L"风偏断面线--17",
    L"竖直的虚线--18",
    L"跨越窄道路在断面图上的虚线--19",
    L"河水虚线--20",
    L"断面围墙--21",
    L"钻孔--22",
};
const wchar_t* const kAuxiliaryRows[] = {
    L"--",
    L"中心断面点--13",
    L"左边线点--21",
    L"右边线点--31",
    L"围墙顶点--40",
    L"跨越线顶点--41",
    L"边线杆顶--42",
    L"危险点--43",
    L"左风偏点--44",
    L"右风偏点--45",
    L"电线跨越边线顶点--46",
    L"电线跨越中心断面电杆顶点--47",
    L"房角点--48",
    L"补测的中心断面点--51",
    L"补测的左断面点--52",
    L"补测的右断面点--53",
    L"前视沟边点--60",
    L"后视山坡点--66",
    L"后视沟边点--70",
    L"前视山坡点--76",
    L"中线桩--80",
    L"点房顶点--89",
    L"独立点--93",
    L"辅助点--94",
    L"平面图辅助点--95",
    L"中线桩--96",
    L"P桩--97",
    L"塔位桩--98",
    L"饲养场--120",
    L"方形支柱(架)、墩--175",
    L"燃料库(煤气)--249",
    L"气象站--251",
    L"变电站--室--254",
    L"亭子--307",
    L"岗亭、岗楼、岗墩--308",
    L"钟楼、城楼、鼓楼--309",
    L"旧碉堡--310",
    L"土地庙--312",
    L"教堂--313",
    L"散坟--317",
    L"塔形建筑物--319",
    L"水塔--320",
    L"水塔烟囱--321",
    L"雷达站--326",
    L"堆式窑、台式窑、屋式窑--328",
    L"粮仓--329",
    L"水磨房、水车--332",
    L"水泵站、抽水机站--333",
    L"半荒植物地--921",
    L"芦苇地--922",
    L"小面积树林--924",
    L"零星树木--925",
    L"散树--926",
    L"阔叶独立树--927",
    L"针叶独立树--928",
    L"果树独立树--929",
    L"幼林--931",
    L"疏林--932",
    L"大面积竹林--933",
    L"稀疏灌木林--935",
    L"大面积灌木丛--936",
    L"独立灌木丛--937",
    L"小面积树林--938",
    L"苗圃--941",
    L"草地--942",
    L"湿草地--943",
    L"植物稀少地--945",
    L"经济林--946",
    L"经济作物地--947",
    L"水生经济作物地--948",
    L"耕地、旱地--950",
    L"高树--981",
    L"矮树--982",
    L"荒草地--993",
    L"(耕地)菜地--994",
    L"(耕地)水稻田--995",
    L"半荒草地--996",
    L"高草地--997",
    L"花圃--998",
};
const wchar_t* const kHaizhiPoleRows[] = {L"普通杆", L"转角杆", L"分支杆", L"终端杆"};

int32_t NumberAfter(const CString& text, const wchar_t* cut) {
    const int at = text.Find(cut);
    return at < 0 ? 0 : ToInt(text.Mid(at + static_cast<int>(wcslen(cut))).c_str());
}

FeatureCodeTables BuildTables() {
    FeatureCodeTables t;
    for (const wchar_t* row : kCrossingRows) AddCrossingRow(t.crossing, row);
    int32_t poleId = 1;
    for (const wchar_t* row : kPoleTypeRows) t.poleType.push_back({poleId++, row});
    int32_t haizhiId = 0;
    for (const wchar_t* row : kHaizhiPoleRows) t.haizhiPoles.push_back({haizhiId++, row});
    for (const TerrainRow& row : kTerrainGivenRows) AddTerrainRow(t.terrain, row.text, row.id);
    for (const wchar_t* row : kSectionLineRows) AddTerrainRow(t.terrain, row, 0);
    for (const wchar_t* row : kAuxiliaryRows) AddAuxiliaryRow(t.auxiliary, row);
    return t;
}
}  // namespace

const wchar_t* const kCrossingItems[kCrossingItemCount] = {
    L"220V-------30",    L"380V-------31",    L"10kV-------32",    L"35kV-------33",    L"110kV------34",
    L"220kV------35",    L"330kV------36",    L"500kV------37",    L"66kV-------38",    L"154kV------39",
    L"通信线-----40",    L"一级通信线-41",    L"二级通信线-42",    L"三级通信线-43",    L"四级通信线-44",
    L"架空光缆---49",    L"跨围墙-----88",    L"跨行树-----89",    L"铁路-------71",    L"I级公路----81",
    L"II级公路---82",    L"地下通讯电缆--50", L"地下电缆380V--51", L"地下电缆10kV--52", L"地下电缆35kV--53",
    L"地下电缆110kV-54", L"地下油管------65", L"地下天然气管--66", L"地下光缆------67", L"地下水管------68",
};

const FeatureCodeTables& FeatureCodes() {
    static const FeatureCodeTables tables = BuildTables();
    return tables;
}

void AddCrossingRow(std::vector<IdText>& table, const CString& text) {
    const int dash = text.Find(L'-');
    table.push_back({ToInt((dash < 0 ? text : text.Left(dash)).c_str()), text});
}

void AddTerrainRow(std::vector<IdText>& table, const CString& text, int32_t id) {
    table.push_back({id != 0 ? id : NumberAfter(text, L"--"), text});
}

void AddAuxiliaryRow(std::map<int32_t, CString>& map, const CString& text) {
    if (text.Find(L"--") < 0) return;
    map[NumberAfter(text, L"--")] = text;
}

int RowOfId(const std::vector<IdText>& table, int32_t id) {
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i].id == id) return static_cast<int>(i);
    return -1;
}

CString TextOfId(const std::vector<IdText>& table, int32_t id) {
    const int row = RowOfId(table, id);
    return row < 0 ? CString() : table[static_cast<size_t>(row)].text;
}

int TerrainDrawingPoints(int32_t code) {
    for (const TerrainRow& row : kTerrainGivenRows)
        if (row.id == code) return row.drawingPoints;
    return 0;
}

CString AuxiliaryText(int32_t key) {
    const auto& map = FeatureCodes().auxiliary;
    const auto found = map.find(key);
    return found == map.end() ? CString() : found->second;
}

int32_t CrossingItemCode(int item) {
    if (item < 0 || item >= kCrossingItemCount) return 0;
    const CString text = kCrossingItems[item];
    return ToInt(text.Mid(text.ReverseFind(L'-') + 1).c_str());
}

int CrossingItemOfCode(int32_t code) {
    for (int i = 0; i < kCrossingItemCount; ++i)
        if (CrossingItemCode(i) == code) return i;
    return -1;
}

CString PointKindText(int32_t kind) {
    static const wchar_t* const kTexts[] = {L"有效点", L"参考点", L"边桩点", L"地形点"};
    return kind >= 0 && kind < static_cast<int32_t>(std::size(kTexts)) ? kTexts[kind] : L"";
}

CString SubTypeText(int32_t subType) {
    static const wchar_t* const kTexts[kSubTypeCount] = {
        L"J桩", L"Z桩", L"辅助点", L"1点测标注跨越物", L"1点测路河塘房等", L"2点测路河塘房等", L"3点测房"};
    return subType >= 0 && subType < kSubTypeCount ? kTexts[subType] : L"";
}
