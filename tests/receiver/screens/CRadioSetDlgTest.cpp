#include "receiver/screens/CRadioSetDlg.h"

#include "receiver/screens/DataLinkCommands.h"
#include "tests/receiver/screens/ReceiverScreenTest.h"

namespace {
const std::string kOpen = Bytes({0x24, 0x35, 0xCA, 0x01, 0x00, 0x01, 0xDB});
const std::string kClose = Bytes({0x24, 0x35, 0xCA, 0x01, 0x00, 0x00, 0xDA});
const std::string kReadChannel = Bytes({0x55, 0xAA, 0x03, 0x24, 0x00, 0x00, 0x27});
}  // namespace

class RadioSetDlgTest : public ReceiverScreenTest {
protected:
    // Until the module exchange has run out (the close answered or timed out).
    void AwaitExchange() {
        ASSERT_TRUE(PumpUntil(simulator, [&] { return !frame.moduleQueue.Busy(); }));
    }
    bool Enabled(CDialog& d, int id) { return d.GetDlgItem(id)->IsWindowEnabled(); }
};

TEST_F(RadioSetDlgTest, ReadsChannelThreeAndSwitchesToEight) {
    frame.settings.dataLink.radioChannel = 1;
    ui.OnModal(CRadioSetDlg::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, radioset::kChannel), L"1");
        ui.Click(d, radioset::kRead);
        EXPECT_EQ(ui.GetText(d, radioset::kStatus), L"正在读取当前通道，请稍候...");
        EXPECT_FALSE(Enabled(d, radioset::kRead));
        EXPECT_FALSE(Enabled(d, radioset::kChannel));
        AwaitExchange();
        EXPECT_EQ(ui.GetText(d, radioset::kChannel), L"3");
        EXPECT_EQ(ui.GetText(d, radioset::kStatus), L"读取通道成功!");
        EXPECT_TRUE(Enabled(d, radioset::kStopSearch));
        EXPECT_EQ(Written(), kOpen + kReadChannel + kClose);

        ui.ChooseItem(d, radioset::kChannel, 8);
        ui.Click(d, radioset::kSwitch);
        AwaitExchange();
        EXPECT_EQ(Written(),
                  kOpen + Bytes({0x55, 0xAA, 0x06, 0x07, 0x08, 0x00, 0x00, 0x00, 0x00, 0x15}) + kClose);
        EXPECT_EQ(ui.GetText(d, radioset::kChannel), L"8");
        EXPECT_EQ(ui.GetText(d, radioset::kStatus), L"电台通道切换成功!");
        ui.Click(d, IDOK);
    });
    RunRadioSettingsCommand(frame, nullptr);
    EXPECT_EQ(frame.settings.dataLink.radioChannel, 8);
}

TEST_F(RadioSetDlgTest, BlankChannelSendsNothing) {
    ui.OnModal(CRadioSetDlg::IDD, [&](CDialog& d) {
        ui.ChooseItem(d, radioset::kChannel, 0);
        ui.ExpectMessageBox(L"没有选择通道号，请选择正确的通道号！");
        ui.Click(d, radioset::kSwitch);
        ui.Click(d, IDOK);
    });
    RunRadioSettingsCommand(frame, nullptr);
    EXPECT_EQ(Written(), "");
}

TEST_F(RadioSetDlgTest, UnansweredOpenTimesOutOnTheFramesTick) {
    simulator.StayQuiet(kOpen);
    ui.OnModal(CRadioSetDlg::IDD, [&](CDialog& d) {
        ui.Click(d, radioset::kRead);
        // Countdown 10, 8, ... 0, -2: the seventh tick reports the time-out.
        ui.Advance(12000);
        EXPECT_FALSE(Enabled(d, radioset::kRead));
        ui.Advance(2000);
        EXPECT_EQ(ui.GetText(d, radioset::kStatus), L"直通通讯模块超时!");
        EXPECT_TRUE(Enabled(d, radioset::kRead));
        EXPECT_EQ(ui.GetText(d, radioset::kChannel), L"3");
        EXPECT_FALSE(frame.moduleQueue.Busy());
        ui.Click(d, IDOK);
    });
    frame.settings.dataLink.radioChannel = 3;
    RunRadioSettingsCommand(frame, nullptr);
    std::string sevenOpens;
    for (int i = 0; i < 7; ++i) sevenOpens += kOpen;
    EXPECT_EQ(Written(), sevenOpens);
}

