// The next point name after a start: the point file's last stored point decides it, so that a
// system file whose last name was lost (damaged and written anew from defaults) brings back no name
// the job already holds.
#include <set>

#include "foundation/PointLines.h"
#include "platform/text/CodePage.h"
#include "shell/frame/CQuorinApp.h"
#include "shell/hosts/SurveyHostImpl.h"
#include "survey/screens/SurveyPointStore.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/ShellTestSupport.h"

namespace {

namespace fs = std::filesystem;

const char* const kSystemFile = "Program Files/qzsys.sys";
const char* const kPointFile = "Program Files/Jobs/vorna/data/vorna.xyh";

class StoreNamesStartTest : public ProgramStartTest {
protected:
    // One run of the program: a start, `count` automatic stores, the exit.
    void StoreInOneRun(int count) {
        CQuorinApp app;
        ASSERT_TRUE(app.InitInstance());
        CMainFrame& frame = *app.MainFrame();
        SurveyHostImpl host = FrameProbe::Hosts(frame).Survey();
        CSurveyPointStore store(host, &frame);
        for (int i = 0; i < count; ++i) {
            CGpsState fix;
            fix.fixFlag = 1;
            fix.solutionCode = 10;
            fix.latitude = 30.5;
            fix.longitude = 114.25;
            fix.gridX = 100.0 + i;
            ASSERT_EQ(store.StoreQuickPoint(fix, {.mode = kStoreAutomatic}).number, 1);
        }
        frame.DestroyWindow();
    }
    std::vector<std::string> StoredNames() const {
        std::vector<std::string> names;
        for (const CString& line : CutPointFileLines(FromGbk(ReadHostFile(kPointFile))))
            names.push_back(ToUtf8(LineField(line, 0)));
        return names;
    }
};

}  // namespace

TEST_F(StoreNamesStartTest, NoNameIsStoredTwiceAfterTheSystemFileLostItsLastName) {
    ASSERT_NO_FATAL_FAILURE(StoreInOneRun(64));
    ASSERT_EQ(StoredNames().back(), "64");
    const fs::path sound = root_.parent_path() / (root_.filename().string() + "-sound");
    fs::remove_all(sound);
    fs::copy(root_ / "Program Files", sound, fs::copy_options::recursive);
    const std::string system = ReadHostFile(kSystemFile);
    const size_t lastName = system.find("szLastSaveName=64");
    ASSERT_NE(lastName, std::string::npos) << system;

    const CString notice =
        L"qzsys.sys已损坏,不能使用的设置已换为默认值,原文件保存为\\Program Files\\qzsys.sys.bad\n";
    // A system file that lost its job path names the storage card's job, which is not there: the job
    // that opens instead is named from then on.
    const CString cardGone = L"工程vorna.qzs不能使用,本次运行使用默认工程\n";
    const CString open = L"当前打开的工程为\\Program Files\\Jobs\\vorna\\vorna.qzs";
    const struct {
        const char* name;
        std::string bytes;  // the system file's; empty for one of 70 MiB
        bool jobPathLost;
    } cases[] = {
        {"empty", "", true},
        {"70 MiB", "", true},
        // Cut within the last name, which a cut last line does not give.
        {"truncated", system.substr(0, lastName + 16), false},
        {"junk", std::string("\x01\xfe\x80junk\x02\r\n") + std::string(200, '\x7f'), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(root_ / "Program Files");
        fs::copy(sound, root_ / "Program Files", fs::copy_options::recursive);
        WriteHostFile(kSystemFile, c.bytes);
        if (std::string(c.name) == "70 MiB") fs::resize_file(root_ / kSystemFile, 70u << 20);

        for (int run = 0; run < 2; ++run) {
            if (run == 0) ui_.ExpectMessageBox(notice + (c.jobPathLost ? cardGone : CString()) + open);
            ASSERT_NO_FATAL_FAILURE(StoreInOneRun(3));
        }
        const std::vector<std::string> names = StoredNames();
        ASSERT_EQ(names.size(), 70u);
        EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
        EXPECT_EQ(names[64], "65");
        EXPECT_EQ(names.back(), "70");
    }
    fs::remove_all(sound);
}
