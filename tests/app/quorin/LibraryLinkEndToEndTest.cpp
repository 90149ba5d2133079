// The built program with the job's coordinate library reached through a link that leads out of the
// device root: the first store keeps its point without the library line, the next stores nothing,
// and what it tells names the link, never the room on the disk. The file the link points to is left
// as it was.
#include "tests/app/quorin/ProgramInXvfb.h"

namespace {

class LibraryLinkEndToEnd : public ProgramInXvfb {};

}  // namespace

TEST_F(LibraryLinkEndToEnd, AStoreNamesTheLinkAsWhatKeepsTheLibraryUnwritten) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(StopProgram());
    Edit(Job("vorna.qza"), "szdCenter=0.0000000000", "szdCenter=120.0000000000");
    const std::filesystem::path outside = Root().string() + "-outside.lib";
    std::ofstream(outside, std::ios::binary) << "kept\r\n";
    std::filesystem::remove(Job("vorna.lib"));
    std::filesystem::create_symlink(outside, Job("vorna.lib"));

    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(WaitForFixes());
    // The map's store button at (125, 122), then the store dialog's OK; every box the program shows
    // (the refused link, the precision question, the failed library line) is answered with Enter.
    size_t boxes = 0;
    int polls = 0;
    ASSERT_TRUE(PlayUntil(
        [&] {
            const std::string told = ReadAll(ErrorFile());
            if (told.find("未能补全") != std::string::npos) return true;
            if (const size_t now = Count(told, "quorin: ["); now > boxes) {
                boxes = now;
                Keys("Return");
            } else if (polls++ % 40 == 0) {
                Xdo("mousemove --window " + window_ + " 250 244 click 1");
                Keys("Return");
            }
            return false;
        },
        120000))
        << ReadAll(ErrorFile());
    const std::string told = ReadAll(ErrorFile());
    EXPECT_NE(told.find("在vorna.lib中未能补全,该文件是指向设备目录之外的链接!"), std::string::npos) << told;
    EXPECT_EQ(told.find("存储空间"), std::string::npos) << told;
    EXPECT_NE(told.find("坐标库文件写入失败!"), std::string::npos) << told;
    EXPECT_EQ(ReadAll(outside), "kept\r\n");
    EXPECT_EQ(PointLines(), 1u);
    Keys("Return");
    ASSERT_NO_FATAL_FAILURE(StopProgram());
    std::filesystem::remove(outside);
}
