// Storing in the built program: an X11 window on a private Xvfb server, the receiver simulator on a
// pseudo-terminal, keys and taps by xdotool. Key A and the map's store button store a point each,
// then automatic storing by time; the three files must hold what the simulator's fixes give.
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstring>

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "foundation/CJobSettings.h"
#include "foundation/PointLines.h"
#include "foundation/StoredPointLines.h"
#include "platform/files/DevicePath.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "shell/PositionConverter.h"
#include "tools/receiver-sim/sim/CReceiverSimulator.h"

extern char** environ;

namespace {

constexpr double kDegreesPerRadian = 57.29577951308402;

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool Have(const char* program) {
    return std::system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

// A GGA position the simulator sent, in decimal degrees.
struct SentPosition {
    double latitude, longitude;
};

// Fields 2-5 of every GGA sentence: ddmm.mmmm, N or S, dddmm.mmmm, E or W.
std::vector<SentPosition> SentGga(const std::string& sent) {
    std::vector<SentPosition> positions;
    for (size_t at = sent.find("GGA,"); at != std::string::npos; at = sent.find("GGA,", at + 1)) {
        std::vector<std::string> f;
        size_t start = at + 4;
        for (int i = 0; i < 5; ++i) {
            const size_t comma = sent.find(',', start);
            if (comma == std::string::npos) break;
            f.push_back(sent.substr(start, comma - start));
            start = comma + 1;
        }
        if (f.size() < 5 || f[1].size() < 4 || f[3].size() < 5) continue;
        const double lat = std::stod(f[1].substr(0, 2)) + std::stod(f[1].substr(2)) / 60.0;
        const double lon = std::stod(f[3].substr(0, 3)) + std::stod(f[3].substr(3)) / 60.0;
        positions.push_back({f[2] == "S" ? -lat : lat, f[4] == "W" ? -lon : lon});
    }
    return positions;
}

class StoreEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        if (!Have("Xvfb") || !Have("xdotool")) GTEST_SKIP() << "Xvfb or xdotool missing";
        work_ = std::filesystem::temp_directory_path() / ("qz-store-e2e-" + std::to_string(getpid()));
        std::filesystem::remove_all(work_);
        std::filesystem::create_directories(work_);
        ASSERT_TRUE(simulator_.Open());
        ASSERT_NO_FATAL_FAILURE(StartXvfb());
    }
    void TearDown() override {
        for (pid_t* pid : {&program_, &xvfb_})
            if (*pid > 0) {
                kill(*pid, SIGKILL);
                waitpid(*pid, nullptr, 0);
            }
        // The last screen of a failed run is kept beside the tests.
        std::error_code ignored;
        if (HasFailure())
            std::filesystem::copy_file(work_ / "screen.png", std::string(QZ_BINARY_DIR) + "/store-e2e.png",
                                       std::filesystem::copy_options::overwrite_existing, ignored);
        std::filesystem::remove_all(work_);
    }

