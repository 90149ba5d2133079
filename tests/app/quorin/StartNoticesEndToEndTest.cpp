// The built program in an X11 window, telling at start what it met: a damaged system file, and
// settings it cannot write on a full disk. Each start's notices come in one box over the first
// screen that stays until it is answered, and positions go on showing under it.
#include <png.h>

#include <chrono>

#include "tests/app/quorin/ProgramInXvfb.h"

namespace {

// Run as `sh -c kFullDisk ROOT program...`: ROOT's files move onto a memory file system mounted over
// it, visible to the program alone, and a filler takes every byte left.
constexpr const char* kFullDisk =
    "set -e; cp -a \"$0\" \"$0.copy\"; mount -t tmpfs -o size=4m tmpfs \"$0\"; cp -a \"$0.copy/.\" \"$0/\"; "
    "dd if=/dev/zero of=\"$0/filler\" bs=64k 2>/dev/null || true; exec \"$@\"";

constexpr const char* kDefaultsTaken =
    "qzsys.sys已损坏,不能使用的设置已换为默认值,原文件保存为\\Program Files\\qzsys.sys.bad";
constexpr const char* kAllKept =
    "qzsys.sys已损坏,设置均已保留,不能识别的内容已删除,原文件保存为\\Program Files\\qzsys.sys.bad";
constexpr const char* kOpenJob = "当前打开的工程为\\Program Files\\Jobs\\vorna\\vorna.qzs";

class StartNotices : public ProgramInXvfb {
protected:
    // The screenshot's pixels as 0xRRGGBB, row by row; empty when it cannot be read.
    std::vector<uint32_t> Screen(size_t& width) const {
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        if (!png_image_begin_read_from_file(&image, (work_ / "screen.png").c_str())) return {};
        image.format = PNG_FORMAT_RGB;
        std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
        if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr)) return {};
        width = image.width;
        std::vector<uint32_t> pixels(bytes.size() / 3);
        for (size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = static_cast<uint32_t>(bytes[3 * i] << 16 | bytes[3 * i + 1] << 8 | bytes[3 * i + 2]);
        return pixels;
    }
    // Whether a pixel of `colour` lies in the rectangle [left, right) x [top, bottom).
    bool ScreenHolds(uint32_t colour, size_t left, size_t top, size_t right, size_t bottom) const {
        size_t width = 0;
        const std::vector<uint32_t> pixels = Screen(width);
        for (size_t y = top; y < bottom && (y + 1) * width <= pixels.size(); ++y)
            for (size_t x = left; x < right && x < width; ++x)
                if (pixels[y * width + x] == colour) return true;
        return false;
    }
    // The map's x coordinate is drawn in black in the status rows, below any box.
    bool PositionShown() const { return ScreenHolds(0x000000, 24, 266, 110, 280); }
    // A box's navy caption bar, wherever its height centres it.
    bool BoxShown() const { return ScreenHolds(0x000080, 120, 40, 121, 250); }
    // Waits until positions show beside the box, past the splash's time, and checks the box is
    // still up with `told` as its one text; then answers it.
    void ExpectOneBoxAnsweredLate(const std::string& told) {
        const auto shown = std::chrono::steady_clock::now();
        ASSERT_TRUE(PlayUntil(
            [&] {
                return PositionShown() && std::chrono::steady_clock::now() - shown > std::chrono::seconds(3);
            },
            60000))
            << "no position under the box\n"
            << ReadAll(ErrorFile());
        EXPECT_TRUE(BoxShown()) << "the box went unanswered";
        EXPECT_EQ(Count(ReadAll(ErrorFile()), "quorin: [衡川] "), 1u) << ReadAll(ErrorFile());
        EXPECT_EQ(Count(ReadAll(ErrorFile()), "quorin: [衡川] " + told + "\n"), 1u) << ReadAll(ErrorFile());
        Keys("Return");
    }
};

}  // namespace

TEST_F(StartNotices, ADamagedSystemFileIsToldWithTheOpenJobInABoxThatOutlivesTheSplash) {
    const struct {
        const char* name;
        std::string (*damage)(std::string sound);
        std::string told;
    } cases[] = {
        {"cut at a line end, keys missing",
         [](std::string sound) { return sound.substr(0, sound.find("szDataFile")); },
         std::string(kDefaultsTaken) + "\n" + kOpenJob},
        {"an extra key, every value kept", [](std::string sound) { return sound + "szNote=1\r\n"; },
         std::string(kAllKept) + "\n" + kOpenJob},
        {"the job path lost: the storage card's job, which is not there",
         [](std::string sound) {
             const size_t at = sound.find("szIniFile");
             return sound.erase(at, sound.find('\n', at) + 1 - at);
         },
         std::string(kDefaultsTaken) + "\n工程vorna.qzs不能使用,本次运行使用默认工程\n" + kOpenJob},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(Root());
        ASSERT_NO_FATAL_FAILURE(StartProgram());
        ASSERT_NO_FATAL_FAILURE(StopProgram());
        Edit(Job("vorna.qza"), "szdCenter=0.0000000000", "szdCenter=120.0000000000");
        const std::filesystem::path system = Root() / "Program Files/qzsys.sys";
        const std::string damaged = c.damage(ReadAll(system));
        std::ofstream(system, std::ios::binary) << damaged;

        ASSERT_NO_FATAL_FAILURE(StartProgram());
        ASSERT_NO_FATAL_FAILURE(ExpectOneBoxAnsweredLate(c.told));
        EXPECT_TRUE(PlayUntil([&] { return !BoxShown(); }, 30000));
        ASSERT_NO_FATAL_FAILURE(StopProgram());
        EXPECT_EQ(ReadAll(Root() / "Program Files/qzsys.sys.bad"), damaged);
    }
}

TEST_F(StartNotices, OnAFullDiskBothFailedWritesAreToldInOneBoxWhilePositionsFlow) {
    if (std::system("unshare --user --map-root-user --mount true >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "no private mount namespace";
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(StopProgram());
    Edit(Job("vorna.qza"), "szdCenter=0.0000000000", "szdCenter=120.0000000000");

    launcher_ = {"unshare", "--user", "--map-root-user", "--mount", "sh", "-c", kFullDisk, Root().string()};
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(
        ExpectOneBoxAnsweredLate("创建qzsys.sys文件错误,请检查!\n创建qzs文件错误,请检查错误!"));
}
