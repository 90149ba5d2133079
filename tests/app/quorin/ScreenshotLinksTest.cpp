// The screenshot reaches its file through a temporary of a fresh name beside it: a link planted at
// the name a fixed temporary would have leaves its target untouched, and no temporary stays.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/quorin/ScreenshotDisplay.h"
#include "platform/display/HeadlessDisplay.h"

namespace fs = std::filesystem;

TEST(ScreenshotLinks, ALinkBesideTheTargetIsNeverWrittenThrough) {
    const fs::path work = fs::temp_directory_path() / ("qz-shot-links-" + std::to_string(::getpid()));
    fs::remove_all(work);
    fs::create_directories(work / "outside");
    std::ofstream(work / "outside/canary") << "canary";
    const fs::path shot = work / "screen.png";
    for (const char* planted : {".tmp", ".XXXXXX", ".tmp0"})
        fs::create_symlink(work / "outside/canary", shot.string() + planted);

    CHeadlessDisplay headless;
    CScreenshotDisplay display(headless, shot.string());
    const Framebuffer screen(kScreenWidth, kScreenHeight);
    display.Present(screen, CRect(0, 0, kScreenWidth, kScreenHeight));
    display.SaveIfChanged();

    std::ifstream canary(work / "outside/canary");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(canary), {}), "canary");
    EXPECT_EQ(fs::file_size(work / "outside/canary"), 6u);
    std::ifstream png(shot, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(png), {}).substr(1, 3), "PNG");
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(work)) ++entries;
    EXPECT_EQ(entries, 5u);  // the shot, the three planted links and the canary's folder
    fs::remove_all(work);
}
