// Both stake-out screens opened from the menu against the receiver simulator's walk, on the virtual
// clock. The hold points are made from grid coordinates (the walk reaches them through the job's
// own projection, SimWalkTest); every readout expected at a hold is worked by hand from the grid
// offsets of the hold from the design (azimuths and distances to the second, e.g. atan2(-4, -3) is
// 233.1301° = 233°07′48″), never taken from a recorded run. Tones are timed on the virtual clock.
#include <array>

#include "resources/LineStakeDlg.h"
#include "resources/MainMenu.h"
#include "resources/PointStoreDlg.h"
#include "resources/StakeLineLibDlg.h"
#include "resources/StakePointLibDlg.h"
#include "resources/StakePromptDlg.h"
#include "resources/StakeoutDlg.h"
#include "shell/commands/MainMenuCommands.h"
#include "stakeout/screens/CLineStakeDlg.h"
#include "stakeout/screens/CStakeoutDlg.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/StakeWalkSupport.h"
#include "tests/stakeout/RecordingTones.h"

namespace {
class StakeoutRunTest : public StakeWalkTest {
protected:
    void SetUp() override {
        StakeWalkTest::SetUp();
        start_ = ProgramTimeMs();
    }
    using Texts = std::array<const wchar_t*, 6>;
    using Shown = std::array<CString, 6>;
    static Shown AsShown(const Texts& t) { return {t[0], t[1], t[2], t[3], t[4], t[5]}; }
    // Tone times since the walk started, in ms.
    std::vector<uint64_t> Tones() {
        std::vector<uint64_t> times = RecordingTones::Take();
        for (uint64_t& t : times) t -= start_;
        return times;
    }

