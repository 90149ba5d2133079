// The receiver simulator as the parser and the real port meet it, in-process and as its own program.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include <set>
#include <sstream>

#include "receiver/CGpsParser.h"
#include "receiver/CSerialPort.h"
#include "receiver/ReceiverMessages.h"
#include "tests/receiver/SentenceHelpers.h"
#include "tests/receiver/SimulatorLink.h"

extern char** environ;

namespace {

std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

// The frame's line cutting, enough for these tests: every complete CR LF line of the chunks.
class CLineWindow final : public IMessageTarget {
public:
    CLineWindow() : hwnd(RegisterMessageTarget(this)) {}
    ~CLineWindow() override { UnregisterMessageTarget(hwnd); }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_SERIAL_DATA) return 0;
        pending_.append(reinterpret_cast<const char*>(wParam), static_cast<size_t>(lParam));
        size_t end;
        while ((end = pending_.find("\r\n")) != std::string::npos) {
            lines.push_back(pending_.substr(0, end));
            pending_.erase(0, end + 2);
        }
        return 0;
    }
    std::vector<std::string> lines;
    HWND hwnd;

private:
    std::string pending_;
};

}  // namespace

TEST(Simulator, WalkScriptsAreReadOrRefusedByLine) {
    sim::WalkScript script;
    std::string error;
    ASSERT_TRUE(sim::WalkScript::Parse("origin -33.5 -70.5 500 # Santiago\nrate 5\nleg 10 0 100 0 fixed\n",
                                       &script, &error));
    EXPECT_EQ(script.rateHz, 5);
    const sim::WalkPoint end = script.At(5);
    EXPECT_NEAR(end.latitude, -33.5, 1e-9);
    EXPECT_GT(end.longitude, -70.5);
    EXPECT_EQ(end.fix, sim::FixKind::kFixed);
    EXPECT_FALSE(sim::WalkScript::Parse("rate 50\n", &script, &error));
    EXPECT_FALSE(sim::WalkScript::Parse("origin 1 2\nleg 1 0 0 0 rtk\n", &script, &error));
    EXPECT_EQ(error.rfind("script line 1", 0), 0u);
}

TEST(Simulator, GotoLegsEndOnTheirPositionAndTheStationHasItsOwn) {
    sim::WalkScript script;
    std::string error;
    ASSERT_TRUE(
        sim::WalkScript::Parse("origin 23.5 113.5 40\n"
                               "leg 10 100 -50 1 fixed\n"
                               "goto 20 23.5012345 113.4987654 45.25 fixed\n"
                               "goto 5 23.5012345 113.4987654 45.25 float\n"
                               "station 23.49 113.51 38.5 0427\n",
                               &script, &error))
        << error;
    for (double t : {30.0, 33.0}) {  // the end of the first goto leg, and a leg standing still there
        const sim::WalkPoint p = script.At(t);
        EXPECT_NEAR(p.latitude, 23.5012345, 1e-12) << t;
        EXPECT_NEAR(p.longitude, 113.4987654, 1e-12) << t;
        EXPECT_NEAR(p.height, 45.25, 1e-9) << t;
    }
    EXPECT_EQ(script.At(33.0).fix, sim::FixKind::kFloat);

    sim::SimOptions options;
    options.script = script;
    sim::CReceiverSimulator simulator(options);
    ASSERT_TRUE(simulator.Open());
    simulator.EmitEpoch();
    CGpsParser parser({.boardType = kBoardOemV});
    CGpsState state;
    for (const std::string& line : SplitLines(simulator.Sent())) {
        int type = 0;
        parser.Parse(Wide(line), state, type);
    }
    double x = 0, y = 0, z = 0;
    sim::GeodeticToCartesian(23.49, 113.51, 38.5, &x, &y, &z);
    EXPECT_EQ(state.baseId, L"0427");
    EXPECT_NEAR(state.baseX, x, 0.001);
    EXPECT_NEAR(state.baseZ, z, 0.001);
}

TEST(Simulator, TheDefaultWalkGoesFromSinglePointToFixed) {
    sim::CReceiverSimulator simulator;
    ASSERT_TRUE(simulator.Open());
    // Read the far end as the walk goes, so that the terminal's queue never fills.
    const int far = open(simulator.DevicePath().c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY);
    ASSERT_GE(far, 0);
    char drain[4096];
    for (int second = 0; second < 80; ++second) {
        simulator.Advance(second == 0 ? 0 : 1000);
        while (read(far, drain, sizeof drain) > 0) {
        }
    }
    close(far);
    CGpsParser parser({.boardType = kBoardOemV});
    CGpsState state;
    int versionType = 0;
    parser.Parse(FirmwareLog("3.3"), state, versionType);
    std::vector<int> codes;
    int references = 0;
    for (const std::string& line : SplitLines(simulator.Sent())) {
        int type = 0;
        ASSERT_EQ(parser.Parse(Wide(line), state, type), 1) << line;
        if (type == kLineRefStation) ++references;
        if (type == kLineBestPos && (codes.empty() || codes.back() != state.solutionCode))
            codes.push_back(state.solutionCode);
    }
    EXPECT_EQ(codes, (std::vector<int>{kSolSingle, kSolPsrDiff, kSolFloat, kSolFixed}));
    EXPECT_EQ(references, 8);
    EXPECT_EQ(state.baseId, L"0001");
    EXPECT_EQ(simulator.EpochsSent(), 80u);
}

