// The power-line screens from the main menu: they take the position messages while open, give them
// back on close, and show the frame's fixes.
#include "platform/text/CodePage.h"
#include "platform/ui/CommonControls.h"
#include "receiver/ReceiverMessages.h"
#include "resources/MainMenu.h"
#include "resources/PowerlineScreens.h"
#include "resources/PowerlineStoreDlgs.h"
#include "shell/commands/MainMenuCommands.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/FrameTestSupport.h"

namespace {

class PowerlineMenuTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        InitCommonControls();
        frame.ShowWindow(SW_SHOW);
        ui_.Pump();
    }
};

TEST_F(PowerlineMenuTest, BothScreensHoldThePositionsWhileOpen) {
    const struct {
        const wchar_t* item;
        UINT idd;
        const char* shot;
    } cases[] = {{L"4电力线勘测", powersurvey::IDD, "powerline-survey"},
                 {L"5塔基断面放样", towersection::IDD, "tower-section"}};
    const HWND view = FrameProbe::Listeners(frame).PositionWindow();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shot);
        bool opened = false;
        ui_.OnModal(c.idd, [&](CDialog& d) {
            opened = true;
            EXPECT_EQ(FrameProbe::Listeners(frame).PositionWindow(), d.m_hWnd);
            CGpsState fix = FrameProbe::Receiver(frame).State();
            fix.fixFlag = 1;
            fix.solutionCode = kSolFixed;
            fix.solutionText = L"FIXED";
            fix.gridX = 3000123.4567;
            d.SendMessage(WM_GPS_POSITION, reinterpret_cast<WPARAM>(&fix), 4);
            EXPECT_EQ(ui_.GetText(d, powerscreen::kX), L"3000123.457");
            ASSERT_TRUE(ui_.Screenshot(Shot(c.shot)));
            ui_.Click(d, IDCANCEL);
        });
        ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"测量E", c.item}));
        ui_.Pump();
        EXPECT_TRUE(opened);
        EXPECT_EQ(FrameProbe::Listeners(frame).PositionWindow(), view);
    }
}

TEST_F(PowerlineMenuTest, AStoreFromTheSurveyScreenReachesTheJobFilesTheNamesAndTheMap) {
    std::filesystem::create_directories(root_ / "job/data");
    JobSession& job = FrameProbe::Job(frame);
    job.UseJobPaths(L"\\job\\j.qzs", L"j.xyh");
    job.UsePointFile(L"j.xyh");
    job.SetPointNames({L"J1", L"Z1", L"1"}, L"K1", 0.0);
    FrameProbe::Records(frame).SetRecordFile(L"\\job\\data\\j.rec");
    const size_t shown = FrameProbe::DisplayPoints(frame).size();

    ui_.OnModal(powersurvey::IDD, [&](CDialog& d) {
        ui_.ChooseItem(d, powersurvey::kFormat, 2);
        CGpsState fix;
        fix.fixFlag = 1;
        fix.solutionCode = kSolFixed;
        fix.gridX = 100.0;
        fix.gridY = 200.0;
        fix.latitude = 30.0;
        fix.longitude = 120.0;
        d.SendMessage(WM_GPS_POSITION, reinterpret_cast<WPARAM>(&fix), 4);
        ui_.OnModal(haizhistore::IDD, [&](CDialog& store) { ui_.Click(store, IDOK); });
        ui_.Click(d, powerscreen::kStore);
        ui_.Click(d, IDCANCEL);
    });
    ASSERT_TRUE(FrameProbe::RunMenuCommand(frame, mainmenu::kPowerLineSurvey));

    const CString points = FromGbk(ReadHostFile("job/data/j.xyh"));
    EXPECT_EQ(points.Left(points.Find(L',')), L"K2");
    EXPECT_EQ(ReadHostFile("job/data/j.rec").substr(0, 3), "K2,");
    EXPECT_EQ(ReadHostFile("job/qzrecauto"), "[QZRecSaveFormat]2\r\n");
    EXPECT_EQ(job.SystemRecord().szLastSaveName, L"K2");
    EXPECT_EQ(job.PointStore().NextName(), L"K3");
    const DisplayPoints& map = FrameProbe::DisplayPoints(frame);
    ASSERT_EQ(map.size(), shown + 1);
    EXPECT_EQ(map[map.size() - 1].name, L"K2");
}

}  // namespace