    RecordingTones tones_;
    uint64_t start_ = 0;
};

TEST_F(StakeoutRunTest, PointStakeout) {
    // T1 and T2 20 m north of it; heights 15 m, the walk 1.234 m below.
    const double tn = n0_ + 10, te = e0_ + 10, wh = 13.766;
    WriteHostFile("job/site.ptb",
                  Text("0,T1,%.3f,%.3f,15,c1,\r\n0,T2,%.3f,%.3f,15,c2,\r\n", tn, te, tn + 20, te));
    WriteHostFile("job/ptlayauto", "[CurLayoutFileName]\\job\\site.ptb\r\n");
    std::string script = Origin();
    script += GotoGrid(5, tn + 3, te + 4, wh) + "leg 3 0 0 0 fixed\n";        // 0-8 s: H1
    script += GotoGrid(5, tn + 0.3, te + 0.4, wh) + "leg 4 0 0 0 fixed\n";    // 8-17 s: H2, inside
    script += "leg 4 0 0 0 none\n";                                           // 17-21 s: no position
    script += "leg 40 0 0 0 fixed\n";                                         // 21-61 s: silent
    script += GotoGrid(5, tn + 20.1, te - 0.2, wh) + "leg 10 0 0 0 fixed\n";  // 61-76 s: H3 by T2
    StartWalk(script);

    ui_.OnModal(pointstake::IDD, [&](CDialog& d) {
        auto& dlg = static_cast<CStakeoutDlg&>(d);
        // Name, azimuth, distance, Dx, Dy, Dh.
        const auto expect = [&](Texts texts) {
            const PointReadouts& r = dlg.Readouts();
            EXPECT_EQ((Shown{r.name, r.azimuth, r.distance, r.dx, r.dy, r.dh}), AsShown(texts));
        };
        ChooseFirstRow(d, stakelib::IDD, stakelib::kList, pointstake::kLibrary);
        ASSERT_TRUE(dlg.Target().has_value());

        // H1, 3 m north and 4 m east of T1: the target lies south-west.
        WalkTo(7000, true);
        expect({L"T1", L"233°07′48″", L"5.000", L"南3.000", L"西4.000", L"1.234"});
        // H2, inside 0.9 m: one beep on the epoch that arrives there, and rings.
        WalkTo(15000, true);
        expect({L"T1", L"233°07′48″", L"0.500", L"南0.300", L"西0.400", L"1.234"});
        EXPECT_EQ(Tones(), std::vector<uint64_t>{13000});
        EXPECT_FALSE(dlg.LastRings().empty());

        // Key A: the store dialog proposes T1; the staked point goes into site.ptr.
        ui_.OnModal(pointstore::IDD, [&](CDialog& store) {
            EXPECT_EQ(ui_.GetText(store, pointstore::kName), L"T1");
            ui_.Click(store, IDOK);
        });
        d.SetFocus();
        ui_.PressKey('A');
        EXPECT_EQ(ReadHostFile("job/site.ptr"),
                  Text("T1,%.4f,%.4f,%.4f,00000000\r\n", tn + 0.3, te + 0.4, wh));
        const std::string stored = Text("T1,%.3f,%.3f,%.3f,00000000,", tn + 0.3, te + 0.4, wh);
        EXPECT_EQ(ReadHostFile("job/data/j.xyh").substr(0, stored.size()), stored);

        // Key 2: T2, 20 m north; nothing beeps at 19.7 m.
        ui_.OnModal(stakeprompt::IDD, [&](CDialog& prompt) {
            EXPECT_EQ(ui_.GetText(prompt, stakeprompt::kMessage), L"确定放样下一点吗?下一点坐标为:");
            EXPECT_EQ(ui_.GetText(prompt, stakeprompt::kName), L"T2");
            ui_.Click(prompt, IDOK);
        });
        d.SetFocus();
        ui_.PressKey('2');
        WalkTo(17000, true);
        expect({L"T2", L"358°50′12″", L"19.704", L"北19.700", L"西0.400", L"1.234"});

        // Epochs without a position: every readout empty, the solution shown, no beep.
        WalkTo(20000, true);
        expect({L"", L"", L"", L"", L"", L""});
        EXPECT_FALSE(dlg.Readouts().solution.IsEmpty());
        // Silence: the frame's no-data watch resets the position after 30 s.
        simulator_->SilenceFor(40000);
        WalkTo(59000, true);
        EXPECT_EQ(dlg.Readouts().solution, L"无数据");
        expect({L"", L"", L"", L"", L"", L""});
        EXPECT_EQ(FrameProbe::Receiver(frame).HasData(), 0);
        EXPECT_TRUE(Tones().empty());

        // Recovery: the walk goes on to H3 by T2, which beeps once on arrival.
        WalkTo(70000, true);
        expect({L"T2", L"116°33′54″", L"0.224", L"南0.100", L"东0.200", L"1.234"});
        EXPECT_EQ(Tones(), std::vector<uint64_t>{66000});
        ui_.Click(d, pointstake::kClose);
    });
    ASSERT_TRUE(FrameProbe::RunMenuCommand(frame, mainmenu::kPointStakeout));
}

TEST_F(StakeoutRunTest, LineStakeout) {
    // A at whole metres, B 30 m north and 40 m east of it (50 m), start mileage 80. A hold is P(s, o):
    // s metres along A-B, o metres to its left, so P - foot = o (0.8, -0.6).
    const double an = n0_ - 10, ae = e0_ - 10, wh = 13.766;
    const auto at = [&](double s, double o) {
        return std::array<double, 2>{an + 0.6 * s + 0.8 * o, ae + 0.8 * s - 0.6 * o};
    };
    const auto go = [&](double seconds, double s, double o) {
        return GotoGrid(seconds, at(s, o)[0], at(s, o)[1], wh);
    };
    WriteHostFile("job/road.lnb",
                  Text("L1,%.3f,%.3f,15,c,L2,%.3f,%.3f,15,c,80\r\n", an, ae, an + 30, ae + 40));
    WriteHostFile("job/lnlayauto", "[CurLayoutFileName]\\job\\road.lnb\r\n[IntMilPrompt]1\r\n");
    std::string script = Origin();
    script += go(5, 10, 3) + "leg 3 0 0 0 fixed\n";                     // 0-8 s: left of the line
    script += go(3, 11, 1) + "leg 2 0 0 0 fixed\n";                     // 8-13 s: within 1.5 m on arrival
    script += go(2, 12.5, -1) + "leg 2 0 0 0 fixed\n";                  // 13-17 s: across it
    script += go(9, 21.5, -1) + "leg 2 0 0 0 fixed\n";                  // 17-28 s: mileage 100 at 25 s
    script += go(3, 25.5, -4) + "leg 2 0 0 0 fixed\n";                  // 28-33 s: away, 2 m at 29 s
    script += go(8, 49.5, -4) + go(5, 60, -6) + "leg 3 0 0 0 fixed\n";  // 33-49 s: past B
    StartWalk(script);

    ui_.OnModal(linestake::IDD, [&](CDialog& d) {
        auto& dlg = static_cast<CLineStakeDlg&>(d);
        // Offset, mileage, Dx, Dy, start and end distance.
        const auto expect = [&](Texts texts) {
            const LineReadouts& r = dlg.Readouts();
            EXPECT_EQ((Shown{r.offset, r.mileage, r.dx, r.dy, r.startDistance, r.endDistance}),
                      AsShown(texts));
        };
        ChooseFirstRow(d, linelib::IDD, linelib::kList, linestake::kLibrary);
        ASSERT_TRUE(dlg.CurrentLine().has_value());

        // Distances: hypot(10, 3) = 10.4403, hypot(40, 3) = 40.1123.
        WalkTo(7000, true);
        expect({L"左3.000", L"90.000", L"南2.400", L"东1.800", L"10.440", L"40.112"});
        WalkTo(12000, true);
        expect({L"左1.000", L"91.000", L"南0.800", L"东0.600", L"11.045", L"39.013"});
        EXPECT_EQ(Tones(), std::vector<uint64_t>{11000});
        EXPECT_FALSE(dlg.LastBands().empty());
        // Across the line the side flips; still near it, no beep.
        WalkTo(16000, true);
        expect({L"右1.000", L"92.500", L"北0.800", L"西0.600", L"12.540", L"37.513"});
        EXPECT_TRUE(Tones().empty());
        WalkTo(27000, true);
        expect({L"右1.000", L"101.500", L"北0.800", L"西0.600", L"21.523", L"28.518"});
        EXPECT_EQ(Tones(), std::vector<uint64_t>{25000});
        // Leaving: two beeps 500 ms apart.
        WalkTo(32000, true);
        expect({L"右4.000", L"105.500", L"北3.200", L"西2.400", L"25.812", L"24.824"});
        EXPECT_EQ(Tones(), (std::vector<uint64_t>{29000, 29500}));
        // Past B the moves to the foot keep their last values on the segment.
        WalkTo(48000, true);
        expect({L"右6.000", L"140.000", L"北3.200", L"西2.400", L"60.299", L"11.662"});
        EXPECT_TRUE(Tones().empty());
        ui_.Click(d, linestake::kClose);
    });
    ASSERT_TRUE(FrameProbe::RunMenuCommand(frame, mainmenu::kLineStakeout));
}

}  // namespace
