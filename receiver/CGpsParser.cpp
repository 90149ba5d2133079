#include "receiver/CGpsParser.h"

#include <algorithm>
#include <array>
#include <bit>
#include <iterator>
#include <limits>

#include "receiver/ReceiverProtocol.h"
#include "receiver/SentenceFields.h"

namespace {

// How a line is framed: an NMEA sentence "$...*hh" or a board log "#...*crc".
enum class Framing { kNmea, kBoardLog };

// A log is read up to the fields it needs; any more are its own business.
constexpr size_t kNoLimit = std::numeric_limits<size_t>::max();

}  // namespace

// One line the parser knows. A line's fields are cut once, by its framing; a count outside the row's
// is refused before the decoder reads any field. A row without a decoder is classified only.
struct CGpsParser::Sentence {
    std::string_view name;
    GpsLineType type;
    Framing framing;
    size_t minFields;
    size_t maxFields;
    int (CGpsParser::*decode)(const FieldViews&, CGpsState&);

    // Searched in this order, anywhere in the line.
    static const Sentence kAll[];
};

constexpr CGpsParser::Sentence CGpsParser::Sentence::kAll[] = {
    {"BESTPOS", kLineBestPos, Framing::kBoardLog, 21, kNoLimit, &CGpsParser::ParseBestPos},
    {"GPGGA", kLineGga, Framing::kNmea, 15, 15, &CGpsParser::ParseGga},
    {"GPGLL", kLineGll, Framing::kNmea, 0, 0, nullptr},
    {"GPGSA", kLineGsa, Framing::kNmea, 18, 19, &CGpsParser::ParseGsa},
    {"GPGST", kLineGst, Framing::kNmea, 9, 9, &CGpsParser::ParseGst},
    {"GPGSV", kLineGsv, Framing::kNmea, 4, 21, &CGpsParser::ParseGpGsv},
    {"GPRMC", kLineRmc, Framing::kNmea, 0, 0, nullptr},
    {"GPVTG", kLineVtg, Framing::kNmea, 0, 0, nullptr},
    {"GPZDA", kLineZda, Framing::kNmea, 7, 7, &CGpsParser::ParseZda},
    {"REFSTATION", kLineRefStation, Framing::kBoardLog, 13, kNoLimit, &CGpsParser::ParseRefStation},
    {"GNGSA", kLineGnGsa, Framing::kNmea, 18, 19, &CGpsParser::ParseGnGsa},
    {"GLGSV", kLineGlGsv, Framing::kNmea, 4, 21, &CGpsParser::ParseGlGsv},
    {"VERSIONA", kLineVersionLog, Framing::kBoardLog, 15, kNoLimit, &CGpsParser::ParseVersionLog},
    {"GNGST", kLineGst, Framing::kNmea, 9, 9, &CGpsParser::ParseGst},
    {"JRTK", kLineJrtk, Framing::kNmea, 5, kNoLimit, &CGpsParser::ParseJrtk},
    {"BPQ", kLineBpq, Framing::kNmea, 9, kNoLimit, &CGpsParser::ParseBpq},
};

