// The built program started headless on settings files a card error damaged, twice over: the first
// start after each damage keeps each file beside the copies of earlier damages (".bad", then ".1.bad"),
// says so once and writes a sound file in its place; the start after it says nothing of them.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/app/quorin/ProgramInXvfb.h"

namespace {

namespace fs = std::filesystem;

// Polls `done` every 50 ms for at most `limitMs`.
bool WaitUntil(const std::function<bool()>& done, int limitMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (std::chrono::steady_clock::now() < deadline) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

class DamagedSettingsStart : public ::testing::Test {
protected:
    void SetUp() override {
        work_ = fs::temp_directory_path() / ("qz-damaged-settings-" + std::to_string(getpid()));
        fs::remove_all(work_);
        fs::create_directories(work_);
    }
    void TearDown() override {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        fs::remove_all(work_);
    }

    // One start, closed by SIGTERM once its first screen is up: what it printed on standard error,
    // where every box it showed is written.
    std::string Run() {
        const fs::path shot = work_ / "screen.png", errors = work_ / "stderr.txt";
        fs::remove(shot);
        // No receiver behind any port: the link fails quietly and touches no real device.
        const ProgramEnvironment env((work_ / "no-receiver").string(), "");
        const std::string root = Root().string();
        const char* argv[] = {QZ_QUORIN_PATH, "--headless", "--root", root.c_str(),
                              "--screenshot", shot.c_str(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int spawned =
            posix_spawn(&pid_, QZ_QUORIN_PATH, &actions, nullptr, const_cast<char**>(argv), env.get());
        posix_spawn_file_actions_destroy(&actions);
        EXPECT_EQ(spawned, 0);
        int status = -1;
        EXPECT_TRUE(WaitUntil([&] { return fs::exists(shot); }, 60000)) << ReadAll(errors);
        kill(pid_, SIGTERM);
        EXPECT_TRUE(WaitUntil([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, 30000));
        pid_ = -1;
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        return ReadAll(errors);
    }
    fs::path Root() const { return work_ / "root"; }
    fs::path File(const char* relative) const { return Root() / "Program Files" / relative; }

    fs::path work_;
    pid_t pid_ = -1;
};

}  // namespace

TEST_F(DamagedSettingsStart, EachDamagedFileIsToldOnceAndWrittenSoundHoweverOftenItComes) {
    enum class Damage { kEmptied, kCutShort, kSeventyMiB };
    const struct {
        const char* name;
        std::vector<const char*> files;  // below "Program Files"
        Damage first, second;
    } cases[] = {
        {"the system and coordinate files emptied, then cut short",
         {"qzsys.sys", "Jobs/vorna/vorna.qza"},
         Damage::kEmptied,
         Damage::kCutShort},
        {"the job file cut short twice", {"Jobs/vorna/vorna.qzs"}, Damage::kCutShort, Damage::kCutShort},
        {"a system file of 70 MiB twice", {"qzsys.sys"}, Damage::kSeventyMiB, Damage::kSeventyMiB},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(Root());
        const std::string layout = Run();  // the default job's files
        ASSERT_EQ(Count(layout, "已损坏"), 0u) << layout;
        for (int round = 0; round < 2; ++round) {
            const Damage damage = round == 0 ? c.first : c.second;
            const char* const copy = round == 0 ? ".bad" : ".1.bad";
            SCOPED_TRACE(copy);
            for (const char* file : c.files) {
                if (damage == Damage::kSeventyMiB) fs::resize_file(File(file), 70u << 20);
                // Cut inside its last line, each time at another length.
                if (damage == Damage::kCutShort)
                    fs::resize_file(File(file), fs::file_size(File(file)) - (round == 0 ? 3 : 6));
                if (damage == Damage::kEmptied) std::ofstream(File(file), std::ios::trunc);
            }
            const std::string damagedStart = Run();
            for (const char* file : c.files) {
                const std::string name = fs::path(file).filename().string();
                EXPECT_EQ(Count(damagedStart, name + "已损坏"), 1u) << damagedStart;
                EXPECT_EQ(Count(damagedStart, name + copy), 1u) << damagedStart;
                EXPECT_TRUE(fs::exists(File(file).string() + copy));
                EXPECT_GT(fs::file_size(File(file)), 0u);
                EXPECT_LT(fs::file_size(File(file)), 1u << 20);
            }
            EXPECT_EQ(Count(damagedStart, "错误"), 0u) << damagedStart;
            // A system file without its job path names the storage card's job, which is not there:
            // the default job runs, and the system file names it from then on.
            const bool cardJob = c.files.front() == std::string("qzsys.sys") && damage != Damage::kCutShort;
            EXPECT_EQ(Count(damagedStart, "工程vorna.qzs不能使用,本次运行使用默认工程"), cardJob ? 1u : 0u)
                << damagedStart;
            const std::string nextStart = Run();
            EXPECT_EQ(Count(nextStart, "quorin: "), 0u) << nextStart;
            EXPECT_NE(ReadAll(File("qzsys.sys")).find("szIniFile=\\Program Files\\Jobs\\vorna\\vorna.qzs"),
                      std::string::npos);
        }
        for (const char* file : c.files) EXPECT_FALSE(fs::exists(File(file).string() + ".2.bad"));
    }
}
