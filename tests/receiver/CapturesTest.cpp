// Real receiver captures: what the parser takes agrees with another decoder's reading of the same data,
// and damaged copies of the captures are refused. (ParserRecordedTest runs every line on every board.)
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "platform/text/CodePage.h"
#include "receiver/CGpsParser.h"
#include "receiver/SentenceFields.h"
#include "tests/receiver/SentenceHelpers.h"

namespace {

namespace fs = std::filesystem;

fs::path TestData() {
    return fs::path(QZ_SOURCE_DIR) / ".." / "shared" / "testdata";
}

std::vector<std::string> Lines(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// A number or text member of a one-line JSON object; false when absent.
bool JsonNumber(const std::string& json, const std::string& key, double* value) {
    const size_t at = json.find("\"" + key + "\":");
    if (at == std::string::npos) return false;
    *value = std::stod(json.substr(at + key.size() + 3));
    return true;
}

std::string JsonText(const std::string& json, const std::string& key) {
    const size_t at = json.find("\"" + key + "\":\"");
    if (at == std::string::npos) return {};
    const size_t start = at + key.size() + 4;
    return json.substr(start, json.find('"', start) - start);
}

// The decoder's fix status for our solution codes.
int DecoderStatus(int solutionCode) {
    switch (solutionCode) {
        case kSolSingle:
            return 1;
        case kSolPsrDiff:
            return 2;
        case kSolFixed:
            return 3;
        case kSolWideInt:
            return 4;
        default:
            return 0;
    }
}

class Captures : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(TestData() / "nmea")) GTEST_SKIP() << "no receiver captures at " << TestData();
    }
};

}  // namespace

TEST_F(Captures, GgaPositionsTimesAndFixKindsAgreeWithTheOracle) {
    std::set<int> kinds;
    for (const auto& entry : fs::directory_iterator(TestData() / "nmea")) {
        if (entry.path().extension() != ".chk") continue;
        const std::vector<std::string> lines = Lines(entry.path());
        CGpsParser parser({.boardType = kBoardOemD, .timeZone = 0});
        CGpsState state;
        int fixes = 0;
        int compared = 0;
        for (size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].find("GPGGA") == std::string::npos || lines[i][0] != '$') continue;
            int type = 0;
            state.latitude = state.longitude = 0;
            if (parser.Parse(Wide(lines[i]), state, type) != 1 || state.solutionCode == kSolNone) continue;
            ++fixes;
            // The decoder reports the epoch after its GGA or after the RMC that follows it.
            for (size_t j = i + 1; j < lines.size() && lines[j].find("GGA") == std::string::npos; ++j) {
                double lat, lon, msl, age, station, status = 1;
                if (lines[j].find("\"TPV\"") == std::string::npos || !JsonNumber(lines[j], "lat", &lat) ||
                    !JsonNumber(lines[j], "lon", &lon))
                    continue;
                SCOPED_TRACE(entry.path().filename().string() + ": " + lines[i]);
                EXPECT_NEAR(state.latitude, lat, 1e-8);
                EXPECT_NEAR(state.longitude, lon, 1e-8);
                // The decoder derives its ellipsoidal height from its own geoid model and refines heights
                // from finer sentences: compare sea level to the sentence's centimetres.
                if (JsonNumber(lines[j], "altMSL", &msl)) {
                    EXPECT_NEAR(state.height - state.geoidSeparation, msl, 0.01);
                }
                if (JsonNumber(lines[j], "dgpsAge", &age)) {
                    EXPECT_EQ(state.diffAge, static_cast<int>(age));
                }
                if (JsonNumber(lines[j], "dgpsSta", &station)) {
                    EXPECT_EQ(FieldInt(state.baseId), static_cast<int>(station));
                }
                JsonNumber(lines[j], "status", &status);
                EXPECT_EQ(DecoderStatus(state.solutionCode), static_cast<int>(status));
                kinds.insert(static_cast<int>(status));
                const std::string time = JsonText(lines[j], "time");
                if (time.size() >= 19) {
                    EXPECT_EQ(state.hour, std::stoi(time.substr(11, 2)));
                    EXPECT_EQ(state.minute, std::stoi(time.substr(14, 2)));
                    EXPECT_EQ(state.second, std::stoi(time.substr(17, 2)));
                }
                ++compared;
                break;
            }
        }
        // Every capture with GPS fixes is really compared, not skipped line by line.
        if (fixes > 0) {
            EXPECT_GE(compared, (fixes + 1) / 2) << entry.path();
        }
    }
    // Single point, differential and float solutions all occur in the captures.
    EXPECT_EQ(kinds, (std::set<int>{1, 2, 4}));
}