    // Xvfb picks a free display and writes its number to the pipe it inherits.
    void StartXvfb() {
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        const std::string fd = std::to_string(fds[1]);
        const char* argv[] = {"Xvfb",       "-displayfd", fd.c_str(), "-screen", "0",
                              "640x700x24", "-nolisten",  "tcp",      nullptr};
        ASSERT_EQ(posix_spawnp(&xvfb_, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        // Read up to the newline: Xvfb writes the number and the newline apart, and ends itself
        // when the second write finds the pipe closed.
        char text[16] = {};
        size_t length = 0;
        pollfd ready{fds[0], POLLIN, 0};
        while (length < sizeof text - 1 && !std::memchr(text, '\n', length) && poll(&ready, 1, 30000) == 1) {
            const ssize_t got = read(fds[0], text + length, sizeof text - 1 - length);
            if (got <= 0) break;
            length += static_cast<size_t>(got);
        }
        const bool answered = std::memchr(text, '\n', length) != nullptr;
        close(fds[0]);
        ASSERT_TRUE(answered && text[0] >= '0' && text[0] <= '9') << "Xvfb gave no display: " << text;
        display_ = ":" + std::to_string(std::atoi(text));
    }

    void StartProgram() {
        const std::string pty = simulator_.DevicePath();
        std::vector<std::string> env{"QZ_SERIAL_PORTS=2=" + pty + ",3=" + pty + ",5=" + pty,
                                     "DISPLAY=" + display_};
        for (char** e = environ; *e; ++e)
            if (std::string(*e).rfind("QZ_SERIAL_PORTS=", 0) != 0 &&
                std::string(*e).rfind("DISPLAY=", 0) != 0)
                env.push_back(*e);
        std::vector<char*> envp;
        for (std::string& e : env) envp.push_back(e.data());
        envp.push_back(nullptr);
        const std::string root = Root().string();
        const std::string shot = (work_ / "screen.png").string();
        const char* argv[] = {QZ_QUORIN_PATH, "--root", root.c_str(), "--screenshot", shot.c_str(), nullptr};
        ASSERT_EQ(
            posix_spawn(&program_, QZ_QUORIN_PATH, nullptr, nullptr, const_cast<char**>(argv), envp.data()),
            0);
        // The window is there once xdotool finds it (the private server shows no other); every wait
        // is bounded.
        ASSERT_TRUE(
            PlayUntil([&] { return !(window_ = Xdo("search --onlyvisible --name .")).empty(); }, 60000));
        // Without a window manager the shown window takes the keyboard itself.
        ASSERT_TRUE(PlayUntil([&] { return Xdo("getwindowfocus") == window_; }, 30000));
    }
    void StopProgram() {
        // A signal that comes before start-up has finished is not heard: it is sent again each second.
        int status = 0, tries = 0;
        ASSERT_TRUE(PlayUntil(
            [&] {
                if (tries++ % 20 == 0) kill(program_, SIGTERM);
                return waitpid(program_, &status, WNOHANG) == program_;
            },
            30000));
        program_ = -1;
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    // Runs xdotool on the private display; its first line of output.
    std::string Xdo(const std::string& args) {
        const std::string command = "DISPLAY=" + display_ + " xdotool " + args + " 2>/dev/null";
        std::string out;
        if (FILE* pipe = popen(command.c_str(), "r")) {
            char line[256];
            if (fgets(line, sizeof line, pipe)) out = line;
            pclose(pipe);
        }
        while (!out.empty() && (out.back() == '\n' || out.back() == ' ')) out.pop_back();
        return out;
    }
    void Keys(const std::string& keys) { Xdo("key --delay 100 " + keys); }
    // Plays the receiver in real time until `done` holds (at most `limitMs`).
    bool PlayUntil(const std::function<bool()>& done, int limitMs) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
        while (std::chrono::steady_clock::now() < deadline) {
            simulator_.ServiceInput();
            simulator_.Advance(50);
            if (done()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
    static void Edit(const std::filesystem::path& file, const std::string& from, const std::string& to) {
        std::string text = ReadAll(file);
        const size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
        std::ofstream(file, std::ios::binary) << text;
    }
    std::filesystem::path Root() const { return work_ / "root"; }
    std::filesystem::path Job(const char* file) const { return Root() / "Program Files/Jobs/vorna" / file; }
    size_t PointLines() const { return CutPointFileLines(FromGbk(ReadAll(Job("data/vorna.xyh")))).size(); }
    // The program has taken a fix once its receiver information shows one: waits for the
    // simulator's epochs to reach it.
    void WaitForFixes() {
        const size_t sent = simulator_.Sent().size();
        ASSERT_TRUE(PlayUntil([&] { return simulator_.Sent().size() > sent + 2000; }, 60000));
    }

    std::filesystem::path work_;
    sim::CReceiverSimulator simulator_;
    pid_t xvfb_ = -1, program_ = -1;
    std::string display_, window_;
};

}  // namespace

TEST_F(StoreEndToEnd, KeyAButtonAndAutomaticStoringStoreTheSimulatorsFixes) {
    // A first start lays the default job out; its central meridian is then set to the walk's, so
    // that no warning takes the keyboard.
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(StopProgram());
    Edit(Job("vorna.qza"), "szdCenter=0.0000000000", "szdCenter=120.0000000000");
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(WaitForFixes());
    // The store button lies at (125, 122) of the handheld's screen; the window shows it twice as
    // large. The store dialog's OK is its default button; the walk's precision is over the job's
    // limits, and Yes is the first button of the question that follows.
    Xdo("mousemove --window " + window_ + " 250 244 click 1");
    Keys("Return Return");
    ASSERT_TRUE(PlayUntil([&] { return PointLines() == 1; }, 30000)) << "the store button stored nothing";
    // The tap left the keyboard with the map: key A stores too.
    Keys("a Return Return");
    ASSERT_TRUE(PlayUntil([&] { return PointLines() == 2; }, 30000)) << "key A stored nothing";
    ASSERT_NO_FATAL_FAILURE(StopProgram());

    // Automatic storing every second.
    Edit(Job("vorna.qzs"), "nSaveType=0", "nSaveType=3");
    Edit(Job("vorna.qzs"), "nAutoSaveTime=5", "nAutoSaveTime=1");
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(WaitForFixes());
    // The store button opens 自动存储, Enter starts, and its OK lies at (62, 258).
    Xdo("mousemove --window " + window_ + " 250 244 click 1");
    Keys("Return");
    Xdo("mousemove --window " + window_ + " 124 516 click 1");
    ASSERT_TRUE(PlayUntil([&] { return PointLines() >= 5; }, 30000)) << "automatic storing stored nothing";
    ASSERT_NO_FATAL_FAILURE(StopProgram());

    // Every point: its raw line's geodetic position is one the simulator sent, its grid position
    // that position through the job's projection, and its library line the same point.
    SetDeviceRoot(Root());
    CJobSettings jobs;
    jobs.SetJobFilePaths(
        {L"\\Program Files\\Jobs\\vorna\\vorna.qzs", L"\\Program Files\\Jobs\\vorna\\vorna.qza"});
    CoordSysParams params;
    ASSERT_TRUE(jobs.ReadCoordParams(params));
    PositionConverter converter;
    converter.Apply(params);
    const std::vector<SentPosition> sent = SentGga(simulator_.Sent());
    ASSERT_FALSE(sent.empty());
    const std::vector<CString> raw = CutPointFileLines(FromGbk(ReadAll(Job("data/vorna.blh"))));
    const std::vector<CString> points = CutPointFileLines(FromGbk(ReadAll(Job("data/vorna.xyh"))));
    const std::vector<CString> library = CutPointFileLines(FromGbk(ReadAll(Job("vorna.lib"))));
    ASSERT_EQ(raw.size(), points.size() + 2);  // two headers
    ASSERT_EQ(library.size(), points.size());
    const CCoordTransform angles;
    for (size_t i = 0; i < points.size(); ++i) {
        const CString& line = raw[i + 2];
        SurveyPointRec point;
        ASSERT_TRUE(ReadPointFileLine(points[i], point));
        EXPECT_EQ(LineField(line, 0), point.name);
        CGpsState fix;
        fix.latitude = angles.ConvertDmsAngle(ToDouble(LineField(line, 1)), 1) * kDegreesPerRadian;
        fix.longitude = angles.ConvertDmsAngle(ToDouble(LineField(line, 2)), 1) * kDegreesPerRadian;
        fix.height = ToDouble(LineField(line, 3));
        EXPECT_TRUE(std::any_of(sent.begin(), sent.end(),
                                [&](const SentPosition& p) {
                                    return std::fabs(p.latitude - fix.latitude) < 2e-6 &&
                                           std::fabs(p.longitude - fix.longitude) < 2e-6;
                                }))
            << "raw line " << i << " is no position the simulator sent";
        converter.Convert(fix, params);
        EXPECT_NEAR(point.pointX, fix.gridX, 0.002) << i;
        EXPECT_NEAR(point.pointY, fix.gridY, 0.002) << i;
        EXPECT_EQ(library[i], Format(L"%d,%s,%.3f,%.3f,%.3f,%s", point.pointKind + 1, point.name,
                                     point.pointX, point.pointY, point.pointH, point.code));
    }
    EXPECT_EQ(LineField(points.back(), 14), L"3");  // automatic points are terrain points
}
