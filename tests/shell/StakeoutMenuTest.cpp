// The stake-out screens from the main menu: they take the position messages and give them back.
#include "resources/LineStakeDlg.h"
#include "resources/MainMenu.h"
#include "resources/StakeoutDlg.h"
#include "shell/commands/MainMenuCommands.h"
#include "shell/view/CFrmGraphView.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/FrameTestSupport.h"

namespace {

class StakeoutMenuTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        frame.ShowWindow(SW_SHOW);
        ui_.Pump();
    }
};

TEST_F(StakeoutMenuTest, PointStakeoutHoldsThePositionsWhileOpen) {
    const HWND view = FrameProbe::Listeners(frame).PositionWindow();
    ui_.OnModal(pointstake::IDD, [&](CDialog& d) {
        EXPECT_EQ(FrameProbe::Listeners(frame).PositionWindow(), d.m_hWnd);
        ASSERT_TRUE(ui_.Screenshot(Shot("point-stakeout")));
        ui_.Click(d, pointstake::kClose);
    });
    EXPECT_TRUE(FrameProbe::RunMenuCommand(frame, mainmenu::kPointStakeout));
    EXPECT_EQ(FrameProbe::Listeners(frame).PositionWindow(), view);
}

TEST_F(StakeoutMenuTest, LineStakeoutHoldsThePositionsWhileOpen) {
    const HWND view = FrameProbe::Listeners(frame).PositionWindow();
    ui_.OnModal(linestake::IDD, [&](CDialog& d) {
        EXPECT_EQ(FrameProbe::Listeners(frame).PositionWindow(), d.m_hWnd);
        ASSERT_TRUE(ui_.Screenshot(Shot("line-stakeout")));
        ui_.Click(d, linestake::kClose);
    });
    EXPECT_TRUE(FrameProbe::RunMenuCommand(frame, mainmenu::kLineStakeout));
    EXPECT_EQ(FrameProbe::Listeners(frame).PositionWindow(), view);
}

}  // namespace
