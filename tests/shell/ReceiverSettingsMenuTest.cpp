// The time zone and the rover's fix level chosen through the settings menu reach the running frame's
// parser: the next fix the receiver sends shows them.
#include "platform/ui/CommonControls.h"
#include "resources/RoverSettingsDlg.h"
#include "resources/TimeZoneDlg.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/FrameTestSupport.h"
#include "tests/shell/JobChanges.h"

namespace {

class ReceiverSettingsMenuTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        InitCommonControls();
        frame.ShowWindow(SW_SHOW);
        ui_.Pump();
    }
    // A position log of a fix the board calls `type`.
    static std::string BestPosOf(const char* type) {
        const std::string log = sim::BestPosLog(Epoch());
        std::string body = log.substr(1, log.find('*') - 1);
        body.replace(body.find("NARROW_INT"), 10, type);
        return sim::BoardLog(body);
    }
};

}  // namespace

TEST_F(ReceiverSettingsMenuTest, ATimeZoneChosenInItsDialogSetsTheHourOfTheNextFix) {
    ChangeSystemRecord(FrameProbe::Job(frame), [](LastFilesRecord& r) { r.nGPSOEMType = kBoardEclipse; });
    ui_.OnModal(timezonedlg::IDD, [&](CDialog& d) {
        ui_.SetText(d, timezonedlg::kZone, L"5");
        ui_.Click(d, IDOK);
    });
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"设置S", L"3其它设置", L"3时区设置"}));
    Feed(sim::GgaSentence(Epoch()));  // 03:00 UTC
    EXPECT_EQ(FrameProbe::Receiver(frame).State().hour, 8);
}

TEST_F(ReceiverSettingsMenuTest, TheLowFixLevelChosenInTheRoverSettingsTakesAWideLaneFixAsFixed) {
    Feed(BestPosOf("WIDE_INT"));
    EXPECT_EQ(FrameProbe::Receiver(frame).State().solutionCode, kSolWideInt);
    ui_.OnModal(roversettings::IDD, [&](CDialog& d) {
        ui_.ChooseItem(d, roversettings::kFixLevel, 2);  // "low"
        ui_.Click(d, IDOK);
    });
    ASSERT_TRUE(ui_.ChooseMenu(FrameProbe::CommandBar(frame), {L"设置S", L"4移动站设置"}));
    EXPECT_EQ(FrameProbe::Job(frame).Settings().connection.nFixLevel, 2);
    Feed(BestPosOf("WIDE_INT"));
    EXPECT_EQ(FrameProbe::Receiver(frame).State().solutionCode, kSolFixed);
}
