// Every save dialog's 确定 in the built program, under the C locale, in a job whose folder has a
// Chinese name: 新建工程 makes the job, then 求转换参数's 保存, the stake libraries' 保存, the point
// library's 输出 and 新建文件 each write their file, and the program goes on and ends normally.
// Dialogs are told apart by a few pixels of the screenshot, boxes by the lines the program prints.
#include <cstdlib>
#include <string>

#include "tests/app/quorin/ProgramInXvfb.h"

namespace {

constexpr uint32_t kCaption = 0x000080;
constexpr uint32_t kFace = 0xC0C0C0;
constexpr uint32_t kWhite = 0xFFFFFF;

const std::string kJob = "南区控制测量";

// One 保存 dialog: the name typed into it and the file that must then be there.
struct SaveCase {
    const char* name;
    int buttonX, buttonY;  // the button that opens it (0: it is open already)
    const char* typed;
    const char* written;   // below the job's folder
    const char* contains;  // bytes the file must hold ("" for an empty file)
};

class SaveInChineseJob : public ProgramInXvfb {
protected:
    void SetUp() override {
        // The program inherits the test's environment: no locale is named at all.
        for (const char* name : {"LANG", "LC_ALL", "LC_CTYPE", "LANGUAGE"}) unsetenv(name);
        ProgramInXvfb::SetUp();
    }

    std::filesystem::path JobFolder() const { return SeenRoot() / "Program Files/Jobs" / kJob; }
    bool Ended() {
        if (program_ > 0 && waitpid(program_, nullptr, WNOHANG) == program_) program_ = -1;
        return program_ <= 0;
    }
    // Waits for `shown` while the program runs; false at once when it has ended.
    bool Until(const std::function<bool()>& shown) {
        return PlayUntil([&] { return Ended() || shown(); }, 60000) && !Ended();
    }
    void Tap(int x, int y) {
        Xdo("mousemove --window " + window_ + " " + std::to_string(2 * x) + " " + std::to_string(2 * y) +
            " click 1");
    }
    void Type(const std::string& text) { Xdo("type --delay 50 " + text); }
    size_t Printed(const std::string& text) { return Count(ReadAll(ErrorFile()), text); }

    bool Captioned() const { return ScreenPixel(200, 13) == kCaption; }
    bool MapShown() const {
        return ScreenPixel(60, 2) == kFace && ScreenPixel(120, 2) == kFace && ScreenPixel(180, 2) == kFace;
    }
    // A stake-out screen: neither command bar nor caption.
    bool StakeScreenShown() const { return !MapShown() && !Captioned() && ScreenPixel(200, 40) != kCaption; }
    // 保存: its name field white under the folder tree.
    bool SaveDialogShown() const { return Captioned() && ScreenPixel(150, 276) == kWhite; }
    bool NewJobShown() const {
        return Captioned() && ScreenPixel(120, 150) == kFace && ScreenPixel(120, 300) == kWhite;
    }
    // The wizard's pages: the ellipsoid first, then the projection with its central meridian.
    bool WizardShown(bool projection) const {
        return Captioned() && ScreenPixel(120, 150) == kFace && ScreenPixel(120, 300) == kFace &&
               (ScreenPixel(165, 86) == kWhite) == projection;
    }
    bool ParamsShown() const {
        return Captioned() && ScreenPixel(120, 150) == kWhite && ScreenPixel(120, 237) == kFace &&
               ScreenPixel(150, 276) == kFace && ScreenPixel(120, 300) == kFace;
    }
    bool PointLibraryShown() const {
        return Captioned() && ScreenPixel(120, 237) == kWhite && ScreenPixel(150, 276) == kFace;
    }
    // The line library: its path field white at the foot, above the text it shows.
    bool LineLibraryShown() const {
        return Captioned() && ScreenPixel(120, 150) == kWhite && ScreenPixel(120, 292) == kWhite &&
               ScreenPixel(150, 276) == kFace;
    }

    // The name typed after the folder tree, then 确定 (its default button).
    void SaveAs(const SaveCase& c) {
        if (c.buttonX > 0) Tap(c.buttonX, c.buttonY);
        ASSERT_TRUE(Until([&] { return SaveDialogShown(); })) << c.name << ": no save dialog";
        Keys("Tab");
        Type(c.typed);
        Keys("Return");
        const std::filesystem::path file = JobFolder() / c.written;
        ASSERT_TRUE(Until([&] { return std::filesystem::exists(file) && !SaveDialogShown(); }))
            << c.name << ": " << file << " not written\n"
            << ReadAll(ErrorFile());
        EXPECT_NE(ReadAll(file).find(c.contains), std::string::npos) << c.name;
    }
};

}  // namespace

