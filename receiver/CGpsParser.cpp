#include "receiver/CGpsParser.h"

#include <array>
#include <bit>
#include <iterator>

#include "receiver/IFrameServices.h"
#include "receiver/ReceiverProtocol.h"
#include "receiver/SentenceFields.h"

namespace {

struct LineName {
    std::string_view name;
    int type;
};

// Searched in this order, anywhere in the line.
constexpr LineName kLineNames[] = {
    {"BESTPOS", kLineBestPos},     {"GPGGA", kLineGga},
    {"GPGLL", kLineGll},           {"GPGSA", kLineGsa},
    {"GPGST", kLineGst},           {"GPGSV", kLineGsv},
    {"GPRMC", kLineRmc},           {"GPVTG", kLineVtg},
    {"GPZDA", kLineZda},           {"REFSTATION", kLineRefStation},
    {"GNGSA", kLineGnGsa},         {"GLGSV", kLineGlGsv},
    {"VERSIONA", kLineVersionLog}, {"GNGST", kLineGst},
    {"JRTK", kLineJrtk},           {"BPQ", kLineBpq},
};
// Every name is of capital letters only, so it lies within a run of them at least this long.
constexpr size_t kShortestName = 3;

// For each byte, the names of kLineNames that have it at `position` (bit i for entry i).
constexpr std::array<uint32_t, 256> NamesWith(size_t position) {
    std::array<uint32_t, 256> masks{};
    for (size_t i = 0; i < std::size(kLineNames); ++i)
        masks[static_cast<unsigned char>(kLineNames[i].name[position])] |= 1u << i;
    return masks;
}
constexpr std::array<uint32_t, 256> kFirstLetters = NamesWith(0);
constexpr std::array<uint32_t, 256> kSecondLetters = NamesWith(1);

// The names of kLineNames (bit i for entry i) that occur in a run of capital letters: every position
// that can start a name is tried against the names starting there.
uint32_t NamesIn(std::string_view run) {
    uint32_t found = 0;
    for (size_t at = 0; at + 1 < run.size(); ++at) {
        uint32_t candidates = kFirstLetters[static_cast<unsigned char>(run[at])];
        if (candidates != 0) candidates &= kSecondLetters[static_cast<unsigned char>(run[at + 1])];
        while (candidates != 0) {
            const int i = std::countr_zero(candidates);
            candidates &= candidates - 1;
            const std::string_view name = kLineNames[i].name;
            if (run.substr(at, name.size()) == name) found |= 1u << i;
        }
    }
    return found;
}

enum ByteKind : uint8_t { kOtherByte, kCapital, kUnprintable };

constexpr std::array<uint8_t, 256> kByteKinds = [] {
    std::array<uint8_t, 256> kinds{};
    for (size_t c = 0; c < 256; ++c)
        kinds[c] = c < ' ' || c > '~' ? kUnprintable : (c >= 'A' && c <= 'Z') ? kCapital : kOtherByte;
    return kinds;
}();

constexpr int kNotPlain = -2;

// In one pass over the line: kNotPlain when it holds a byte that is not printable ASCII, otherwise the
// first of kLineNames, in its order, that occurs anywhere in it, or -1 when none does.
int ScanLine(std::string_view line) {
    uint32_t found = 0;
    size_t runStart = 0;
    for (size_t at = 0; at < line.size(); ++at) {
        const uint8_t kind = kByteKinds[static_cast<unsigned char>(line[at])];
        if (kind == kCapital) continue;
        if (kind == kUnprintable) return kNotPlain;
        if (at - runStart >= kShortestName) found |= NamesIn(line.substr(runStart, at - runStart));
        runStart = at + 1;
    }
    if (line.size() - runStart >= kShortestName) found |= NamesIn(line.substr(runStart));
    return found == 0 ? -1 : std::countr_zero(found);
}

}  // namespace

CGpsParser::CGpsParser(IFrameServices& frame) : frame_(frame) {}

int CGpsParser::BoardType() const {
    return frame_.BoardType();
}

int CGpsParser::Parse(const CString& line, CGpsState& state, int& type) {
    type = kLineNone;
    // Only printable ASCII can be taken: such a line is its own bytes.
    if (line.GetLength() > kMaxLineChars) return 0;
    std::array<char, kMaxLineChars> bytes;
    size_t size = 0;
    for (const wchar_t c : line.str()) {
        if (c < L' ' || c > L'~') return 0;
        bytes[size++] = static_cast<char>(c);
    }
    return Parse(std::string_view(bytes.data(), size), state, type);
}

int CGpsParser::Parse(std::string_view line, CGpsState& state, int& type) {
    type = kLineNone;
    if (line.size() > static_cast<size_t>(kMaxLineChars)) return 0;
    const int index = ScanLine(line);
    if (index == kNotPlain) return 0;
    if (index >= 0) {
        type = kLineNames[index].type;
        // The name found must be the sentence's own, in its first field: "$GLGSV3,2,…" lost a comma.
        if (AddressField(line).find(kLineNames[index].name) == std::string_view::npos) return 0;
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