TEST_F(RadioSetDlgTest, LeavingWhileTheSearchGoesUnansweredEndsTheModuleExchange) {
    const std::string search = Bytes({0x24, 0x36, 0xC9, 0x01, 0x00, 0x01, 0xDB});
    simulator.StayQuiet(search);
    for (const bool closeBox : {true, false}) {
        ui.OnModal(CRadioSetDlg::IDD, [&](CDialog& d) {
            ui.Click(d, radioset::kAutoSearch);
            EXPECT_EQ(frame.moduleQueue.Mode(), ModuleMode::kRadioDialog);
            ASSERT_TRUE(PumpUntil(simulator, [&] { return Written().find(search) != std::string::npos; }));
            if (closeBox)
                d.SendMessage(WM_CLOSE);
            else
                ui.Click(d, IDOK);
        });
        RunRadioSettingsCommand(frame, nullptr);
        EXPECT_EQ(frame.moduleQueue.Mode(), ModuleMode::kIdle);
        EXPECT_FALSE(frame.moduleQueue.Busy());
        EXPECT_FALSE(IsWindow(frame.moduleQueue.statusWindow));
    }
}

TEST_F(RadioSetDlgTest, AnUnansweredReadTimesOutAndTheModuleIsClosedAfterIt) {
    simulator.StayQuiet(kReadChannel);
    ui.OnModal(CRadioSetDlg::IDD, [&](CDialog& d) {
        ui.Click(d, radioset::kRead);
        ASSERT_TRUE(PumpUntil(simulator,
                              [&] { return simulator.Received().find(kReadChannel) != std::string::npos; }));
        // Countdown 16, 14, ... 0, -2: nine repeats, the time-out on the tenth tick, then the close.
        ui.Advance(20000);
        AwaitExchange();
        EXPECT_EQ(ui.GetText(d, radioset::kStatus), L"读取通道超时!");
        ui.Click(d, IDOK);
    });
    RunRadioSettingsCommand(frame, nullptr);
    std::string tenReads;
    for (int i = 0; i < 10; ++i) tenReads += kReadChannel;
    EXPECT_EQ(Written(), kOpen + tenReads + kClose);
}

TEST_F(RadioSetDlgTest, ScreenshotWhileReading) {
    simulator.StayQuiet(kOpen);
    ui.OnModal(CRadioSetDlg::IDD, [&](CDialog& d) {
        ui.Click(d, radioset::kRead);
        ui.Pump();
        EXPECT_TRUE(ui.Screenshot(ScreenshotPath("radio-set")));
        ui.Click(d, IDOK);
    });
    RunRadioSettingsCommand(frame, nullptr);
}

TEST_F(RadioSetDlgTest, ModuleSwitchSendsTheModeTwiceThenAsksTheVersion) {
    frame.moduleNetworkType = 1;
    CGprsCdmaSwitchDlg dlg(frame);
    ui.OnModal(CGprsCdmaSwitchDlg::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, gprscdmaswitch::kMode), L"GPRS");
        const DWORD before = GetTickCount();
        ui.Click(d, gprscdmaswitch::kToCdma);
        EXPECT_EQ(GetTickCount() - before, 500u);
        EXPECT_EQ(ui.GetText(d, gprscdmaswitch::kMode), L"CDMA");
        const std::string c1 = BuildBinaryFrame(59, "\x01");
        EXPECT_EQ(Written(), c1 + c1 + kVersionQuery);
        ui.Click(d, gprscdmaswitch::kToGprs);
        const std::string c2 = BuildBinaryFrame(59, "\x02");
        EXPECT_EQ(Written().substr(0, 2 * c2.size()), c2 + c2);
        EXPECT_TRUE(ui.Screenshot(ScreenshotPath("module-switch")));
        ui.Click(d, IDOK);
    });
    dlg.DoModal();
    EXPECT_EQ(frame.moduleNetworkType, 1);
}
