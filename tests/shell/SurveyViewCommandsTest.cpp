// The coordinate view from the menu, the main view's key B pressed twice and the stake-out screens;
// post-processing from the menu.
#include "resources/CoordViewDlg.h"
#include "resources/PostProcParamDlg.h"
#include "shell/hosts/StakeoutHostImpl.h"
#include "shell/view/CFrmGraphView.h"
#include "survey/screens/CCoordViewDlg.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/FrameTestSupport.h"
#include "tests/shell/JobChanges.h"

namespace {
class CoordViewCommandTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        frame.ShowWindow(SW_SHOW);
        FrameProbe::RecalcViewLayout(frame);
        FrameProbe::Job(frame).UseJobPaths(L"\\job\\j.qzs", L"j.xyh");
        // The map shows every point: its list holds all that the file has.
        ChangeSettings(FrameProbe::Job(frame), [](GeneralSettingsBlock& s) { s.nShowSurveyPoint = -1; });
        WriteHostFile("job/data/j.xyh", "P1,1,2,3\r\nP2,4,5,6\r\nP3,7,8,9\r\n");
        ui_.Pump();
    }
    std::vector<CString> MapNames() { return FrameProbe::DisplayNames(frame); }
};
}  // namespace

TEST_F(CoordViewCommandTest, MenuOpensTheViewAndADeletionReloadsTheMapInFileOrder) {
    ui_.OnModal(coordview::IDD, [&](CDialog& dlg) {
        CListCtrl& list = static_cast<CCoordViewDlg&>(dlg).List();
        ASSERT_EQ(list.GetItemText(0, 0), L"P3");
        CRect row;
        list.GetItemRect(1, &row, LVIR_BOUNDS);
        ui_.Tap(list, CPoint(row.left + 30, row.CenterPoint().y));
        ui_.ExpectMessageBox(L"确实要删除该项吗?", IDYES);
        ui_.Click(dlg, coordview::kDelete);
        ASSERT_TRUE(ui_.Screenshot(Shot("coordview")));
        ui_.Click(dlg, IDCANCEL);
    });
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工具T", L"4查看测量点"}));
    ui_.Pump();
    EXPECT_EQ(MapNames(), (std::vector<CString>{L"P1", L"P3"}));
}

TEST_F(CoordViewCommandTest, KeyBPressedTwiceOpensTheView) {
    FrameProbe::View(frame)->SetFocus();
    ui_.PressKey('B');
    ui_.Advance(1000);
    ui_.OnModal(coordview::IDD, [&](CDialog& dlg) { ui_.Click(dlg, IDCANCEL); });
    ui_.PressKey('B');
    // A third press starts a new pair.
    ui_.PressKey('B');
}

TEST_F(CoordViewCommandTest, StakeoutScreensOpenTheViewThroughTheirHost) {
    StakeoutHostImpl host = FrameProbe::Hosts(frame).Stakeout();
    ui_.OnModal(coordview::IDD, [&](CDialog& dlg) {
        EXPECT_EQ(static_cast<CCoordViewDlg&>(dlg).List().GetItemCount(), 3);
        ui_.Click(dlg, IDCANCEL);
    });
    host.ShowCoordinateView();
}

TEST_F(CoordViewCommandTest, PostProcessingMenuAsksWhereTheParametersComeFrom) {
    ui_.OnModal(postproc::IDD, [&](CDialog& dlg) {
        ASSERT_TRUE(ui_.Screenshot(Shot("postproc")));
        ui_.Click(dlg, IDCANCEL);
    });
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"工具T", L"9数据后处理"}));
    ui_.Pump();
}
