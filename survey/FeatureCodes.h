#pragma once
// The numeric feature codes of a 道亨 valid point (crossed object, pole type, terrain feature,
// auxiliary-point kind; point-file columns 20, 19 and 22) and their texts, built once for the
// coordinate view and the data edit dialog. Array tables keep their order and answer the first
// row whose id matches; the auxiliary map keeps the last text given for a key.
#include <cstdint>
#include <map>
#include <vector>

#include "foundation/PointRecord.h"
#include "platform/text/CString.h"

struct FeatureCodeTables {
    std::vector<IdText> crossing;  // 45 rows, id before the first "-"
    std::vector<IdText> poleType;  // 41 rows, ids 1 to 41
    std::vector<IdText> terrain;   // 26 rows with given ids, then 18 section lines
    std::map<int32_t, CString> auxiliary;
    std::vector<IdText> haizhiPoles;  // a 海智 point keeps the text in its remark
};

// The tables, built on first use.
const FeatureCodeTables& FeatureCodes();

// Row adders: the crossing id is the number before the first "-"; a terrain id of 0 is the number
// after the first "--"; an auxiliary text without "--" is ignored, else its key is the number after
// the first "--". Text that starts with no number gives 0.
void AddCrossingRow(std::vector<IdText>& table, const CString& text);
void AddTerrainRow(std::vector<IdText>& table, const CString& text, int32_t id);
void AddAuxiliaryRow(std::map<int32_t, CString>& map, const CString& text);

// The index of the first row with the id, or -1.
int RowOfId(const std::vector<IdText>& table, int32_t id);
// The text of the first row with the id; empty when none.
CString TextOfId(const std::vector<IdText>& table, int32_t id);
// The points a terrain feature's drawing takes up in the 道亨 N series; 0 for a code without one.
int TerrainDrawingPoints(int32_t code);
// The map's text for the key; empty when absent.
CString AuxiliaryText(int32_t key);

// The crossed-object choices of the data edit dialog. An item stands for the code at its end
// ("铁路-------71" is 71): the table's order differs after its fifteenth row, so the combo is kept
// in step by that number both ways.
inline constexpr int kCrossingItemCount = 30;
extern const wchar_t* const kCrossingItems[kCrossingItemCount];
int32_t CrossingItemCode(int item);
// The item of a code, or -1.
int CrossingItemOfCode(int32_t code);

// The pole-type choices are the first 38 rows of the table, the terrain choices the first 22.
inline constexpr int kPoleTypeItemCount = 38;
inline constexpr int kTerrainItemCount = 22;

// The point kinds (column 15) and the 道亨 sub-types (column 17); other values give "".
CString PointKindText(int32_t kind);
CString SubTypeText(int32_t subType);
inline constexpr int kSubTypeCount = 7;
