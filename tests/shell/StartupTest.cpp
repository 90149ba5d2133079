// Start-up on a device root: the files of a first run, a second copy, unusable files, the exit.
#include "platform/serial/SerialPortMap.h"
#include "shell/CFrmGraphView.h"
#include "shell/CMainFrame.h"
#include "shell/CQuorinApp.h"
#include "shell/CSplashWnd.h"
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
    EXPECT_EQ(frame.Records().RecordFile(), L"\\Program Files\\Jobs\\vorna\\data\\vorna.rec");
    EXPECT_TRUE(std::filesystem::is_directory(root_ / kJob / "result"));
    // The splash covers the map for its 2000 ms.
    ASSERT_NE(CSplashWnd::Current(), nullptr);
    ASSERT_TRUE(ui_.Screenshot(Shot("startup-splash")));
    ui_.Advance(CSplashWnd::kShowMs);
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
    ASSERT_TRUE(ui_.Screenshot(Shot("startup")));
}

TEST_F(StartupTest, ASecondCopyInTheSameProcessBringsTheFirstForward) {
    CQuorinApp first;
    ASSERT_TRUE(first.InitInstance());
    const std::string system = ReadHostFile(std::string(kProgram) + "/qzsys.sys");
    {
        CQuorinApp second;
        EXPECT_FALSE(second.InitInstance());
        EXPECT_EQ(second.MainFrame(), nullptr);
    }
    EXPECT_EQ(ReadHostFile(std::string(kProgram) + "/qzsys.sys"), system);
}

TEST_F(StartupTest, UnusableFilesAreReportedOnceAndNeverOverwritten) {
    struct Case {
        const char* name;
        std::filesystem::path unusable;  // made a folder, so that it exists but cannot be read
        const wchar_t* message;
    } cases[] = {
        {"system file", std::string(kProgram) + "/qzsys.sys", L"读qzsys.sys文件错误,请检查!"},
        {"job file", "Program Files/Jobs/road/road.qzs", L"读取qzs文件错误,请检查错误!"},
        {"coordinate file", "Program Files/Jobs/road/road.qza", L"读qza文件错误,请检查错误!"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(root_ / kProgram);
        WriteHostFile(
            std::string(kProgram) + "/qzsys.sys",
            "\r\n[System]\r\nszIniFile=\\Program Files\\Jobs\\road\\road.qzs\r\nszDataFile=road.xyh\r\n"
            "nGPSOEMType=1\r\n");
        WriteHostFile("Program Files/Jobs/road/road.qzs", "garbage");
        WriteHostFile("Program Files/Jobs/road/road.qza", "garbage");
        std::filesystem::remove(root_ / c.unusable);
        std::filesystem::create_directories(root_ / c.unusable);
        const std::string system = std::filesystem::is_regular_file(root_ / kProgram / "qzsys.sys")
                                       ? ReadHostFile(std::string(kProgram) + "/qzsys.sys")
                                       : "";
        {
            ui_.ExpectMessageBox(c.message);
            CQuorinApp app;
            ASSERT_TRUE(app.InitInstance()) << c.name;
            CString title;
            app.MainFrame()->GetWindowText(title);
            EXPECT_EQ(title, L"衡川<vorna.xyh>") << c.name;
            app.MainFrame()->DestroyWindow();  // the exit writes back
        }
        EXPECT_TRUE(std::filesystem::is_directory(root_ / c.unusable)) << c.name;
        if (!system.empty()) {
            EXPECT_EQ(ReadHostFile(std::string(kProgram) + "/qzsys.sys"), system) << c.name;
        }
        if (std::string(c.name) != "job file") {
            EXPECT_EQ(ReadHostFile("Program Files/Jobs/road/road.qzs"), "garbage") << c.name;
        }
        // The default job runs and is written as a first run would write it.
        EXPECT_EQ(ReadHostFile(std::string(kJob) + "vorna.qzs"), ReadGolden("newjob.qzs")) << c.name;
    }
}

TEST_F(StartupTest, ExitAsksAndYesWritesTheNamesBack) {
    CQuorinApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame& frame = *app.MainFrame();
    frame.Job().jobs.SetStoreNames({L"J7", L"Z3", L"12"}, L"P12", 0.0, 1);
    frame.Job().jobs.SetNameAffixes(L"-a", L"K");
    ui_.ExpectMessageBox(L"确定要退出衡川吗?", IDNO);
    frame.ConfirmExit();
    ASSERT_TRUE(IsWindow(frame.m_hWnd));
    ui_.ExpectMessageBox(L"确定要退出衡川吗?", IDYES);
    ASSERT_TRUE(ui_.ChooseMenu(frame.CommandBar(), {L"工程F", L"8退出(X)"}));
    ui_.Pump();
    EXPECT_FALSE(frame.m_hWnd);
    const std::string system = ReadHostFile(std::string(kProgram) + "/qzsys.sys");
    EXPECT_NE(system.find("szLastSaveName=P12\r\nszLastJName=J7\r\nszLastZName=Z3\r\nszLastFName=12"),
              std::string::npos)
        << system;
    const std::string job = ReadHostFile(std::string(kJob) + "vorna.qzs");
    EXPECT_NE(job.find("szAfterName=-a\r\nszBeferName=K\r\n"), std::string::npos) << job;
}