TEST(Simulator, FaultsSilenceAndBursts) {
    sim::CReceiverSimulator simulator;
    ASSERT_TRUE(simulator.Open());
    simulator.SetFaults({4, 0, 0});
    simulator.Advance(3000);
    CGpsParser parser({.boardType = kBoardOemD});
    CGpsState state;
    const std::vector<std::string> lines = SplitLines(simulator.Sent());
    ASSERT_EQ(lines.size(), 41u);
    for (size_t i = 0; i < lines.size(); ++i) {
        int type = 0;
        const int taken = parser.Parse(Wide(lines[i]), state, type);
        // Every fourth line carries a wrong check.
        EXPECT_EQ(taken, (i + 1) % 4 == 0 ? 0 : 1) << lines[i];
    }
    const size_t sent = simulator.Sent().size();
    simulator.SilenceFor(5000);
    simulator.Advance(4999);
    EXPECT_EQ(simulator.Sent().size(), sent);
    for (int i = 0; i < 10; ++i) simulator.EmitEpoch();
    EXPECT_EQ(simulator.EpochsSent(), 14u);
}

TEST(SimulatorProgram, ServesTheRealPortFromItsOwnProcess) {
    const std::string program = QZ_BINARY_DIR "/tools/receiver-sim/receiver-sim";
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const char* argv[] = {program.c_str(), "--rate", "10", "--seconds", "20", nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, program.c_str(), &actions, nullptr, const_cast<char**>(argv), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string path;
    char c;
    while (read(out[0], &c, 1) == 1 && c != '\n') path += c;
    close(out[0]);
    ASSERT_FALSE(path.empty());

    SetSerialDevicePath(6, path);
    CGpsParser parser({.boardType = kBoardOemD});
    CGpsState state;
    CLineWindow window;
    CSerialPort port;
    port.SetOwner(window.hwnd, WM_SERIAL_DATA);
    ASSERT_EQ(port.OpenPort(6, 115200), TRUE);
    port.SendBinaryCommand(BinaryCommand::kVersionQuery, L"");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    std::set<int> types;
    size_t parsed = 0;
    while (std::chrono::steady_clock::now() < deadline &&
           (types.size() < 7 || state.ident.text[0].IsEmpty())) {
        RunMessageLoop(
            [&] { return window.lines.size() == parsed && std::chrono::steady_clock::now() < deadline; });
        for (; parsed < window.lines.size(); ++parsed) {
            const CString line = Wide(window.lines[parsed]);
            int type = 0;
            if (line.Find(L"GPXXX") >= 0)
                parser.ParseVersion(line, state);
            else if (parser.Parse(line, state, type) && type != kLineRefStation)
                types.insert(type);
        }
    }
    port.Close();
    SetSerialDevicePath(6, "");
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    // Every epoch's sentences and logs (the reference station, every 10 s only, is left out).
    EXPECT_EQ(types,
              (std::set<int>{kLineGga, kLineGsa, kLineGst, kLineGsv, kLineZda, kLineGlGsv, kLineBestPos}));
    EXPECT_EQ(state.ident.text[0], L"QZ8120382345678");
    EXPECT_NEAR(state.latitude, 30.2417, 1e-3);
    EXPECT_TRUE(WIFEXITED(status));
}

TEST(SimulatorProgram, ModemReceiverSilentForGoodAnswersItsVersionQuery) {
    const std::string program = QZ_BINARY_DIR "/tools/receiver-sim/receiver-sim";
    int out[2], err[2];
    ASSERT_EQ(pipe(out), 0);
    ASSERT_EQ(pipe(err), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    // --silence-after without --silence-seconds: silent for good.
    const char* argv[] = {program.c_str(), "--modem", "--silence-after", "0", nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, program.c_str(), &actions, nullptr, const_cast<char**>(argv), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    close(err[1]);
    std::string path;
    char c;
    while (read(out[0], &c, 1) == 1 && c != '\n') path += c;
    close(out[0]);
    const int terminal = open(path.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal, 0) << path;
    ASSERT_EQ(write(terminal, kVersionQuery.data(), kVersionQuery.size()),
              static_cast<ssize_t>(kVersionQuery.size()));
    std::string received;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (received.find("END") == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        pollfd p{terminal, POLLIN, 0};
        if (poll(&p, 1, 100) > 0 && read(terminal, &c, 1) == 1) received += c;
    }
    close(terminal);
    kill(pid, SIGTERM);
    std::string report;
    while (read(err[0], &c, 1) == 1) report += c;
    close(err[0]);
    waitpid(pid, nullptr, 0);
    EXPECT_NE(received.find("$GPXXX,QZ9120382345678"), std::string::npos) << received;
    EXPECT_NE(received.find(",GPRS,GPRS,"), std::string::npos) << received;
    EXPECT_EQ(received.find("RADIO"), std::string::npos) << received;
    EXPECT_NE(report.find("receiver-sim: 0 epochs sent"), std::string::npos) << report;
}