namespace {

constexpr auto& kSentences = CGpsParser::Sentence::kAll;
// Every name is of capital letters only, so it lies within a run of them at least this long.
constexpr size_t kShortestName = 3;

// Each name's bytes at the first kSievedBytes positions, by position and byte: bit i when kSentences[i]
// has that byte there or is shorter. Anding them leaves, at a position of the line, the names that start
// there as far as they are sieved.
constexpr size_t kSievedBytes = 5;
constexpr uint32_t kAllNames = (1u << std::size(kSentences)) - 1;
constexpr std::array<std::array<uint32_t, 256>, kSievedBytes> kSieve = [] {
    std::array<std::array<uint32_t, 256>, kSievedBytes> sieve{};
    for (size_t position = 0; position < kSievedBytes; ++position)
        for (size_t i = 0; i < std::size(kSentences); ++i)
            for (size_t c = 0; c < 256; ++c)
                if (position >= kSentences[i].name.size() ||
                    static_cast<unsigned char>(kSentences[i].name[position]) == c)
                    sieve[position][c] |= 1u << i;
    return sieve;
}();
// The names no longer than n bytes, for n up to kSievedBytes.
constexpr std::array<uint32_t, kSievedBytes + 1> kFitting = [] {
    std::array<uint32_t, kSievedBytes + 1> fitting{};
    for (size_t n = 0; n <= kSievedBytes; ++n)
        for (size_t i = 0; i < std::size(kSentences); ++i)
            if (kSentences[i].name.size() <= n) fitting[n] |= 1u << i;
    return fitting;
}();

// The names of kSentences (bit i for entry i) that occur in a run of capitals.
uint32_t NamesIn(std::string_view run) {
    uint32_t found = 0;
    for (size_t at = 0; at < run.size(); ++at) {
        const std::string_view rest = run.substr(at);
        uint32_t candidates = rest.size() < kSievedBytes ? kFitting[rest.size()] : kAllNames;
        for (size_t p = 0; p < kSievedBytes && p < rest.size(); ++p)
            candidates &= kSieve[p][static_cast<unsigned char>(rest[p])];
        while (candidates != 0) {
            const int i = std::countr_zero(candidates);
            candidates &= candidates - 1;
            const std::string_view name = kSentences[i].name;
            if (name.size() <= kSievedBytes || rest.starts_with(name)) found |= 1u << i;
        }
    }
    return found;
}

unsigned char IsCapital(char c) {
    return static_cast<unsigned char>(c - 'A') < 26;
}

// The checks below are reductions into a byte without an early exit, so that the compiler takes 16
// bytes at a step: most lines are read whole anyway.
bool IsPrintable(std::string_view line) {
    unsigned char outside = 0;
    for (const char c : line) outside |= static_cast<unsigned char>(c - ' ') > '~' - ' ';
    return outside == 0;
}

bool HasThreeCapitals(std::string_view text) {
    unsigned char found = 0;
    for (size_t at = 0; at + 2 < text.size(); ++at)
        found |= IsCapital(text[at]) & IsCapital(text[at + 1]) & IsCapital(text[at + 2]);
    return found != 0;
}

// The names in every run of capitals in `text`.
uint32_t NamesInRuns(std::string_view text) {
    uint32_t found = 0;
    size_t runStart = 0;
    for (size_t at = 0; at <= text.size(); ++at) {
        if (at < text.size() && IsCapital(text[at])) continue;
        if (at - runStart >= kShortestName) found |= NamesIn(text.substr(runStart, at - runStart));
        runStart = at + 1;
    }
    return found;
}

// Whether `text` holds `name`; the texts are a few bytes long, shorter than a library call.
bool Holds(std::string_view text, std::string_view name) {
    for (size_t at = 0; at + name.size() <= text.size(); ++at) {
        size_t k = 0;
        while (k < name.size() && text[at + k] == name[k]) ++k;
        if (k == name.size()) return true;
    }
    return false;
}

// The first of kSentences, in its order, that occurs anywhere in the line; -1 when none does or the
// line holds a byte that is not printable ASCII. The first long run of capitals is nearly always the
// line's only one (its name): the rest is searched only when it has another.
int ScanLine(std::string_view line) {
    if (!IsPrintable(line)) return -1;
    uint32_t found = 0;
    size_t at = 0;
    while (at < line.size()) {
        size_t end = at;
        while (end < line.size() && IsCapital(line[end])) ++end;
        if (end - at >= kShortestName) {
            found = NamesIn(line.substr(at, end - at));
            at = end;
            break;
        }
        at = end + 1;
    }
    const std::string_view rest = line.substr(std::min(at, line.size()));
    if (HasThreeCapitals(rest)) found |= NamesInRuns(rest);
    return found == 0 ? -1 : std::countr_zero(found);
}

}  // namespace

int CGpsParser::Parse(const CString& line, CGpsState& state, int& type) {
    type = kLineNone;
    lineUtcMs_.reset();
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
    lineUtcMs_.reset();
    if (line.size() > static_cast<size_t>(kMaxLineChars)) return 0;
    const int index = ScanLine(line);
    if (index < 0) return 0;
    const Sentence& sentence = Sentence::kAll[index];
    type = sentence.type;
    // The name found must be the sentence's own, in its first field: "$GLGSV3,2,…" lost a comma.
    if (!Holds(AddressField(line), sentence.name)) return 0;
    // Board type 5 reports both constellations' satellites through one staging table.
    if (type == kLineGlGsv && settings_.boardType == kBoardOemT) type = kLineGsv;
    if (!sentence.decode) return 0;
    if (type == kLineGga && TakesGgaUnread()) return 1;
    FieldViews f;
    const bool framed = sentence.framing == Framing::kNmea ? f.CutNmeaSentence(line) : f.CutBoardLog(line);
    const bool counted = framed && f.Count() >= sentence.minFields && f.Count() <= sentence.maxFields;
    return counted ? (this->*sentence.decode)(f, state) : 0;
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
