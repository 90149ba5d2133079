#include "receiver/CGpsParser.h"

#include <array>
#include <bit>
#include <iterator>
#include <string_view>

#include "receiver/IFrameServices.h"
#include "receiver/ReceiverProtocol.h"
#include "receiver/SentenceFields.h"

namespace {

struct LineName {
    std::wstring_view name;
    int type;
};

// Searched in this order, anywhere in the line.
constexpr LineName kLineNames[] = {
    {L"BESTPOS", kLineBestPos},     {L"GPGGA", kLineGga},
    {L"GPGLL", kLineGll},           {L"GPGSA", kLineGsa},
    {L"GPGST", kLineGst},           {L"GPGSV", kLineGsv},
    {L"GPRMC", kLineRmc},           {L"GPVTG", kLineVtg},
    {L"GPZDA", kLineZda},           {L"REFSTATION", kLineRefStation},
    {L"GNGSA", kLineGnGsa},         {L"GLGSV", kLineGlGsv},
    {L"VERSIONA", kLineVersionLog}, {L"GNGST", kLineGst},
    {L"JRTK", kLineJrtk},           {L"BPQ", kLineBpq},
};

// For each ASCII character, the names of kLineNames that have it at `position` (bit i for entry i).
constexpr std::array<uint32_t, 128> NamesWith(size_t position) {
    std::array<uint32_t, 128> masks{};
    for (size_t i = 0; i < std::size(kLineNames); ++i)
        masks[static_cast<size_t>(kLineNames[i].name[position])] |= 1u << i;
    return masks;
}
constexpr std::array<uint32_t, 128> kFirstLetters = NamesWith(0);
constexpr std::array<uint32_t, 128> kSecondLetters = NamesWith(1);

uint32_t Letters(const std::array<uint32_t, 128>& masks, wchar_t c) {
    return c >= 0 && c < 128 ? masks[static_cast<size_t>(c)] : 0;
}

// The first of kLineNames, in its order, that occurs anywhere in the line; -1 when none does. One pass
// over the line: every position that can start a name is tried against the names starting there.
int LineNameIndex(std::wstring_view line) {
    uint32_t found = 0;
    for (size_t at = 0; at + 1 < line.size(); ++at) {
        uint32_t candidates = Letters(kFirstLetters, line[at]);
        if (candidates != 0) candidates &= Letters(kSecondLetters, line[at + 1]);
        while (candidates != 0) {
            const int i = std::countr_zero(candidates);
            candidates &= candidates - 1;
            const std::wstring_view name = kLineNames[i].name;
            if (name.size() > line.size() - at) continue;
            size_t k = 2;
            while (k < name.size() && line[at + k] == name[k]) ++k;
            if (k == name.size()) found |= 1u << i;
        }
    }
    return found == 0 ? -1 : std::countr_zero(found);
}

}  // namespace

CGpsParser::CGpsParser(IFrameServices& frame) : frame_(frame) {}

int CGpsParser::BoardType() const {
    return frame_.BoardType();
}

int CGpsParser::Parse(const CString& line, CGpsState& state, int& type) {
    type = kLineNone;
    if (!IsPlainLine(line)) return 0;
    const int index = LineNameIndex(line.str());
    if (index >= 0) {
        type = kLineNames[index].type;
        // The name found must be the sentence's own, in its first field: "$GLGSV3,2,…" lost a comma.
        if (AddressField(line.str()).find(kLineNames[index].name) == std::wstring_view::npos) return 0;
    }
    // Board type 5 reports both constellations' satellites through one staging table.
    if (type == kLineGlGsv && BoardType() == kBoardOemT) type = kLineGsv;
    switch (type) {
        case kLineBestPos:
            return ParseBestPos(line, state);
        case kLineGga:
            return ParseGga(line, state);
        case kLineGsa:
            return ParseGsa(line, state);
        case kLineGst:
            return ParseGst(line, state);
        case kLineGsv:
            return BoardType() == kBoardOemT ? ParseGsvStaged(line, state) : ParseGsv(line, state, false);
        case kLineZda:
            return ParseZda(line, state);
        case kLineRefStation:
            return ParseRefStation(line, state);
        case kLineGnGsa:
            return ParseGnGsa(line, state);
        case kLineGlGsv:
            return ParseGsv(line, state, true);
        case kLineVersionLog:
            return ParseVersionLog(line);
        case kLineJrtk:
            return ParseJrtk(line, state);
        case kLineBpq:
            return ParseBpq(line, state);
        default:
            return 0;
    }
}

CString CGpsParser::SolutionStateText(const CString& text) const {
    auto has = [&](const wchar_t* word) { return text.Find(word) >= 0; };
    if (has(L"NONE") || has(L"NFIX")) return L"无效解";
    if (has(L"DGPS")) return L"差分解";
    if (has(L"SINGLE")) return L"单点解";
    if (has(L"FLOAT")) return L"浮点解";
    if (has(L"FIXED")) return has(L"FIXEDPOS") ? L"基站状态" : L"固定解";
    if (has(L"L1_FT")) return l1Option_ == 0 ? L"浮点解" : l1Option_ == 1 ? L"单频浮点解" : L"";
    if (has(L"L1_INT")) return l1Option_ == 0 ? L"浮点解" : l1Option_ == 1 ? L"单频固定解" : L"";
    return L"";
}
