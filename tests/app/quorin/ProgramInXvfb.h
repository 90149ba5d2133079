#pragma once
// The built program in an X11 window on a private Xvfb server, with the receiver simulator on a
// pseudo-terminal; keys and taps by xdotool. Every wait is bounded and polls for what it expects.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <png.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "foundation/PointLines.h"
#include "platform/text/CodePage.h"
#include "tests/app/PrivateXvfb.h"
#include "tests/app/quorin/ProgramWithReceiver.h"

inline std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

inline bool Have(const char* program) {
    return std::system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

class ProgramInXvfb : public ::testing::Test {
protected:
    explicit ProgramInXvfb(sim::SimOptions options = {}) : simulator_(std::move(options)) {}

    void SetUp() override {
        if (!Have("Xvfb") || !Have("xdotool")) GTEST_SKIP() << "Xvfb or xdotool missing";
        name_ = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        work_ = std::filesystem::temp_directory_path() / ("qz-" + name_ + "-" + std::to_string(getpid()));
        std::filesystem::remove_all(work_);
        std::filesystem::create_directories(work_);
        ASSERT_TRUE(simulator_.Open());
        ASSERT_NO_FATAL_FAILURE(StartPrivateXvfb(xvfb_, display_));
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
            std::filesystem::copy_file(work_ / "screen.png",
                                       std::string(QZ_BINARY_DIR) + "/" + name_ + ".png",
                                       std::filesystem::copy_options::overwrite_existing, ignored);
        std::filesystem::remove_all(work_);
    }

    void StartProgram() {
        const ProgramEnvironment env(simulator_.DevicePath(), display_);
        const std::string root = Root().string();
        const std::string shot = (work_ / "screen.png").string();
        std::vector<char*> argv;
        for (std::string& word : launcher_) argv.push_back(word.data());
        for (const char* word : {QZ_QUORIN_PATH, "--root", root.c_str(), "--screenshot", shot.c_str()})
            argv.push_back(const_cast<char*>(word));
        argv.push_back(nullptr);
        // Standard error goes to a file the test reads: message boxes are printed there too.
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, ErrorFile().c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        const int spawned = posix_spawnp(&program_, argv[0], &actions, nullptr, argv.data(), env.get());
        posix_spawn_file_actions_destroy(&actions);
        ASSERT_EQ(spawned, 0);
        // The window is there once xdotool finds it (the private server shows no other); every wait
        // is bounded.
        ASSERT_TRUE(
            PlayUntil([&] { return !(window_ = Xdo("search --onlyvisible --name .")).empty(); }, 60000))
            << ReadAll(ErrorFile());
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
    // xdotool on the private display. It reads the text it types through its own locale, and the
    // caller may have named none: it gets UTF-8, the program under test keeps the caller's.
    std::string XdoCommand(const std::string& args) const {
        return "DISPLAY=" + display_ + " LC_ALL=C.UTF-8 xdotool " + args;
    }
    // Runs xdotool; its first line of output.
    std::string Xdo(const std::string& args) {
        const std::string command = XdoCommand(args) + " 2>/dev/null";
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
        return PlayReceiverUntil(simulator_, done, limitMs);
    }
    // Runs xdotool while the receiver plays on: a store refuses a fix older than two seconds, and
    // xdotool may take that long on a loaded machine.
    void Act(const std::string& args) {
        const std::string command = XdoCommand(args);
        const char* argv[] = {"sh", "-c", command.c_str(), nullptr};
        pid_t pid = -1;
        ASSERT_EQ(posix_spawnp(&pid, "sh", nullptr, nullptr, const_cast<char**>(argv), environ), 0);
        ASSERT_TRUE(PlayUntil([&] { return waitpid(pid, nullptr, WNOHANG) == pid; }, 30000));
    }
    // The colour (0xRRGGBB) of one pixel of the screenshot, in the handheld's 240 x 320 pixels;
    // 0xFFFFFFFF when the screenshot cannot be read.
    uint32_t ScreenPixel(int x, int y) const {
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        if (!png_image_begin_read_from_file(&image, (work_ / "screen.png").c_str())) return 0xFFFFFFFF;
        image.format = PNG_FORMAT_RGB;
        std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
        if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr) ||
            x >= static_cast<int>(image.width) || y >= static_cast<int>(image.height))
            return 0xFFFFFFFF;
        const png_byte* p = &bytes[(static_cast<size_t>(y) * image.width + static_cast<size_t>(x)) * 3];
        return static_cast<uint32_t>(p[0] << 16 | p[1] << 8 | p[2]);
    }
    // A dialog is up once its caption bar's navy shows below the menu bar: keys sent before then
    // would reach the window under it.
    bool DialogShown() const { return ScreenPixel(120, 47) == 0x000080; }
    // The store button opens 自动存储, Enter starts, and its OK lies at (62, 258). The start's splash
    // lies over the map for its two seconds, and a tap before the first fix is refused in a box: the
    // tap is repeated (the box answered) until 自动存储 opens.
    void StartAutomaticStoring() {
        int polls = 0;
        size_t refusals = 0;
        ASSERT_TRUE(PlayUntil(
            [&] {
                if (polls++ % 10 != 0) return DialogShown();
                if (const size_t now = Count(ReadAll(ErrorFile()), "当前没有接收到数据"); now > refusals) {
                    refusals = now;
                    Keys("Return");
                }
                Xdo("mousemove --window " + window_ + " 250 244 click 1");
                return DialogShown();
            },
            30000))
            << "自动存储 did not open";
        Keys("Return");
        Xdo("mousemove --window " + window_ + " 124 516 click 1");
    }
    static void Edit(const std::filesystem::path& file, const std::string& from, const std::string& to) {
        std::string text = ReadAll(file);
        const size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
        std::ofstream(file, std::ios::binary) << text;
    }
    std::filesystem::path Root() const { return work_ / "root"; }
    // The standard error of the program's last start.
    std::filesystem::path ErrorFile() const { return work_ / "stderr.txt"; }
    // The device root as the program sees it: through its own root folder, which a program in a
    // mount namespace of its own has.
    std::filesystem::path SeenRoot() const {
        return launcher_.empty() ? Root()
                                 : std::filesystem::path("/proc/" + std::to_string(program_) + "/root") /
                                       Root().relative_path();
    }
    std::filesystem::path Job(const char* file) const {
        return SeenRoot() / "Program Files/Jobs/vorna" / file;
    }
    size_t PointLines() const { return CutPointFileLines(FromGbk(ReadAll(Job("data/vorna.xyh")))).size(); }
    // The program has taken a fix once its receiver information shows one: waits for the
    // simulator's epochs to reach it.
    void WaitForFixes() {
        const size_t sent = simulator_.Sent().size();
        ASSERT_TRUE(PlayUntil([&] { return simulator_.Sent().size() > sent + 2000; }, 60000));
    }

    std::string name_;
    std::filesystem::path work_;
    // Words before the program's own on its command line (a program that starts it).
    std::vector<std::string> launcher_;
    sim::CReceiverSimulator simulator_;
    pid_t xvfb_ = -1, program_ = -1;
    std::string display_, window_;
};
