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
        FrameProbe::Job(frame).LoadAtStartup(mainframe::kSoftwareVersion);
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
    ui_.ExpectMessageBox(L"数据文件写入失败,该点没有存储!");
    EXPECT_EQ(store.StoreQuickPoint(fix, {.mode = kStoreAutomatic}).number, 0);

    ::testing::internal::CaptureStderr();
    frame.DestroyWindow();
    const std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(printed.find("quorin: 创建qzsys.sys文件错误,请检查!"), std::string::npos) << printed;
    EXPECT_NE(printed.find("quorin: 创建qzs文件错误,请检查错误!"), std::string::npos) << printed;
    EXPECT_EQ(ui_.MessageBoxTexts().size(), 1u);
}
