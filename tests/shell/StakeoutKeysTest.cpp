// Both stake-out screens keep the hardware keys through every window they open, and the map behind
// them never hears one: after the store dialog, left with Escape or stored with 确定, the keys 2, 8, 5
// and A act on the screen; a tap on the plot while a prompt is open leaves the prompt on top with the
// keys; Escape leaves the screen. Opened from the menu against the simulator's walk, on the virtual
// clock, with the frame's own store path.
#include "platform/ui/Desktop.h"
#include "resources/LinePromptDlg.h"
#include "resources/LineStakeDlg.h"
#include "resources/MainMenu.h"
#include "resources/PointStoreDlg.h"
#include "resources/StakeLineLibDlg.h"
#include "resources/StakePointLibDlg.h"
#include "resources/StakePromptDlg.h"
#include "resources/StakeoutDlg.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/StakeWalkSupport.h"

namespace {
struct StakeScreen {
    const char* name;
    UINT command;
    UINT idd;
    UINT library;  // the library dialog, its list and the screen's button that opens it
    UINT list;
    UINT libraryButton;
    UINT prompt;  // what keys 2 and 8 open
    const char* recordFile;
};

const StakeScreen kScreens[] = {
    {"point stake-out", mainmenu::kPointStakeout, pointstake::IDD, stakelib::IDD, stakelib::kList,
     pointstake::kLibrary, stakeprompt::IDD, "job/site.ptr"},
    {"line stake-out", mainmenu::kLineStakeout, linestake::IDD, linelib::IDD, linelib::kList,
     linestake::kLibrary, lineprompt::IDD, "job/road.lnr"},
};

class StakeoutKeysTest : public StakeWalkTest {
protected:
    void SetUp() override {
        StakeWalkTest::SetUp();
        WriteHostFile("job/site.ptb", Text("0,T1,%.3f,%.3f,15,c1,\r\n0,T2,%.3f,%.3f,15,c2,\r\n", n0_ + 5, e0_,
                                           n0_ + 25, e0_));
        WriteHostFile("job/ptlayauto", "[CurLayoutFileName]\\job\\site.ptb\r\n");
        WriteHostFile("job/road.lnb",
                      Text("L1,%.3f,%.3f,15,c,L2,%.3f,%.3f,15,c,0\r\n"
                           "L2,%.3f,%.3f,15,c,L3,%.3f,%.3f,15,c,40\r\n",
                           n0_ - 10, e0_ - 10, n0_ + 20, e0_ + 30, n0_ + 20, e0_ + 30, n0_ + 50, e0_ + 30));
        WriteHostFile("job/lnlayauto", "[CurLayoutFileName]\\job\\road.lnb\r\n");
        StartWalk(Origin() + "leg 600 0 0 0 fixed\n");
    }
    size_t Lines(const char* file) {
        const std::string text = ReadHostFile(file);
        size_t lines = 0;
        for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
        return lines;
    }
};
}  // namespace

TEST_F(StakeoutKeysTest, TheScreensKeepTheKeysThroughTheirDialogsAndEscapeLeavesThem) {
    for (const StakeScreen& s : kScreens) {
        int prompts = 0, stores = 0;
        bool left = false;
        ui_.OnModal(s.idd, [&](CDialog& screen) {
            ChooseFirstRow(screen, s.library, s.list, s.libraryButton);
            WalkTo(simulator_->NowMs() + 2000, true);
            for (const UINT answer : {VK_ESCAPE, VK_RETURN}) {
                ui_.OnModal(pointstore::IDD, [&, answer](CDialog&) {
                    ++stores;
                    ui_.PressKey(answer);
                });
                ui_.PressKey('A');
                for (const UINT key : {'2', '8'}) {
                    ui_.OnModal(s.prompt, [&](CDialog& prompt) {
                        ++prompts;
                        // The plot above the prompt: the prompt stays on top with the keys.
                        ui_.Tap(CPoint(120, 8));
                        EXPECT_EQ(CWnd::GetActiveWindow(), &prompt) << s.name;
                        EXPECT_EQ(CDesktop::Get().TopLevels().back(), prompt.m_hWnd) << s.name;
                        ui_.PressKey(VK_ESCAPE);
                    });
                    ui_.PressKey(key);
                }
                ui_.PressKey('5');
            }
            ui_.OnModal(pointstore::IDD, [&](CDialog&) {
                ++stores;
                ui_.PressKey(VK_ESCAPE);
            });
            ui_.PressKey('A');
            ui_.PressKey(VK_ESCAPE);
            left = screen.HasEnded();
            if (!left) screen.EndDialog(IDCANCEL);  // a failure must not hang the test
        });
        ASSERT_TRUE(FrameProbe::RunMenuCommand(frame, s.command)) << s.name;
        EXPECT_TRUE(left) << s.name << ": Escape did not leave the screen";
        EXPECT_EQ(stores, 3) << s.name;
        EXPECT_EQ(prompts, 4) << s.name;
        EXPECT_EQ(Lines(s.recordFile), 1u) << s.name;
    }
    EXPECT_EQ(Lines("job/data/j.xyh"), 2u);
    EXPECT_TRUE(ui_.MessageBoxTexts().empty());
}
