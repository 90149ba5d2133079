// The built program on a device root that is a small memory file system of its own (a private
// mount namespace, as unshare makes one), storing automatically when the disk fills under it: the
// store tells its own message, and SIGTERM then ends the program within a second, printing what
// it could not write back.
#include <chrono>
#include <thread>

#include "tests/app/quorin/ProgramInXvfb.h"

namespace {

// Run as `sh -c kOwnDisk ROOT program...`: ROOT's files move onto a memory file system mounted
// over it, visible to the program alone.
constexpr const char* kOwnDisk =
    "set -e; cp -a \"$0\" \"$0.copy\"; mount -t tmpfs -o size=4m tmpfs \"$0\"; cp -a \"$0.copy/.\" \"$0/\"; "
    "exec \"$@\"";

// Writes until the file system holding `file` is full.
void FillDisk(const std::filesystem::path& file) {
    std::ofstream out(file, std::ios::binary);
    const std::string block(64 * 1024, 'x');
    while (out.write(block.data(), block.size()) && out.flush()) {
    }
}

class FullDiskEndToEnd : public ProgramInXvfb {};

}  // namespace

TEST_F(FullDiskEndToEnd, AStoreTellsItsOwnMessageAndSigtermEndsTheProgramWithinASecond) {
    if (std::system("unshare --user --map-root-user --mount true >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "no private mount namespace";
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(StopProgram());
    Edit(Job("vorna.qza"), "szdCenter=0.0000000000", "szdCenter=120.0000000000");
    Edit(Job("vorna.qzs"), "nSaveType=0", "nSaveType=3");
    Edit(Job("vorna.qzs"), "nAutoSaveTime=5", "nAutoSaveTime=1");

    launcher_ = {"unshare", "--user", "--map-root-user", "--mount", "sh", "-c", kOwnDisk, Root().string()};
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(StartAutomaticStoring());
    ASSERT_TRUE(PlayUntil([&] { return PointLines() >= 1; }, 30000)) << "automatic storing stored nothing";
    FillDisk(SeenRoot() / "filler");
    ASSERT_TRUE(PlayUntil(
        [&] { return ReadAll(ErrorFile()).find("数据文件写入失败,该点没有存储!") != std::string::npos; },
        30000))
        << ReadAll(ErrorFile());

    // The store's box is still up: SIGTERM ends the program all the same.
    kill(program_, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    int status = 0;
    bool ended = false;
    while (!(ended = waitpid(program_, &status, WNOHANG) == program_) &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(ended) << "still running a second after SIGTERM";
    program_ = -1;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_NE(ReadAll(ErrorFile()).find("quorin: 创建qzsys.sys文件错误,请检查!"), std::string::npos)
        << ReadAll(ErrorFile());
}
