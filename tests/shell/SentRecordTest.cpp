// What the frame sends to the receiver over a minute of the virtual clock, one record per board type,
// connection and data link, compared with a golden record. The receiver's lines are fed to the frame
// directly, so the record depends on nothing but the clock; the simulator on the pseudo-terminal only
// records (it answers nothing) and a marker line written after each tick says when everything before
// it has arrived.
#include <cstdio>
#include <fstream>
#include <map>

#include "platform/text/CodePage.h"
#include "platform/time/Clock.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/JobChanges.h"
#include "tests/shell/SimulatorFrameTest.h"
#include "tools/receiver-sim/sim/SimHexPacket.h"

namespace {

std::string Printf(const char* format, auto... values) {
    char text[64];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

std::string Hex(const std::string& bytes) {
    std::string out;
    for (unsigned char c : bytes) out += Printf(out.empty() ? "%02X" : " %02X", c);
    return out;
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c < 0x20 || c >= 0x7F)
            out += Printf("\\x%02X", c);
        else
            out += static_cast<char>(c);
    }
    return out;
}

// One item per line: binary frames by command and payload, radio requests and hex packets in hex, text
// lines with the empty lines that follow them, each tick's marker as "-- <seconds> s" with the solution
// texts the position window was shown since the previous one; an item repeated at once is written once
// with "xN".
std::string Render(std::string bytes, const std::map<int, std::string>& shown) {
    std::vector<std::string> items;
    while (!bytes.empty()) {
        const auto at = [&](size_t i) { return static_cast<uint8_t>(bytes[i]); };
        size_t size = 0;
        std::string item;
        if (bytes.size() >= 5 && at(0) == '$' && at(2) == static_cast<uint8_t>(~at(1))) {
            size = std::min(bytes.size(), 6 + static_cast<size_t>(at(3) | (at(4) << 8)));
            item = Printf("bin %d", at(1)) + (size > 6 ? " " + Hex(bytes.substr(5, size - 6)) : "");
        } else if (bytes.size() >= 3 && at(0) == 0x55 && at(1) == 0xAA) {
            size = std::min(bytes.size(), 4 + static_cast<size_t>(at(2)));
            item = "radio " + Hex(bytes.substr(0, size));
        } else if (const size_t packet = sim::HexPacketLength(bytes); packet != 0) {
            size = std::min(bytes.size(), packet);
            item = "packet " + Hex(bytes.substr(0, size));
        } else {
            // A quoted line end belongs to its command ("send com2 \"...\r\n\"").
            size = std::min(bytes.size(), bytes.find('\n') + 1);
            while (size < bytes.size() && bytes[size] == '"')
                size = std::min(bytes.size(), bytes.find('\n', size) + 1);
            while (bytes.compare(size, 2, "\r\n") == 0) size += 2;
            if (bytes[0] == '#') {
                const int seconds = std::stoi(bytes.substr(1));
                item = Printf("-- %d s", seconds) + (shown.contains(seconds) ? " " + shown.at(seconds) : "");
            } else {
                item = Escaped(bytes.substr(0, size));
            }
        }
        bytes.erase(0, size);
        items.push_back(item);
    }
    std::string out;
    for (size_t i = 0; i < items.size();) {
        size_t n = 1;
        while (i + n < items.size() && items[i + n] == items[i]) ++n;
        out += items[i] + (n > 1 ? Printf(" x%zu", n) : "") + "\n";
        i += n;
    }
    return out;
}

struct Scenario {
    const char* name;
    int board;
    int linkKind;         // 0 cable (COM5), 1 Bluetooth (COM3)
    const char* version;  // board, modules, data link and work mode of the version reply; "" for none
    int dataLink;         // the job's data link before the reply names one
};
void PrintTo(const Scenario& s, std::ostream* out) {
    *out << s.name;
}

}  // namespace

