// A job file that cannot be written: each receiver settings screen tells the user, the job's settings in
// memory stay as they were, and what goes to the receiver goes all the same.
#include <functional>

#include "receiver/screens/BaseParamDlgs.h"
#include "receiver/screens/CReceiverSettingsDlgs.h"
#include "receiver/screens/InstrumentCommands.h"
#include "receiver/screens/ReceiverSettingsCommands.h"
#include "tests/receiver/screens/ReceiverScreenTest.h"

namespace {

class SettingsSave;
struct SaveCase {
    const char* name;
    // Scripts the dialog to change one value and accept it, then runs the command.
    std::function<void(SettingsSave&)> run;
    // The changed value, as memory or a write holds it.
    std::function<int(const GeneralSettingsBlock&)> value;
    int before;
    int chosen;
    std::string sent;
};

class SettingsSave : public ReceiverScreenTest, public ::testing::WithParamInterface<SaveCase> {
public:
    using ReceiverScreenTest::frame;
    using ReceiverScreenTest::ui;
};

const SaveCase kCases[] = {
    {"ElevationMask",
     [](SettingsSave& t) {
         t.frame.settings.connection.nGAngle = 10;
         t.ui.OnModal(CSatLimitDlg::IDD, [&](CDialog& d) {
             t.ui.SetText(d, satlimit::kAngle, L"20");
             t.ui.ExpectMessageBox(L"创建文件失败!");
             t.ui.Click(d, IDOK);
         });
         RunElevationMaskCommand(t.frame, nullptr);
     },
     [](const GeneralSettingsBlock& s) { return s.connection.nGAngle; }, 10, 20, Stored("ecutoff,20")},
    {"TimeZone",
     [](SettingsSave& t) {
         t.frame.settings.connection.nTimeZone = 8;
         t.ui.OnModal(CTimeZoneDlg::IDD, [&](CDialog& d) {
             t.ui.SetText(d, timezonedlg::kZone, L"-6");
             t.ui.ExpectMessageBox(L"创建文件失败!");
             t.ui.Click(d, IDOK);
         });
         RunTimeZoneCommand(t.frame, nullptr);
     },
     [](const GeneralSettingsBlock& s) { return s.connection.nTimeZone; }, 8, -6, ""},
    {"RoverFormat",
     [](SettingsSave& t) {
         t.frame.settings.connection.nRadioFormat = 1;
         t.ui.OnModal(CRoverSettingsDlg::IDD, [&](CDialog& d) {
             t.ui.ChooseItem(d, roversettings::kRadioFormat, 3);
             t.ui.ExpectMessageBox(L"创建文件失败!");
             t.ui.Click(d, IDOK);
         });
         RunRoverSettingsCommand(t.frame, nullptr);
     },
     [](const GeneralSettingsBlock& s) { return s.connection.nRadioFormat; }, 1, 3,
     Stored("unlogall,com2") + Stored("interfacemode,com2,rtcmv3,novatel")},
    {"BaseAutoStartFormat",
     [](SettingsSave& t) {
         t.frame.settings.connection.nRadioFormat = 3;
         t.ui.OnModal(baseautostart::IDD, [&](CDialog& d) {
             t.ui.ChooseItem(d, baseautostart::kFormat, 2);
             t.ui.ExpectMessageBox(L"确定设置为基准站单点自动发射吗?", IDYES);
             t.ui.ExpectMessageBox(L"创建文件失败!");
             t.ui.ExpectMessageBox(L"自动启动基站参数设置完成!");
             t.ui.Click(d, IDOK);
         });
         EXPECT_EQ(SetupBaseAutoStart(t.frame), 1);
     },
     [](const GeneralSettingsBlock& s) { return s.connection.nRadioFormat; }, 3, 2,
     Command(57, Bytes({3, 1, 30, 10}))},
};

TEST_P(SettingsSave, AFailedWriteIsToldAndChangesNothing) {
    const SaveCase& c = GetParam();
    frame.jobFileWritable = false;
    c.run(*this);
    ASSERT_EQ(frame.jobFileWrites.size(), 1u);
    EXPECT_EQ(c.value(frame.jobFileWrites[0]), c.chosen);
    EXPECT_EQ(c.value(frame.settings), c.before);
    EXPECT_EQ(Written(), c.sent);
}

INSTANTIATE_TEST_SUITE_P(Screens, SettingsSave, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
