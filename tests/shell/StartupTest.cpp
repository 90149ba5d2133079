// Start-up on a device root: the files of a first run, a second copy, unusable files, the exit.
#include "platform/serial/SerialPortMap.h"
#include "shell/CFrmGraphView.h"
#include "shell/CMainFrame.h"
#include "shell/CQuorinApp.h"
#include "tests/shell/ShellTestSupport.h"

namespace {
const char* const kProgram = "Program Files";
const char* const kJob = "Program Files/Jobs/vorna/";
}  // namespace

class StartupTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        SetSerialDevicePath(3, (root_ / "no-receiver").string());
    }
    void TearDown() override {
        SetSerialDevicePath(3, "");
        ShellTest::TearDown();
    }
};

TEST_F(StartupTest, FirstRunWritesTheDefaultFilesAndTitlesTheWindow) {
    CQuorinApp app;
    ASSERT_TRUE(app.InitInstance());
    ui_.Pump();
    CMainFrame& frame = *app.MainFrame();
    CString title;
    frame.GetWindowText(title);
    EXPECT_EQ(title, L"衡川<vorna.xyh>");
    EXPECT_EQ(ReadHostFile(std::string(kProgram) + "/qzsys.sys"), ReadGolden("qzsys.sys"));
    EXPECT_EQ(ReadHostFile(std::string(kJob) + "vorna.qzs"), ReadGolden("newjob.qzs"));
    EXPECT_EQ(ReadHostFile(std::string(kJob) + "vorna.qza"), ReadGolden("newjob.qza"));
    EXPECT_EQ(ReadHostFile(std::string(kProgram) + "/AntType.at"), ReadGolden("AntType.at"));
    EXPECT_TRUE(std::filesystem::is_directory(root_ / kJob / "data"));
    EXPECT_TRUE(std::filesystem::is_directory(root_ / kJob / "result"));
    ASSERT_TRUE(ui_.Screenshot(Shot("startup")));
}