TEST_F(Captures, GsvSatellitesAgreeWithTheOracle) {
    using Sky = std::vector<std::array<int, 4>>;  // number, elevation, azimuth, signal
    int compared = 0;
    for (const auto& entry : fs::directory_iterator(TestData() / "nmea")) {
        if (entry.path().extension() != ".chk") continue;
        CGpsParser parser({.boardType = kBoardOemD});
        CGpsState state;
        bool glonass = false;
        bool groupComplete = false;
        for (const std::string& line : Lines(entry.path())) {
            if (line.rfind("$GPGSV,", 0) == 0 || line.rfind("$GLGSV,", 0) == 0) {
                int type = 0;
                parser.Parse(Wide(line), state, type);
                // The decoder reports its sky after the group's last message.
                const std::vector<CString> f = SplitFields(Wide(line), L',', 3);
                glonass = line[2] == 'L';
                groupComplete = f[1] == f[2];
                continue;
            }
            if (!groupComplete || line.find("\"SKY\"") == std::string::npos) continue;
            groupComplete = false;
            Sky oracle;
            for (size_t at = line.find("{\"PRN\""); at != std::string::npos;
                 at = line.find("{\"PRN\"", at + 1)) {
                const std::string sat = line.substr(at, line.find('}', at) - at);
                double prn = 0, gnss = 0, el = 0, az = 0, ss = 0;
                JsonNumber(sat, "PRN", &prn);
                JsonNumber(sat, "gnssid", &gnss);
                JsonNumber(sat, "el", &el);
                JsonNumber(sat, "az", &az);
                JsonNumber(sat, "ss", &ss);
                const bool ours = glonass ? gnss == 6 && prn > 64 : gnss == 0 && prn >= 1 && prn <= 32;
                if (ours)
                    oracle.push_back({static_cast<int>(prn) - (glonass ? 27 : 0), static_cast<int>(el),
                                      static_cast<int>(az), std::min(static_cast<int>(ss), 51)});
            }
            const int inView = glonass ? state.gloInView : state.gpsInView;
            const auto& satellites = glonass ? state.gloSatellites : state.gpsSatellites;
            Sky ours;
            for (int i = 0; i < std::min(inView, CGpsState::kMaxSatellites); ++i) {
                const GpsSatellite& sat = satellites[static_cast<size_t>(i)];
                if (glonass || (sat.number >= 1 && sat.number <= 32))
                    ours.push_back({sat.number, sat.elevation, sat.azimuth, sat.signal});
            }
            std::sort(oracle.begin(), oracle.end());
            std::sort(ours.begin(), ours.end());
            SCOPED_TRACE(entry.path().filename().string() + ": " + line.substr(0, 80));
            // Only the first 20 satellites of a group have room; those must be the decoder's.
            if (inView <= CGpsState::kMaxSatellites) {
                EXPECT_EQ(ours, oracle);
            } else {
                EXPECT_TRUE(std::includes(oracle.begin(), oracle.end(), ours.begin(), ours.end()));
            }
            ++compared;
        }
    }
    EXPECT_GT(compared, 10);
}

TEST_F(Captures, ZdaDatesAgreeWithTheOracle) {
    int compared = 0;
    for (const auto& entry : fs::directory_iterator(TestData() / "nmea")) {
        if (entry.path().extension() != ".chk") continue;
        const std::vector<std::string> lines = Lines(entry.path());
        CGpsParser parser;
        CGpsState state;
        for (size_t i = 0; i + 1 < lines.size(); ++i) {
            if (lines[i].rfind("$GPZDA", 0) != 0) continue;
            int type = 0;
            ASSERT_EQ(parser.Parse(Wide(lines[i]), state, type), 1);
            const std::string time = JsonText(lines[i + 1], "time");
            if (time.size() < 19) continue;
            EXPECT_EQ(state.year, std::stoi(time.substr(0, 4))) << lines[i];
            EXPECT_EQ(state.month, std::stoi(time.substr(5, 2)));
            EXPECT_EQ(state.day, std::stoi(time.substr(8, 2)));
            EXPECT_EQ(state.hour, std::stoi(time.substr(11, 2)));
            ++compared;
        }
    }
    EXPECT_GT(compared, 3);
}

