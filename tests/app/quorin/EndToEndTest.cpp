// The built program as a user starts it: headless on a fresh device root, the receiver simulator on a
// pseudo-terminal behind every port a job may use. What it shows is read from its screenshots only.
#include <gtest/gtest.h>
#include <png.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>

#include "platform/gdi/Framebuffer.h"
#include "tests/app/quorin/ProgramWithReceiver.h"

namespace {

bool ReadPng(const std::string& path, Framebuffer& out) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr)) return false;
    out = Framebuffer(static_cast<int>(image.width), static_cast<int>(image.height));
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const png_byte* p = &bytes[(static_cast<size_t>(y) * out.width() + x) * 3];
            out.row(y)[x] = Framebuffer::ToPixel(RGB(p[0], p[1], p[2]));
        }
    return true;
}

// The dark pixels of a screen rectangle, as text marks them, row by row.
std::vector<uint32_t> Ink(const Framebuffer& screen, int left, int top, int right, int bottom) {
    std::vector<uint32_t> ink;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const COLORREF c = screen.colorAt(x, y);
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 200)
                ink.push_back(static_cast<uint32_t>(y * 1000 + x));
        }
    return ink;
}

// Where form 133 shows x and y under the command bar: left 9, top 121 and 131, 53 x 8 units.
constexpr int kTextLeft = 16, kTextRight = 110, kXTop = 240, kYTop = 257, kTextRows = 14;

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        work_ = std::filesystem::temp_directory_path() / ("qz-e2e-" + std::to_string(getpid()));
        std::filesystem::remove_all(work_);
        std::filesystem::create_directories(work_);
        ASSERT_TRUE(simulator_.Open());
    }
    void TearDown() override {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        std::filesystem::remove_all(work_);
    }
    void Start() {
        const ProgramEnvironment env(simulator_.DevicePath(), "");
        const std::string root = (work_ / "root").string(), shot = Screenshot();
        const char* argv[] = {QZ_QUORIN_PATH, "--headless", "--root", root.c_str(),
                              "--screenshot", shot.c_str(), nullptr};
        ASSERT_EQ(posix_spawn(&pid_, QZ_QUORIN_PATH, nullptr, nullptr, const_cast<char**>(argv), env.get()),
                  0);
    }
    std::string Screenshot() const { return (work_ / "screen.png").string(); }
    // Plays the receiver in real time until `done` holds (at most `limitMs`).
    bool PlayUntil(const std::function<bool()>& done, int limitMs) {
        return PlayReceiverUntil(simulator_, done, limitMs);
    }

    std::filesystem::path work_;
    sim::CReceiverSimulator simulator_;
    pid_t pid_ = -1;
};

}  // namespace

TEST_F(EndToEnd, LivePositionsReachTheMapTextsAndMoveWithTheWalk) {
    Start();
    Framebuffer screen(1, 1);
    std::vector<uint32_t> firstX, firstY;
    ASSERT_TRUE(PlayUntil(
        [&] {
            if (!ReadPng(Screenshot(), screen) || screen.width() != 240) return false;
            firstX = Ink(screen, kTextLeft, kXTop, kTextRight, kXTop + kTextRows);
            firstY = Ink(screen, kTextLeft, kYTop, kTextRight, kYTop + kTextRows);
            return !firstX.empty() && !firstY.empty();
        },
        60000))
        << "no position texts on the map";
    EXPECT_GT(simulator_.ReceivedLines().size(), 0u) << "the program sent the receiver no start-up commands";
    // The walk goes on: the texts change.
    EXPECT_TRUE(PlayUntil(
        [&] {
            return ReadPng(Screenshot(), screen) &&
                   Ink(screen, kTextLeft, kXTop, kTextRight, kXTop + kTextRows) != firstX &&
                   Ink(screen, kTextLeft, kYTop, kTextRight, kYTop + kTextRows) != firstY;
        },
        30000))
        << "the position texts did not follow the walk";
    std::filesystem::copy_file(Screenshot(), std::string(QZ_BINARY_DIR) + "/quorin-live.png",
                               std::filesystem::copy_options::overwrite_existing);

    // A second start on the same root ends at once with status 0 and touches no file.
    const auto systemTime = std::filesystem::last_write_time(work_ / "root/Program Files/qzsys.sys");
    const std::string root = (work_ / "root").string();
    const char* second[] = {QZ_QUORIN_PATH, "--headless", "--root", root.c_str(), nullptr};
    pid_t secondPid = -1;
    ASSERT_EQ(posix_spawn(&secondPid, QZ_QUORIN_PATH, nullptr, nullptr, const_cast<char**>(second), environ),
              0);
    int secondStatus = -1;
    ASSERT_TRUE(PlayUntil([&] { return waitpid(secondPid, &secondStatus, WNOHANG) == secondPid; }, 20000));
    EXPECT_TRUE(WIFEXITED(secondStatus) && WEXITSTATUS(secondStatus) == 0);
    EXPECT_EQ(std::filesystem::last_write_time(work_ / "root/Program Files/qzsys.sys"), systemTime);

    // SIGTERM closes it as "Yes" to the exit question: the system file is written back, status 0.
    kill(pid_, SIGTERM);
    int status = 0;
    ASSERT_TRUE(PlayUntil([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, 20000));
    pid_ = -1;
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(std::filesystem::exists(work_ / "root/Program Files/qzsys.sys"));
    EXPECT_TRUE(std::filesystem::exists(work_ / "root/Program Files/Jobs/vorna/vorna.qzs"));
}
