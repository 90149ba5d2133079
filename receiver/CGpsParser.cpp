#include "receiver/CGpsParser.h"

#include "receiver/IFrameServices.h"
#include "receiver/ReceiverProtocol.h"
#include "receiver/SentenceFields.h"

namespace {

struct LineName {
    const wchar_t* name;
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

}  // namespace

CGpsParser::CGpsParser(IFrameServices& frame) : frame_(frame) {}

int CGpsParser::BoardType() const {
    return frame_.SystemRecord().nGPSOEMType;
}

int CGpsParser::Parse(CString line, CGpsState& state, int& type) {
    type = kLineNone;
    if (!IsPlainLine(line)) return 0;
    const wchar_t* name = nullptr;
    for (const LineName& entry : kLineNames) {
        if (line.Find(entry.name) >= 0) {
            type = entry.type;
            name = entry.name;
            break;
        }
    }
    // The name found must be the sentence's own, in its first field: "$GLGSV3,2,…" lost a comma.
    if (name && AddressField(line).Find(name) < 0) return 0;
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
