// A full disk meets the frame's own store path and its exit: the store tells its own message and
// nothing else, and the exit prints what it could not write instead of waiting on a box.
#include "shell/hosts/SurveyHostImpl.h"
#include "survey/screens/SurveyPointStore.h"
#include "tests/platform/files/FullDisk.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/FrameTestSupport.h"

namespace {

class FullDiskTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        FrameProbe::Job(frame).LoadAtStartup();
        FrameProbe::Job(frame).StartPointNames();
        ui_.Pump();
    }
};

}  // namespace

TEST_F(FullDiskTest, AStoreTellsOnlyItsOwnMessageAndTheExitPrintsWhatItCouldNotWrite) {
    SurveyHostImpl host = FrameProbe::Hosts(frame).Survey();
    CSurveyPointStore store(host, &frame);
    CGpsState fix;
    fix.fixFlag = 1;
    fix.solutionCode = 10;
    fix.latitude = 30.5;
    fix.longitude = 114.25;
    FullDisk disk(0);
    const ScopedFileSystemCalls calls(disk);
    ui_.ExpectMessageBox(L"数据文件写入失败,该点没有存储!\n自动存储已停止");
    EXPECT_EQ(store.StoreQuickPoint(fix, {.mode = kStoreAutomatic}).number, 0);

    ::testing::internal::CaptureStderr();
    frame.DestroyWindow();
    const std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(printed.find("quorin: 创建qzsys.sys文件错误,请检查!"), std::string::npos) << printed;
    EXPECT_NE(printed.find("quorin: 创建qzs文件错误,请检查错误!"), std::string::npos) << printed;
    EXPECT_EQ(ui_.MessageBoxTexts().size(), 1u);
}

// Automatic storing on a full disk: the first failed store stops it and says so, once; the fixes
// that follow store nothing and raise no box, and the exit question still comes.
TEST_F(FullDiskTest, AutomaticStoringStopsAtTheFirstFailedStoreAndTheExitQuestionStillComes) {
    SurveyHostImpl host = FrameProbe::Hosts(frame).Survey();
    CSurveyPointStore store(host, &frame);
    FrameProbe::SetStorePath(frame, &store);
    JobSession& job = FrameProbe::Job(frame);
    GeneralSettingsBlock settings = job.Settings();
    settings.nSaveType = kStoreAutomatic;
    settings.nAsMode = 1;
    settings.szdAutoSaveDis = 0.001;
    ASSERT_TRUE(job.StoreSettings(settings));
    host.SetAutoStoring(true);
    {
        FullDisk disk(0);
        const ScopedFileSystemCalls calls(disk);
        ui_.ExpectMessageBox(L"数据文件写入失败,该点没有存储!\n自动存储已停止");
        for (int i = 0; i < 5; ++i) {
            CGpsState fix;
            fix.fixFlag = 1;
            fix.solutionCode = 10;
            fix.latitude = 30.5;
            fix.longitude = 114.25;
            fix.gridX = 100.0 + i;
            FrameProbe::View(frame)->SendMessage(WM_GPS_POSITION, reinterpret_cast<WPARAM>(&fix), 4);
        }
        EXPECT_EQ(FrameProbe::AutoStore(frame).running, 0);
        EXPECT_EQ(ui_.MessageBoxTexts().size(), 1u);
        ui_.ExpectMessageBox(L"确定要退出衡川吗?", IDNO);
        FrameProbe::ConfirmExit(frame);
    }
    FrameProbe::SetStorePath(frame, nullptr);
}