TEST_F(Captures, BoardLogsPassTheirChecksAndGiveTheirFixes) {
    CGpsParser parser({.boardType = kBoardOemV});
    CGpsState state;
    int positions = 0;
    for (const std::string& line : Lines(TestData() / "board-logs" / "board-logs.asc")) {
        int type = 0;
        const int taken = parser.Parse(Wide(line), state, type);
        if (type != kLineBestPos) continue;
        SCOPED_TRACE(line);
        ASSERT_EQ(taken, 1);
        ++positions;
        if (line.find(",SINGLE,") != std::string::npos) {
            EXPECT_EQ(state.solutionCode, kSolSingle);
        }
        if (line.find(",WAAS,") != std::string::npos) {
            EXPECT_EQ(state.solutionCode, kSolWaas);
        }
        if (line.find(",NONE,") != std::string::npos) {
            EXPECT_EQ(state.solutionCode, kSolNone);
        }
        if (line.find("SOL_COMPUTED") != std::string::npos) {
            EXPECT_NEAR(state.latitude, 51.15, 0.05);
            EXPECT_NEAR(state.longitude, -114.03, 0.05);
        }
    }
    EXPECT_GT(positions, 20);
}

namespace {

// The captures' bytes with one byte in 300 damaged: replaced by another byte, dropped, or preceded by
// an extra one, a third each.
std::string Damaged(const std::string& bytes, std::mt19937& rng) {
    std::string out;
    for (const char c : bytes) {
        if (rng() % 300 != 0) {
            out += c;
            continue;
        }
        const char other = static_cast<char>(rng() % 256);
        switch (rng() % 3) {
            case 0:
                out += other == c ? static_cast<char>(c ^ 1) : other;
                break;
            case 1:
                break;
            default:
                out += other;
                out += c;
                break;
        }
    }
    return out;
}

// The lines the frame cuts from a byte stream: each piece ended by LF, up to its first CR; a piece
// without CR is dropped.
std::vector<std::string> FrameLines(const std::string& stream) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end = stream.find('\n'); end != std::string::npos; end = stream.find('\n', start)) {
        const std::string piece = stream.substr(start, end - start);
        start = end + 1;
        const size_t cr = piece.find('\r');
        if (cr != std::string::npos) lines.push_back(piece.substr(0, cr));
    }
    return lines;
}

}  // namespace

// The part of a line the parser reads: from its "$", else from its "#" (noise before it is dropped).
std::string SentencePart(const std::string& line) {
    size_t start = line.find('$');
    if (start == std::string::npos) start = line.find('#');
    return start == std::string::npos ? line : line.substr(start);
}

TEST_F(Captures, DamagedSentencesAreNeverTaken) {
    std::string stream;
    std::set<std::string> intact;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(TestData() / "nmea"))
        if (entry.path().extension() == ".log") files.push_back(entry.path());
    files.push_back(TestData() / "board-logs" / "board-logs.asc");
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        for (const std::string& line : Lines(file)) {
            stream += line + "\r\n";
            intact.insert(SentencePart(line));
        }
    }
    std::mt19937 rng(300);
    int damaged = 0;
    int taken = 0;
    int noisy = 0;
    for (int round = 0; round < 10; ++round) {
        CGpsParser parser({.boardType = kBoardOemD});
        CGpsState state;
        for (const std::string& line : FrameLines(Damaged(stream, rng))) {
            const bool whole = intact.count(SentencePart(line)) > 0;
            if (whole && intact.count(line)) continue;
            const CString text = FromGbk(line);
            int type = 0;
            const int result = text.Find(L"GPXXX") >= 0 ? parser.ParseVersion(text, state).has_value()
                                                        : parser.Parse(text, state, type);
            if (whole) {
                noisy += result != 0;
                continue;
            }
            ++damaged;
            if (result != 0) {
                ++taken;
                ADD_FAILURE() << "taken: " << line;
            }
        }
    }
    EXPECT_GT(damaged, 1000);
    std::printf("damaged sentences: %d, taken: %d; whole sentences behind a damaged byte taken: %d\n",
                damaged, taken, noisy);
}
