// Every capture line (as received and damaged two ways) and every fuzz seed through the parser on every
// board type, against digests recorded from the parser before its per-line cost was cut: the type
// each line is given, what Parse returns and the whole state after it must not change. Set
// QZ_RECORD_PARSER_DIGESTS=1 to write the file anew after a deliberate change of behaviour.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "receiver/CGpsParser.h"

namespace {

namespace fs = std::filesystem;

const fs::path kDigestFile = fs::path(QZ_SOURCE_DIR) / "tests" / "receiver" / "data" / "parser-digests.txt";

class Digest {
public:
    void Add(const std::string& text) {
        for (const unsigned char c : text) value_ = (value_ ^ c) * 0x100000001b3ULL;
        value_ = (value_ ^ 0xFF) * 0x100000001b3ULL;
    }
    void Add(double v) {
        char text[40];
        std::snprintf(text, sizeof text, "%a", v);
        Add(std::string(text));
    }
    void Add(int64_t v) { Add(std::to_string(v)); }
    void Add(const CString& v) { Add(ToUtf8(v)); }
    std::string Hex() const {
        char text[20];
        std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value_));
        return text;
    }

private:
    uint64_t value_ = 0xcbf29ce484222325ULL;
};

void AddState(const CGpsState& s, Digest& d) {
    for (const double v :
         {s.pdop,    s.hdop,    s.vdop,       s.rmsH,  s.rmsV,  s.latitude, s.longitude,
          s.height,  s.gridX,   s.gridY,      s.gridH, s.projX, s.projY,    s.projH,
          s.baseLat, s.baseLon, s.baseHeight, s.baseX, s.baseY, s.baseZ,    s.geoidSeparation})
        d.Add(v);
    for (const int64_t v :
         {s.fixFlag, s.gpsInView, s.gpsUsedCount, s.gloInView, s.gloUsedCount, s.diffAge, s.solutionCode,
          s.year, s.month, s.day, s.hour, s.minute, s.second, s.ident.number})
        d.Add(v);
    for (const auto* list : {&s.gpsUsedList, &s.gloUsedList})
        for (const int32_t v : *list) d.Add(int64_t{v});
    for (const auto* sats : {&s.gpsSatellites, &s.gloSatellites})
        for (const GpsSatellite& sat : *sats)
            for (const int64_t v : {sat.number, sat.elevation, sat.azimuth, sat.signal, sat.used}) d.Add(v);
    for (const CString* text : {&s.solutionText, &s.baseType, &s.baseId, &s.antennaType, &s.modelText})
        d.Add(*text);
    for (const CString& text : s.ident.text) d.Add(text);
}

// The board's version log naming firmware 3.3, as the fuzz target starts, so that the rules of newer
// boards are met too.
void TakeFirmwareLog(CGpsParser& parser, CGpsState& state) {
    const CString body =
        L"VERSIONA,COM1,0,55.0,FINESTEERING,2180,1.000,00000000,0000,1114;1,GPSCARD,\"M\",\"S\",\"HW\",\"3."
        L"3\"";
    int type = 0;
    parser.Parse(Format(L"#%s*%08x", body.c_str(), CGpsParser::Crc32(body.GetLength(), body.c_str())), state,
                 type);
}

// One line as the frame hands it over; the line's type, result and the state after it go into `d`.
void Feed(CGpsParser& parser, CGpsState& state, std::string_view bytes, Digest& d) {
    const CString line = FromGbk(bytes);
    int type = -1;
    if (line.Find(L"GPXXX") >= 0) {
        const std::optional<VersionReport> report = parser.ParseVersion(line, state);
        d.Add(int64_t{report ? report->board : -1});
        d.Add(int64_t{report && report->baseFlag ? *report->baseFlag : -1});
    } else {
        d.Add(int64_t{parser.Parse(line, state, type)});
    }
    d.Add(int64_t{type});
    d.Add(parser.FirmwareVersion());
    AddState(state, d);
}

std::vector<std::string> Lines(const fs::path& file, size_t skip = 0) {
    std::ifstream in(file, std::ios::binary);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    all.erase(0, std::min(skip, all.size()));
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find('\n', start);
        if (end == std::string::npos) end = all.size();
        std::string line = all.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::string CaptureDigest(const std::vector<std::string>& lines, int board) {
    CGpsParser parser({.boardType = board});
    CGpsState state;
    TakeFirmwareLog(parser, state);
    Digest d;
    for (const std::string& line : lines) {
        Feed(parser, state, line, d);
        std::string flipped = line;
        if (!flipped.empty()) flipped[flipped.size() / 2] ^= 0x01;
        Feed(parser, state, flipped, d);
        Feed(parser, state, std::string_view(line).substr(0, line.size() * 2 / 3), d);
    }
    return d.Hex();
}

// A seed as the fuzz target reads it: four int32 settings (board type, time zone, base flag, fix level),
// then the lines.
std::string SeedDigest(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    int32_t settings[4] = {};
    in.read(reinterpret_cast<char*>(settings), sizeof settings);
    CGpsParser parser({.boardType = settings[0],
                       .baseFlag = settings[2],
                       .fixLevel = settings[3],
                       .timeZone = settings[1]});
    CGpsState state;
    TakeFirmwareLog(parser, state);
    Digest d;
    for (const std::string& line : Lines(file, sizeof settings)) Feed(parser, state, line, d);
    return d.Hex();
}

std::map<std::string, std::string> ActualDigests() {
    std::map<std::string, std::string> digests;
    for (const auto& entry : fs::directory_iterator(fs::path(QZ_SOURCE_DIR) / "tests/receiver/fuzz/seeds"))
        digests["seed/" + entry.path().filename().string()] = SeedDigest(entry.path());
    const fs::path captures = fs::path(QZ_SOURCE_DIR) / ".." / "shared" / "testdata";
    for (const char* folder : {"nmea", "board-logs"}) {
        if (!fs::exists(captures / folder)) continue;
        for (const auto& entry : fs::directory_iterator(captures / folder)) {
            const std::string ext = entry.path().extension().string();
            if (ext != ".log" && ext != ".asc") continue;
            const std::vector<std::string> lines = Lines(entry.path());
            for (int board = 0; board <= 5; ++board)
                digests["capture/" + entry.path().filename().string() + "/board" + std::to_string(board)] =
                    CaptureDigest(lines, board);
        }
    }
    return digests;
}

}  // namespace

TEST(ParserRecorded, EveryLineGivesTheRecordedTypeResultAndState) {
    const std::map<std::string, std::string> actual = ActualDigests();
    if (std::getenv("QZ_RECORD_PARSER_DIGESTS")) {
        std::ofstream out(kDigestFile, std::ios::binary);
        for (const auto& [name, digest] : actual) out << name << ' ' << digest << '\n';
        GTEST_SKIP() << "recorded " << actual.size() << " digests";
    }
    std::map<std::string, std::string> recorded;
    std::ifstream in(kDigestFile);
    std::string name, digest;
    while (in >> name >> digest) recorded[name] = digest;
    ASSERT_GE(recorded.size(), 13u);
    int compared = 0;
    for (const auto& [key, value] : actual) {
        ASSERT_EQ(recorded.count(key), 1u) << key;
        EXPECT_EQ(value, recorded[key]) << key;
        ++compared;
    }
    EXPECT_GE(compared, 13);
}