TEST_F(SaveInChineseJob, EverySaveDialogWritesItsFileAndTheProgramGoesOn) {
    // A first start lays the default job out; its central meridian is then the walk's, so that no
    // warning takes the keyboard.
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(StopProgram());
    Edit(Job("vorna.qza"), "szdCenter=0.0000000000", "szdCenter=120.0000000000");
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(WaitForFixes());
    ASSERT_TRUE(Until([&] { return MapShown(); }));

    // 工程 → 1 新建工程: the Chinese name, the wizard's first page passed, the walk's central meridian.
    Tap(16, 13);
    Keys("1");
    ASSERT_TRUE(Until([&] { return NewJobShown(); })) << "新建工程 did not open";
    Type(kJob);
    Keys("Return");
    ASSERT_TRUE(Until([&] { return WizardShown(false); })) << "the wizard did not open";
    Keys("Return");
    ASSERT_TRUE(Until([&] { return WizardShown(true); })) << "the wizard's projection page did not open";
    Tap(165, 86);
    Keys("End BackSpace BackSpace BackSpace");
    Type("120");
    Keys("Return");
    ASSERT_TRUE(Until([&] { return std::filesystem::exists(JobFolder() / (kJob + ".qzs")) && MapShown(); }))
        << "新建工程 made no job\n"
        << ReadAll(ErrorFile());

    // The stake libraries the job starts with, so that what is saved has rows.
    std::ofstream(JobFolder() / (kJob + ".ptb"), std::ios::binary)
        << "0,P1,3346780.000,500005.000,12.500,,\r\n0,P2,3346760.000,499995.000,12.500,,\r\n";
    std::ofstream(JobFolder() / (kJob + ".lnb"), std::ios::binary)
        << "A1,3346770.0000,499990.0000,12.5000,,A2,3346790.0000,500010.0000,12.5000,,0.0000\r\n";

    // 求转换参数: 保存 asks for the name, then tells the save.
    Tap(60, 13);
    Keys("2");
    ASSERT_TRUE(Until([&] { return ParamsShown(); })) << "求转换参数 did not open";
    const size_t told = Printed("保存成功");
    ASSERT_NO_FATAL_FAILURE(SaveAs({"求转换参数 保存", 88, 298, "x", "x.cot", ""}));
    ASSERT_TRUE(Until([&] { return Printed("保存成功") > told; })) << ReadAll(ErrorFile());
    Keys("Return");
    ASSERT_TRUE(Until([&] { return ParamsShown(); }));
    Keys("Escape");
    ASSERT_TRUE(Until([&] { return MapShown(); })) << "求转换参数 did not close";

    // The stake libraries, each from its stake-out screen: 保存 into the job's folder, 输出 into its data.
    const struct {
        const char* menuKey;
        bool pointLibrary;
        SaveCase save;
    } libraries[] = {
        {"2", true, {"放样点库 保存", 73, 298, "x", "x.ptb", "P2"}},
        {"2", true, {"放样点库 输出", 121, 298, "y", "data/y.xyh", "P2"}},
        {"3", false, {"放样线库 保存", 88, 270, "x", "x.lnb", "A2"}},
    };
    for (const auto& l : libraries) {
        SCOPED_TRACE(l.save.name);
        const auto libraryShown = [&] { return l.pointLibrary ? PointLibraryShown() : LineLibraryShown(); };
        Tap(105, 13);  // 测量
        Keys(l.menuKey);
        ASSERT_TRUE(Until([&] { return StakeScreenShown(); })) << "the stake-out screen did not open";
        Tap(120, 302);
        ASSERT_TRUE(Until(libraryShown)) << "the library did not open";
        ASSERT_NO_FATAL_FAILURE(SaveAs(l.save));
        ASSERT_TRUE(Until(libraryShown)) << "the library did not come back";
        Keys("Escape");
        ASSERT_TRUE(Until([&] { return StakeScreenShown(); })) << "the library did not close";
        Keys("Escape");
        ASSERT_TRUE(Until([&] { return MapShown(); })) << "the stake-out screen did not close";
    }

    // 工程 → 3 新建文件: an empty point file in the job's data folder.
    Tap(16, 13);
    Keys("3");
    ASSERT_NO_FATAL_FAILURE(SaveAs({"新建文件", 0, 0, "z", "data/z.xyh", ""}));
    ASSERT_TRUE(Until([&] { return MapShown(); }));

    ASSERT_NO_FATAL_FAILURE(StopProgram());
}