class SentRecordTest : public SimulatorFrameTest, public testing::WithParamInterface<Scenario> {
protected:
    void SetUp() override {
        SimulatorFrameTest::SetUp();
        simulator.StayQuiet("");
    }
    // What came since the last tick, then the tick's marker with the texts the position window was shown.
    void Mark(int seconds) {
        record_ += Written() + Printf("#%d\r\n", seconds);
        std::string texts;
        for (const HeardFix& h : listener.heard)
            if (const std::string text = "[" + ToUtf8(h.solution) + "]";
                texts.find(text) == std::string::npos)
                texts += text;
        listener.heard.clear();
        if (!texts.empty()) shown_[seconds] = texts;
    }
    // Connects, feeds the version reply, then five epochs a second: without a fix until 12 s on the
    // clock (the housekeeping re-sends come due), fixed until 24 s (the network report), and silence
    // for the rest of the minute (the watchdog).
    std::string RunMinute(const Scenario& s) {
        ChangeSystemRecord(FrameProbe::Job(frame), [&s](LastFilesRecord& r) { r.nGPSOEMType = s.board; });
        ChangeSettings(FrameProbe::Job(frame), [&s](GeneralSettingsBlock& settings) {
            settings.dataLink.nModuleType = s.dataLink;
            settings.dataLink.nGSMSendTimeInterval = 10;
            settings.connection.nRadioFormat = 3;
            settings.connection.nGAngle = 10;
        });
        EXPECT_TRUE(s.linkKind == 0 ? FrameProbe::Services(frame).ConnectReceiver(0, 0, 0, 57600)
                                    : FrameProbe::Services(frame).ConnectReceiver(0, 1, 3, 57600));
        if (*s.version)
            Feed(sim::NmeaSentence(std::string("GPXXX,QZ8120382345678,V2.10,B3,QZANT-A,") + s.version +
                                   ",ZH-EN,3,0,120,884,END"));
        Mark(0);
        for (uint64_t now = ProgramTimeMs(); now < 60000; now = ProgramTimeMs()) {
            if (now < 24000) {
                sim::Epoch e = now < 12000 ? Epoch(sim::FixKind::kNone, 0) : Epoch();
                e.second = static_cast<double>(now % 60000) / 1000.0;
                Feed(sim::GgaSentence(e) + sim::BestPosLog(e));
            }
            const uint64_t step = 200 - now % 200;
            ui_.Advance(static_cast<DWORD>(step));
            if ((now + step) % mainframe::kTickMs == 0) Mark(static_cast<int>((now + step) / 1000));
        }
        return Render(record_, shown_);
    }

    std::string record_;
    std::map<int, std::string> shown_;
};

TEST_P(SentRecordTest, AMinuteSendsTheRecordedBytes) {
    const Scenario& s = GetParam();
    WriteHostFile("Program Files/AntType.at", "");
    const std::string record = RunMinute(s);
    std::ofstream(std::string(QZ_BINARY_DIR) + "/sent-" + s.name + ".txt") << record;
    std::ifstream golden(std::filesystem::path(QZ_SOURCE_DIR) / "tests/shell/sent" /
                         (std::string(s.name) + ".txt"));
    EXPECT_EQ(record, std::string(std::istreambuf_iterator<char>(golden), {}));
}

INSTANTIATE_TEST_SUITE_P(
    Boards, SentRecordTest,
    testing::Values(Scenario{"board0-cable-silent", 0, 0, "", 0},
                    Scenario{"board1-cable-external-rover", 1, 0, "OEM-V,NONE,EXT,0,ROVER", 0},
                    Scenario{"board2-bluetooth-external-base", 2, 1, "OEM-E,NONE,EXT,0,BASE", 0},
                    Scenario{"board2-cable-external-rover", 2, 0, "OEM-E,NONE,EXT,0,ROVER", 0},
                    Scenario{"board3-cable-silent", 3, 0, "", 0},
                    Scenario{"board4-cable-radio-rover", 4, 0, "OEM-D,NONE,RADIO,0,ROVER", 2},
                    Scenario{"board5-bluetooth-network-rover", 5, 1, "OEM-T,NONE,NET,0,ROVER", 0}),
    [](const testing::TestParamInfo<Scenario>& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });
