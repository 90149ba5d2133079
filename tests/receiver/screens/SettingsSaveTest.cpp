// Each receiver settings screen saves the job's settings the same way, one row a screen: a good save
// writes the file and keeps the choice; a failed one is told, leaves memory as it was, and what goes
// to the receiver goes all the same.
#include <functional>

#include "receiver/screens/BaseParamDlgs.h"
#include "receiver/screens/CReceiverSettingsDlgs.h"
#include "receiver/screens/InstrumentCommands.h"
#include "receiver/screens/ReceiverSettingsCommands.h"
#include "tests/receiver/screens/ReceiverScreenTest.h"

namespace {

struct SaveCase {
    const char* name;
    // The command that opens the screen, and the screen's template.
    std::function<void(IReceiverHost&)> open;
    UINT dialog;
    // Changes the one value on the open screen.
    std::function<void(CUiDriver&, CDialog&)> change;
    // Asked before the save and answered yes, and said after it (either may be null).
    const wchar_t* question;
    const wchar_t* done;
    // The setting the change must save: its value before and the one chosen.
    int ConnectionSettings::*setting;
    int before;
    int chosen;
    // What goes to the receiver, saved or not.
    std::string sent;
};
void PrintTo(const SaveCase& c, std::ostream* out) {
    *out << c.name;
}

const SaveCase kCases[] = {
    {"ElevationMask", [](IReceiverHost& f) { RunElevationMaskCommand(f, nullptr); }, CSatLimitDlg::IDD,
     [](CUiDriver& ui, CDialog& d) { ui.SetText(d, satlimit::kAngle, L"20"); }, nullptr, nullptr,
     &ConnectionSettings::nGAngle, 10, 20, Stored("ecutoff,20")},
    {"TimeZone", [](IReceiverHost& f) { RunTimeZoneCommand(f, nullptr); }, CTimeZoneDlg::IDD,
     [](CUiDriver& ui, CDialog& d) { ui.SetText(d, timezonedlg::kZone, L"-6"); }, nullptr, nullptr,
     &ConnectionSettings::nTimeZone, 8, -6, ""},
    {"RoverFormat", [](IReceiverHost& f) { RunRoverSettingsCommand(f, nullptr); }, CRoverSettingsDlg::IDD,
     [](CUiDriver& ui, CDialog& d) { ui.ChooseItem(d, roversettings::kRadioFormat, 3); }, nullptr, nullptr,
     &ConnectionSettings::nRadioFormat, 1, 3,
     Stored("unlogall,com2") + Stored("interfacemode,com2,rtcmv3,novatel")},
    {"BaseAutoStartFormat", [](IReceiverHost& f) { EXPECT_EQ(SetupBaseAutoStart(f), 1); }, baseautostart::IDD,
     [](CUiDriver& ui, CDialog& d) { ui.ChooseItem(d, baseautostart::kFormat, 2); },
     L"确定设置为基准站单点自动发射吗?", L"自动启动基站参数设置完成!", &ConnectionSettings::nRadioFormat, 3,
     2, Command(57, Bytes({3, 1, 30, 10}))},
};

class SettingsSave : public ReceiverScreenTest, public ::testing::WithParamInterface<SaveCase> {
protected:
    // Opens the row's screen on the setting's old value, changes it and accepts; `failure` is what
    // the save must say.
    void ChangeAndAccept(const wchar_t* failure) {
        const SaveCase& c = GetParam();
        frame.settings.connection.*c.setting = c.before;
        ui.OnModal(c.dialog, [&](CDialog& d) {
            c.change(ui, d);
            if (c.question) ui.ExpectMessageBox(c.question, IDYES);
            if (failure) ui.ExpectMessageBox(failure);
            if (c.done) ui.ExpectMessageBox(c.done);
            ui.Click(d, IDOK);
        });
        c.open(frame);
    }
    int Saved() const { return frame.jobFileWrites[0].connection.*GetParam().setting; }
    int InMemory() const { return frame.settings.connection.*GetParam().setting; }
};

TEST_P(SettingsSave, AGoodWriteKeepsTheChoice) {
    ChangeAndAccept(nullptr);
    ASSERT_EQ(frame.jobFileWrites.size(), 1u);
    EXPECT_EQ(Saved(), GetParam().chosen);
    EXPECT_EQ(InMemory(), GetParam().chosen);
    EXPECT_EQ(Written(), GetParam().sent);
}

TEST_P(SettingsSave, AFailedWriteIsToldAndChangesNothing) {
    frame.jobFileWritable = false;
    ChangeAndAccept(L"创建文件失败!");
    ASSERT_EQ(frame.jobFileWrites.size(), 1u);
    EXPECT_EQ(Saved(), GetParam().chosen);
    EXPECT_EQ(InMemory(), GetParam().before);
    EXPECT_EQ(Written(), GetParam().sent);
}

INSTANTIATE_TEST_SUITE_P(Screens, SettingsSave, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
